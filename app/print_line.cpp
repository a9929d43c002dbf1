#include "app/print_line.h"

namespace horavia {
namespace {

bool BreaksLine(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// A label's text could otherwise turn the rest of the line around, or the line's start, in
// whatever shows it.
bool ReordersLine(char16_t c) {
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
           c == 0x200F || c == 0x061C;
}

}  // namespace

QString OneLine(const QString& text) {
    QString line = text;
    for (QChar& c : line) {
        if (BreaksLine(c.unicode()) || ReordersLine(c.unicode())) c = QLatin1Char(' ');
    }
    return line;
}

}  // namespace horavia
