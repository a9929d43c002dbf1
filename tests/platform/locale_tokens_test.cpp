// The locale-driven tokens of clock formats against QLocale's own rendering of the same
// moment, for every locale installed on the computer (Debian's locales-all: about 500).
//
// Qt writes the zone name in its time formats and leaves letters it does not know (the CLDR
// day period "B") as they stand; the format engine writes neither. So Qt's text is compared
// after removing the zone name with the brackets or comma around it and such raw letters.
// Digits are compared as ASCII digits: the format engine writes the pattern language's digits
// in every locale.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <map>

#include "model/date_format.h"
#include "platform/qt_locale.h"

namespace horavia {
namespace {

QStringList InstalledLocales() {
    QProcess process;
    process.start(QStringLiteral("locale"), {QStringLiteral("-a")});
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString AsciiDigits(QString text) {
    for (QChar& c : text) {
        if (c.isDigit() && c.digitValue() >= 0)
            c = QLatin1Char(static_cast<char>('0' + c.digitValue()));
    }
    return text;
}

// Letters of a Qt pattern outside quotes that Qt writes as they stand.
QString RawLetters(const QString& pattern) {
    static const QString kQtLetters = QStringLiteral("dMyhHmszaApPt");
    QString raw;
    bool quoted = false;
    for (QChar c : pattern) {
        if (c == QLatin1Char('\'')) quoted = !quoted;
        if (!quoted && c.isLetter() && c.unicode() < 128 && !kQtLetters.contains(c)) raw += c;
    }
    return raw;
}

// Qt's text without the zone name ("UTC" for a UTC moment), raw pattern letters, the empty
// brackets and the separators they leave, and with ASCII digits.
QString WithoutZoneName(QString text, const QString& pattern) {
    text = AsciiDigits(text);
    text.remove(QStringLiteral("UTC"));
    for (QChar letter : RawLetters(pattern)) text.remove(letter);
    text.remove(QRegularExpression(QStringLiteral("[(\\[（［]\\s*[)\\]）］]")));
    text.replace(QRegularExpression(QStringLiteral("\\s{2,}")), QStringLiteral(" "));
    text.remove(QRegularExpression(QStringLiteral("^[\\s,،]+|[\\s,،]+$")));
    return text;
}

// Visible: something other than blanks and direction or other format marks.
bool IsVisible(const QString& text) {
    for (QChar c : text) {
        if (!c.isSpace() && c.category() != QChar::Other_Format) return true;
    }
    return false;
}

bool HasEmptyBrackets(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[(\\[（［]\\s*[)\\]）］]")));
}

struct Outcome {
    int checks = 0;
    std::map<std::string, int> mismatches;  // per token
    std::vector<std::string> examples;
};

void Check(Outcome& outcome, const std::string& token, const QString& locale, const QString& got,
           const QString& want, bool ok) {
    ++outcome.checks;
    if (ok) return;
    ++outcome.mismatches[token];
    if (outcome.examples.size() < 30) {
        outcome.examples.push_back((locale + QStringLiteral(" ") + QString::fromStdString(token) +
                                    QStringLiteral(": \"") + got + QStringLiteral("\" want \"") +
                                    want + QStringLiteral("\""))
                                       .toStdString());
    }
}

TEST(LocaleTokens, AgreeWithQLocaleForEveryInstalledLocale) {
    const QStringList names = InstalledLocales();
    ASSERT_GE(names.size(), 400) << "install every locale: Debian's locales-all (scripts/deps.sh)";
    const QDate date(2026, 3, 5);
    Outcome outcome;
    for (const QString& name : names) {
        const QLocale qt(name);
        const LocaleInfo info = LocaleFromQt(qt);
        const QString timePattern = qt.timeFormat(QLocale::LongFormat);
        const QString shortDate = qt.dateFormat(QLocale::ShortFormat);
        const QString longDate = qt.dateFormat(QLocale::LongFormat);
        for (const QTime time : {QTime(14, 7, 9), QTime(9, 7, 9)}) {
            const QDateTime moment(date, time, Qt::UTC);
            const DayCount value = FromCivil(2026, 3, 5, time.hour(), 7, 9);
            auto ours = [&](const char* format) {
                return QString::fromStdString(FormatDateTime(value, format, info).value_or("?"));
            };
            const QString wantTime = WithoutZoneName(qt.toString(moment, timePattern), timePattern);
            const QString wantShort = WithoutZoneName(qt.toString(moment, shortDate), shortDate);
            const QString wantLong = WithoutZoneName(qt.toString(moment, longDate), longDate);
            const struct {
                const char* token;
                QString want;
            } texts[] = {
                {"ttttt", wantTime},
                {"ddddd", wantShort},
                {"dddddd", wantLong},
                {"c", wantShort + QLatin1Char(' ') + wantTime},
                {"AMPM", time.hour() < 12 ? qt.amText() : qt.pmText()},
            };
            for (const auto& t : texts) {
                const QString got = ours(t.token);
                Check(outcome, t.token, name, got, t.want, got == t.want && !HasEmptyBrackets(got));
            }
            // The separators: visible, and the ones the locale's own short forms show.
            const QString timeSep = QString::fromStdString(info.timeSeparator);
            const QString dateSep = QString::fromStdString(info.dateSeparator);
            const QString shortTime =
                AsciiDigits(qt.toString(moment, qt.timeFormat(QLocale::ShortFormat)));
            // A locale whose forms show no such mark ("14 h 07") keeps the usual one.
            static const QRegularExpression punctuation(
                QStringLiteral("[^\\w\\s\\x{200e}\\x{200f}]"));
            const bool dateHasPunctuation = wantShort.contains(punctuation);
            const bool timeHasPunctuation = shortTime.contains(punctuation);
            Check(outcome, ":", name, ours(":"), shortTime,
                  IsVisible(timeSep) && ours(":") == timeSep &&
                      (shortTime.contains(timeSep) || !timeHasPunctuation));
            Check(outcome, "/", name, ours("/"), wantShort,
                  IsVisible(dateSep) && ours("/") == dateSep &&
                      (wantShort.contains(dateSep) || !dateHasPunctuation));
        }
    }
    std::string summary;
    int total = 0;
    for (const auto& [token, count] : outcome.mismatches) {
        summary += " " + token + "=" + std::to_string(count);
        total += count;
    }
    std::printf("locale tokens: %d locales x 7 tokens x 2 moments = %d checks, %d mismatches%s\n",
                static_cast<int>(names.size()), outcome.checks, total, summary.c_str());
    for (const std::string& example : outcome.examples) std::printf("  %s\n", example.c_str());
    EXPECT_EQ(total, 0);
}

TEST(LocaleTokens, QtPatternsInTheProgramsLanguage) {
    const struct {
        const char* qt;
        const char* ours;
        AmPmCase amPm;
    } cases[] = {
        {"h:mm:ss AP t", "h\\:nn\\:ss AMPM", AmPmCase::Upper},
        {"h:mm:ss AP, t", "h\\:nn\\:ss AMPM", AmPmCase::Upper},
        {"ap h:mm", "AMPM h\\:nn", AmPmCase::Lower},
        {"Ap h:mm", "AMPM h\\:nn", AmPmCase::AsIs},
        {"Bh:mm:ss [t]", "h\\:nn\\:ss", AmPmCase::AsIs},
        {"H:mm:ss (t)", "h\\:nn\\:ss", AmPmCase::AsIs},
        {"t HH:mm:ss.zzz", "hh\\:nn\\:ss.", AmPmCase::AsIs},
        {"HH.mm:ss 'h' t", "hh.nn\\:ss \\h", AmPmCase::AsIs},
        {"d\u200f/M\u200f/yyyy", "d\u200f\\/m\u200f\\/yyyy", AmPmCase::AsIs},
        {"dddd, d 'de' MMMM 'de' yyyy", "dddd, d \\d\\e mmmm \\d\\e yyyy", AmPmCase::AsIs},
        {"''H''", "'h'", AmPmCase::AsIs},
        {"yy. M. d.", "yy. m. d.", AmPmCase::AsIs},
    };
    for (const auto& c : cases) {
        AmPmCase amPm = AmPmCase::AsIs;
        EXPECT_EQ(PatternFromQt(QString::fromUtf8(c.qt), &amPm), c.ours) << c.qt;
        EXPECT_EQ(amPm, c.amPm) << c.qt;
    }
    // The marker as the locale's time pattern writes it; the AMPM token writes the locale's.
    const LocaleInfo albanian = LocaleFromQt(QLocale(QStringLiteral("sq_AL")));
    EXPECT_EQ(albanian.pmMarker, "e pasdites");
    EXPECT_EQ(albanian.patternPmMarker, "E PASDITES");
    EXPECT_EQ(FormatDateTime(FromCivil(2026, 3, 5, 14, 7, 9), "ttttt|AMPM", albanian),
              "2:07:09 E PASDITES|e pasdites");
}

}  // namespace
}  // namespace horavia
