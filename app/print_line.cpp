#include "app/print_line.h"

namespace horavia {
namespace {

bool BreaksLine(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

}  // namespace

QString OneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (BreaksLine(c.unicode())) c = QLatin1Char(' ');
    }
    return line;
}

}  // namespace horavia
