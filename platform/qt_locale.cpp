#include "platform/qt_locale.h"

#include <cctype>

namespace horavia {

std::string PatternFromQt(const QString& qt) {
    std::string out;
    const std::string s = qt.toStdString();
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        std::size_t run = 1;
        while (i + run < s.size() && s[i + run] == c) ++run;
        switch (c) {
            case 'd':
                out += std::string(run, 'd');
                break;
            case 'M':
                out += std::string(run, 'm');
                break;
            case 'y':
                out += run >= 3 ? "yyyy" : "yy";
                break;
            case 'H':
            case 'h':
                out += run >= 2 ? "hh" : "h";
                break;
            case 'm':
                out += run >= 2 ? "nn" : "n";
                break;
            case 's':
                out += run >= 2 ? "ss" : "s";
                break;
            case 'z':
                break;  // milliseconds have no token
            case 't':
                break;  // nor the zone name
            case 'A':
            case 'a':
                out += "AM/PM";
                break;
            case 'P':
            case 'p':
                break;  // the rest of an "AP" marker
            case '\'': {
                // Quoted text: copy it escaped; two quotes stand for one.
                std::size_t j = i + 1;
                std::string text;
                while (j < s.size()) {
                    if (s[j] == '\'') {
                        if (j + 1 < s.size() && s[j + 1] == '\'') {
                            text += '\'';
                            j += 2;
                            continue;
                        }
                        break;
                    }
                    text += s[j++];
                }
                if (run == 2) text = "'";
                for (char t : text) {
                    out += '\\';
                    out += t;
                }
                i = run == 2 ? i + 2 : j + 1;
                continue;
            }
            default:
                for (std::size_t k = 0; k < run; ++k) {
                    if (std::isalpha(static_cast<unsigned char>(c))) out += '\\';
                    out += c;
                }
        }
        i += run;
    }
    // Trim blanks left where a dropped zone name stood.
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

LocaleInfo LocaleFromQt(const QLocale& l) {
    LocaleInfo info;
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;  // Qt counts Monday = 1 .. Sunday = 7
        info.dayNames[static_cast<std::size_t>(d)] =
            l.dayName(qtDay, QLocale::LongFormat).toStdString();
        info.dayAbbrevs[static_cast<std::size_t>(d)] =
            l.dayName(qtDay, QLocale::ShortFormat).toStdString();
    }
    for (int m = 0; m < 12; ++m) {
        info.monthNames[static_cast<std::size_t>(m)] =
            l.monthName(m + 1, QLocale::LongFormat).toStdString();
        info.monthAbbrevs[static_cast<std::size_t>(m)] =
            l.monthName(m + 1, QLocale::ShortFormat).toStdString();
    }
    if (!l.amText().isEmpty()) info.amMarker = l.amText().toStdString();
    if (!l.pmText().isEmpty()) info.pmMarker = l.pmText().toStdString();
    info.decimalSeparator = l.decimalPoint().toStdString();
    info.groupSeparator = l.groupSeparator().toStdString();
    info.shortDatePattern = PatternFromQt(l.dateFormat(QLocale::ShortFormat));
    info.longDatePattern = PatternFromQt(l.dateFormat(QLocale::LongFormat));
    info.timePattern = PatternFromQt(l.timeFormat(QLocale::LongFormat));
    // Separators as the locale writes them between time and date fields.
    const QString time = l.timeFormat(QLocale::ShortFormat);
    for (QChar c : time) {
        if (!c.isLetter() && !c.isSpace()) {
            info.timeSeparator = QString(c).toStdString();
            break;
        }
    }
    const QString date = l.dateFormat(QLocale::ShortFormat);
    for (QChar c : date) {
        if (!c.isLetter() && !c.isSpace()) {
            info.dateSeparator = QString(c).toStdString();
            break;
        }
    }
    return info;
}

}  // namespace horavia
