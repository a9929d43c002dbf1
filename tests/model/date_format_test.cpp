#include "model/date_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace horavia {
namespace {

// Thursday 2026-03-05 14:07:09, day 64 of the year, week 10.
const DayCount kThursday = FromCivil(2026, 3, 5, 14, 7, 9);

std::string Fmt(DayCount v, const std::string& pattern,
                const LocaleInfo& locale = EnglishUnitedStates()) {
    const auto text = FormatDateTime(v, pattern, locale);
    return text ? *text : "<none>";
}

TEST(FormatDateTime, EveryTokenAloneAndInsideText) {
    const struct {
        const char* pattern;
        const char* expected;
    } cases[] = {
        {"d", "5"},
        {"dd", "05"},
        {"ddd", "Thu"},
        {"dddd", "Thursday"},
        {"ddddd", "3/5/2026"},
        {"dddddd", "Thursday, March 5, 2026"},
        {"w", "5"},
        {"ww", "10"},
        {"m", "3"},
        {"mm", "03"},
        {"mmm", "Mar"},
        {"mmmm", "March"},
        {"q", "1"},
        {"y", "64"},
        {"yy", "26"},
        {"yyyy", "2026"},
        {"h", "14"},
        {"hh", "14"},
        {"n", "7"},
        {"nn", "07"},
        {"s", "9"},
        {"ss", "09"},
        {"ttttt", "2:07:09 PM"},
        {"c", "3/5/2026 2:07:09 PM"},
        {"AM/PM", "PM"},
        {"am/pm", "pm"},
        {"A/P", "P"},
        {"a/p", "p"},
        {"AMPM", "PM"},
        {":", ":"},
        {"/", "/"},
        {"\\d", "d"},
        {"\"hh\"", "hh"},
        {"%", "%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Fmt(kThursday, c.pattern), c.expected) << c.pattern;
        EXPECT_EQ(Fmt(kThursday, std::string("<") + c.pattern + ">"),
                  std::string("<") + c.expected + ">")
            << c.pattern;
    }
}

TEST(FormatDateTime, TokensMatchInAnyCaseAndRunsSplitGreedily) {
    EXPECT_EQ(Fmt(kThursday, "HH:NN:SS"), "14:07:09");
    EXPECT_EQ(Fmt(kThursday, "DDDD MMMM YYYY"), "Thursday March 2026");
    EXPECT_EQ(Fmt(kThursday, "Am/Pm"), "Pm");  // the marker keeps the token's own letters
    EXPECT_EQ(Fmt(kThursday, "yyy"), "2664");  // yy then y
    EXPECT_EQ(Fmt(kThursday, "ddddddd"), "Thursday, March 5, 20265");
    EXPECT_EQ(Fmt(kThursday, "hhh"), "1414");
    EXPECT_EQ(Fmt(kThursday, "tt"), "tt");
    // Letters that start tokens are tokens even inside words; quote text to keep it.
    EXPECT_EQ(Fmt(kThursday, "Day"), "5a64");
    EXPECT_EQ(Fmt(kThursday, "\"Day\" d"), "Day 5");
}

TEST(FormatDateTime, TwelveHourClockWithAnyMarkerToken) {
    const auto at = [](int h, int n) { return FromCivil(2026, 3, 5, h, n, 0); };
    EXPECT_EQ(Fmt(at(0, 5), "h:nn AM/PM"), "12:05 AM");
    EXPECT_EQ(Fmt(at(12, 30), "h:nn AM/PM"), "12:30 PM");
    EXPECT_EQ(Fmt(at(13, 0), "h:nn a/p"), "1:00 p");
    EXPECT_EQ(Fmt(at(9, 0), "hh:nn A/P"), "09:00 A");
    EXPECT_EQ(Fmt(at(23, 59), "hh:nn am/pm"), "11:59 pm");
    EXPECT_EQ(Fmt(at(11, 59), "AMPM h"), "AM 11");  // the marker may come first
    // Without a marker token the hours run 0 to 23.
    EXPECT_EQ(Fmt(at(0, 5), "h:nn"), "0:05");
    EXPECT_EQ(Fmt(at(12, 30), "hh"), "12");
    // A marker inside quotes or after a backslash is text and leaves the 24-hour clock.
    EXPECT_EQ(Fmt(at(13, 0), "h \"AM/PM\""), "13 AM/PM");
    EXPECT_EQ(Fmt(at(13, 5), "h \\A\\M\\P\\M"), "13 AMPM");
}

TEST(FormatDateTime, MIsTheMinuteDirectlyAfterAnHourToken) {
    EXPECT_EQ(Fmt(kThursday, "h:m"), "14:7");
    EXPECT_EQ(Fmt(kThursday, "hh:mm"), "14:07");
    EXPECT_EQ(Fmt(kThursday, "hh mm"), "14 07");
    EXPECT_EQ(Fmt(kThursday, "hh\"h\"mm"), "14h07");
    EXPECT_EQ(Fmt(kThursday, "mm/dd hh:mm"), "03/05 14:07");
    EXPECT_EQ(Fmt(kThursday, "h d m"), "14 5 3");  // another token in between: month
    EXPECT_EQ(Fmt(kThursday, "hh:mm:mm"), "14:07:03");
    EXPECT_EQ(Fmt(kThursday, "hh:mmm"), "14:Mar");  // names are always the month
    EXPECT_EQ(Fmt(kThursday, "mm:ss"), "03:09");    // before seconds it stays the month
}

TEST(FormatDateTime, LocaleNamesSeparatorsAndMarkers) {
    LocaleInfo l = EnglishUnitedStates();
    l.timeSeparator = ".";
    l.dateSeparator = "-";
    l.amMarker = "vorm.";
    l.pmMarker = "nachm.";
    l.dayAbbrevs[4] = "Do";
    l.monthNames[2] = "M\xC3\xA4rz";
    l.shortDatePattern = "dd/mm/yyyy";
    l.timePattern = "hh:nn";
    EXPECT_EQ(Fmt(kThursday, "hh:nn", l), "14.07");
    EXPECT_EQ(Fmt(kThursday, "d/m", l), "5-3");
    EXPECT_EQ(Fmt(kThursday, "h AMPM", l), "2 nachm.");
    EXPECT_EQ(Fmt(kThursday, "ddd d. mmmm", l), "Do 5. M\xC3\xA4rz");
    EXPECT_EQ(Fmt(kThursday, "c", l), "05-03-2026 14.07");
}

TEST(FormatDateTime, GeneralDateDropsMidnightAndDayZero) {
    EXPECT_EQ(Fmt(FromCivil(2026, 3, 5), "c"), "3/5/2026");
    EXPECT_EQ(Fmt(0.5, "c"), "12:00:00 PM");
    EXPECT_EQ(Fmt(0.0, "c"), "12:00:00 AM");
    EXPECT_EQ(Fmt(kThursday, ""), "3/5/2026 2:07:09 PM");  // empty pattern: general date
}

TEST(FormatDateTime, QuotesAndBackslashesNeverFail) {
    EXPECT_EQ(Fmt(kThursday, "\"at \"hh"), "at 14");
    EXPECT_EQ(Fmt(kThursday, "hh \"unclosed nn"), "14 unclosed nn");
    EXPECT_EQ(Fmt(kThursday, "hh\\"), "14");  // a trailing lone backslash writes nothing
    EXPECT_EQ(Fmt(kThursday, "\\\\hh\\:"), "\\14:");
    EXPECT_EQ(Fmt(kThursday, "\"\""), "");
    EXPECT_EQ(Fmt(kThursday, "\""), "");
}

TEST(FormatDateTime, WeekAndDayOfYearAtTheEndsOfTheYear) {
    // 2000 was a leap year beginning on a Saturday: its last day is in week 54.
    EXPECT_EQ(Fmt(FromCivil(2000, 12, 31), "ww y w"), "54 366 1");
    EXPECT_EQ(Fmt(FromCivil(2000, 1, 1), "ww y w"), "1 1 7");
    EXPECT_EQ(Fmt(FromCivil(2000, 1, 2), "ww"), "2");  // the first Sunday starts week 2
    EXPECT_EQ(Fmt(FromCivil(2026, 12, 31), "q ww"), "4 53");
}

TEST(FormatDateTime, ShowsTheSecondThatHasBegun) {
    const double ms = 1.0 / 86'400'000;
    EXPECT_EQ(Fmt(kThursday + 999.4 * ms, "hh:nn:ss"), "14:07:09");
    EXPECT_EQ(Fmt(kThursday + 999.6 * ms, "hh:nn:ss"), "14:07:10");  // nearest ms first
    // A value a hair below the whole second is that second, not the one before.
    EXPECT_EQ(Fmt(FromCivil(2026, 3, 5, 14, 7, 10) - 1e-11, "hh:nn:ss"), "14:07:10");
    EXPECT_EQ(Fmt(FromCivil(2026, 3, 5, 23, 59, 59, 999), "yyyy-mm-dd hh:nn:ss"),
              "2026-03-05 23:59:59");
}

TEST(FormatDateTime, NegativeDayCountsKeepTheirTimeOfDay) {
    // -1.25 is 1899-12-29 06:00: the whole part is the date, the fraction's size the time.
    EXPECT_EQ(Fmt(-1.25, "yyyy-mm-dd hh:nn"), "1899-12-29 06:00");
}

TEST(FormatDateTime, OnlyYears100To9999CanBeWritten) {
    EXPECT_EQ(Fmt(FromCivil(100, 1, 1), "yyyy-mm-dd"), "100-01-01");
    EXPECT_EQ(Fmt(FromCivil(9999, 12, 31, 23, 59, 59), "yyyy hh:nn:ss"), "9999 23:59:59");
    EXPECT_FALSE(FormatDateTime(FromCivil(99, 12, 31, 23, 59, 59), "hh", EnglishUnitedStates()));
    EXPECT_FALSE(FormatDateTime(FromCivil(10000, 1, 1), "hh", EnglishUnitedStates()));
    EXPECT_FALSE(FormatDateTime(std::nan(""), "hh", EnglishUnitedStates()));
    EXPECT_FALSE(
        FormatDateTime(std::numeric_limits<double>::infinity(), "", EnglishUnitedStates()));
    EXPECT_FALSE(FormatDateTime(1e300, "hh", EnglishUnitedStates()));
}

TEST(FormatDateTime, SelfReferringLocalePatternsExpandOnce) {
    LocaleInfo l = EnglishUnitedStates();
    l.shortDatePattern = "ddddd|c|ttttt";
    l.timePattern = "c ttttt hh";
    EXPECT_EQ(Fmt(kThursday, "ddddd", l), "||");
    EXPECT_EQ(Fmt(kThursday, "ttttt", l), "  14");
    EXPECT_EQ(Fmt(kThursday, "c", l), "|| " + std::string("  14"));
}

TEST(FormatDateTime, VeryLongAndRandomPatternsAreSafe) {
    std::string longPattern;
    for (int i = 0; i < 100000; ++i) longPattern += "hh:";
    const auto text = FormatDateTime(kThursday, longPattern, EnglishUnitedStates());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 300000u);
    EXPECT_EQ(text->substr(0, 6), "14:14:");

    std::mt19937 rng(7);
    const std::string alphabet = "dDwmMqyhHnsStTcaAP/:\\\"[] .,0#-x";
    for (int round = 0; round < 2000; ++round) {
        std::string p;
        const auto len = rng() % 40;
        for (unsigned i = 0; i < len; ++i) p += alphabet[rng() % alphabet.size()];
        const auto out = FormatDateTime(kThursday, p, EnglishUnitedStates());
        ASSERT_TRUE(out) << p;
    }
}

}  // namespace
}  // namespace horavia
