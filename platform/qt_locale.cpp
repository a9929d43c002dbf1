#include "platform/qt_locale.h"

#include <vector>

namespace horavia {
namespace {

// A piece of a Qt pattern: a field the engine writes, literal text, or a part it leaves out
// (the zone name, milliseconds, day periods and any other letter Qt does not know).
struct Piece {
    enum class Kind { Field, Literal, Dropped } kind;
    std::string text;  // the field in the program's language, or the literal text
};

bool IsAsciiLetter(QChar c) {
    return c.unicode() < 128 && c.isLetter();
}

// The Qt pattern cut into pieces; an AM/PM field also gives its case.
std::vector<Piece> Pieces(const QString& qt, AmPmCase* amPmCase) {
    std::vector<Piece> pieces;
    auto literal = [&](const QString& text) {
        if (!pieces.empty() && pieces.back().kind == Piece::Kind::Literal) {
            pieces.back().text += text.toStdString();
        } else {
            pieces.push_back({Piece::Kind::Literal, text.toStdString()});
        }
    };
    auto field = [&](std::string text) { pieces.push_back({Piece::Kind::Field, std::move(text)}); };
    for (qsizetype i = 0; i < qt.size();) {
        const QChar c = qt[i];
        qsizetype run = 1;
        while (i + run < qt.size() && qt[i + run] == c) ++run;
        if (c == QLatin1Char('\'')) {
            // Quoted text; two quotes stand for one.
            if (run >= 2) {
                literal(QString(run / 2, QLatin1Char('\'')));
                i += run - run % 2;
                continue;
            }
            qsizetype j = i + 1;
            QString text;
            while (j < qt.size()) {
                if (qt[j] == QLatin1Char('\'')) {
                    if (j + 1 < qt.size() && qt[j + 1] == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                text += qt[j++];
            }
            literal(text);
            i = j + 1;
            continue;
        }
        switch (c.unicode()) {
            case 'd':
                field(std::string(static_cast<std::size_t>(std::min<qsizetype>(run, 4)), 'd'));
                break;
            case 'M':
                field(std::string(static_cast<std::size_t>(std::min<qsizetype>(run, 4)), 'm'));
                break;
            case 'y':
                field(run >= 3 ? "yyyy" : "yy");
                break;
            case 'H':
            case 'h':
                field(run >= 2 ? "hh" : "h");
                break;
            case 'm':
                field(run >= 2 ? "nn" : "n");
                break;
            case 's':
                field(run >= 2 ? "ss" : "s");
                break;
            case 'A':
            case 'a': {
                // "AP" and "A" write the marker in capitals, "ap" and "a" in small letters,
                // "Ap" and "aP" as the locale has it.
                const bool hasP = i + 1 < qt.size() &&
                                  (qt[i + 1] == QLatin1Char('P') || qt[i + 1] == QLatin1Char('p'));
                const bool upper = c == QLatin1Char('A');
                AmPmCase mode = upper ? AmPmCase::Upper : AmPmCase::Lower;
                if (hasP && qt[i + 1].isUpper() != upper) mode = AmPmCase::AsIs;
                if (amPmCase) *amPmCase = mode;
                field("AMPM");
                i += hasP ? 2 : 1;
                continue;
            }
            default:
                if (IsAsciiLetter(c)) {
                    pieces.push_back({Piece::Kind::Dropped, {}});
                } else {
                    literal(QString(run, c));
                }
        }
        i += run;
    }
    return pieces;
}

// Literal text in the program's language: characters that are tokens there are escaped.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 128 && (std::isalpha(u) || c == ':' || c == '/' || c == '"' || c == '\\')) {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// What a dropped part leaves in the literal beside it, taken away by hand (a regular expression
// engine would be loaded at start for this alone): brackets with only blanks between them,
// runs of blanks, and blanks or commas at the pattern's ends.
bool IsOpening(QChar c) {
    return c == u'(' || c == u'[' || c == u'\uFF08' || c == u'\uFF3B';
}
bool IsClosing(QChar c) {
    return c == u')' || c == u']' || c == u'\uFF09' || c == u'\uFF3D';
}
bool IsEndMark(QChar c) {
    return c.isSpace() || c == u',' || c == u'\u060C';
}

QString WithoutEmptyBrackets(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (IsOpening(text[i])) {
            qsizetype j = i + 1;
            while (j < text.size() && text[j].isSpace()) ++j;
            if (j < text.size() && IsClosing(text[j])) {
                i = j;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString WithSingleBlanks(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype j = i;
        while (j < text.size() && text[j].isSpace()) ++j;
        if (j - i >= 2) {
            out += u' ';
            i = j;
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

std::string PatternFromQt(const QString& qt, AmPmCase* amPmCase) {
    // Join the literals that a dropped part separated, then take away what it leaves behind:
    // empty brackets, doubled blanks, and blanks or commas at either end.
    std::vector<Piece> pieces;
    for (Piece& piece : Pieces(qt, amPmCase)) {
        if (piece.kind == Piece::Kind::Dropped) continue;
        if (piece.kind == Piece::Kind::Literal && !pieces.empty() &&
            pieces.back().kind == Piece::Kind::Literal) {
            pieces.back().text += piece.text;
        } else {
            pieces.push_back(std::move(piece));
        }
    }
    std::string out;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        if (pieces[k].kind == Piece::Kind::Field) {
            out += pieces[k].text;
            continue;
        }
        QString text =
            WithSingleBlanks(WithoutEmptyBrackets(QString::fromStdString(pieces[k].text)));
        if (k == 0) {
            qsizetype first = 0;
            while (first < text.size() && IsEndMark(text[first])) ++first;
            text.remove(0, first);
        }
        if (k + 1 == pieces.size()) {
            qsizetype end = text.size();
            while (end > 0 && IsEndMark(text[end - 1])) --end;
            text.truncate(end);
        }
        out += Escaped(text.toStdString());
    }
    return out;
}

namespace {

// The first mark between the fields of a pattern: not a letter, a blank, a quote or an
// invisible format character such as a right-to-left mark.
std::string SeparatorOf(const QString& qtPattern, const std::string& fallback) {
    bool quoted = false;
    for (QChar c : qtPattern) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted || c.isLetter() || c.isSpace() || c.category() == QChar::Other_Format) continue;
        return QString(c).toStdString();
    }
    return fallback;
}

std::string InCase(const QString& marker, AmPmCase mode) {
    switch (mode) {
        case AmPmCase::Upper:
            return marker.toUpper().toStdString();
        case AmPmCase::Lower:
            return marker.toLower().toStdString();
        case AmPmCase::AsIs:
            break;
    }
    return marker.toStdString();
}

}  // namespace

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
    AmPmCase mode = AmPmCase::AsIs;
    info.timePattern = PatternFromQt(l.timeFormat(QLocale::LongFormat), &mode);
    info.patternAmMarker = InCase(QString::fromStdString(info.amMarker), mode);
    info.patternPmMarker = InCase(QString::fromStdString(info.pmMarker), mode);
    info.timeSeparator = SeparatorOf(l.timeFormat(QLocale::ShortFormat), info.timeSeparator);
    info.dateSeparator = SeparatorOf(l.dateFormat(QLocale::ShortFormat), info.dateSeparator);
    return info;
}

}  // namespace horavia
