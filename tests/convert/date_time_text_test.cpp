#include "model/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace horavia {
namespace {

// "Today" with a time of day that must not leak into the result.
const DayCount kToday = FromCivil(2026, 3, 14, 16, 45);

struct Case {
    const char* text;
    DayCount expected;  // -1: not read
};

void ExpectAll(const std::vector<Case>& cases, const LocaleInfo& locale) {
    for (const Case& c : cases) {
        const auto value = ParseDateTimeText(c.text, locale, kToday);
        if (c.expected < 0) {
            EXPECT_FALSE(value.has_value()) << '"' << c.text << '"';
        } else {
            ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
            EXPECT_EQ(std::llround(*value * 86400.0), std::llround(c.expected * 86400.0))
                << '"' << c.text << '"';
        }
    }
}
DayCount Today(int h, int n, int s = 0) {
    return FromCivil(2026, 3, 14, h, n, s);
}

TEST(DateTimeText, UsEnglish) {
    ExpectAll({{"14:30", Today(14, 30)},
               {" 23:59:58 ", Today(23, 59, 58)},
               {"2:30pm", Today(14, 30)},
               {"2 PM", Today(14, 0)},
               {"12:05 AM", Today(0, 5)},
               {"12:05 p", Today(12, 5)},
               {"2026-07-01T14:30:05", FromCivil(2026, 7, 1, 14, 30, 5)},
               {"2026-07-01", FromCivil(2026, 7, 1)},
               {"7/1/2026 2:30 PM", FromCivil(2026, 7, 1, 14, 30)},
               {"14:30 7/1/2026", FromCivil(2026, 7, 1, 14, 30)},
               {"7/1", FromCivil(2026, 7, 1)},
               {"7/1/29 10:00", FromCivil(2029, 7, 1, 10, 0)},
               {"7/1/30", FromCivil(1930, 7, 1)},
               {"2/29/2028", FromCivil(2028, 2, 29)},
               {"Jan 15, 2026 2:30 PM", FromCivil(2026, 1, 15, 14, 30)},
               {"15-sep-26", FromCivil(2026, 9, 15)},
               {"15 Jan 14:30", FromCivil(2026, 1, 15, 14, 30)},  // no year: 14 is the hour
               {"", -1},
               {"abc", -1},
               {"14", -1},
               {"25:00", -1},
               {"12:60", -1},
               {"13:00 PM", -1},
               {"2:30 PX", -1},
               {"2/29/2025", -1},
               {"13/1/2026", -1},
               {"7/1/2026 10", -1},
               {"7/1/2026T", -1},
               {"12345:00", -1},
               {"15 Janx 2026", -1},
               {"31 Feb 2026", -1},
               {"2026-07-01X14:30", -1}},
              EnglishUnitedStates());
}

TEST(DateTimeText, OtherLocales) {
    LocaleInfo german = EnglishUnitedStates();
    german.shortDatePattern = "dd.mm.yyyy";
    german.dateSeparator = ".";
    german.timeSeparator = ".";
    german.amMarker = "vorm.";
    german.pmMarker = "nachm.";
    german.monthNames[2] = "M\xC3\xA4rz";
    ExpectAll({{"01.07.2026 14:30", FromCivil(2026, 7, 1, 14, 30)},
               {"1.7.2026 14.30", FromCivil(2026, 7, 1, 14, 30)},
               {"14.30", Today(14, 30)},  // the 14th of month 30 does not exist
               {"3:10 nachm.", Today(15, 10)},
               {"2026-07-01 08:00", FromCivil(2026, 7, 1, 8, 0)},  // year first is ISO
               {"1. m\xC3\xA4rz 2026", FromCivil(2026, 3, 1)},
               {"1. March 2026", FromCivil(2026, 3, 1)}},
              german);
}

// Before 1899-12-30 a day count's whole part is the date and its fraction's size the time of
// day (1899-12-29 18:00 is -1.75), so the time must count away from zero there.
TEST(DateTimeText, DatesBeforeTheDayCountsZeroKeepTheirTimeOfDay) {
    const LocaleInfo english = EnglishUnitedStates();
    const auto read = [&](const char* text, DayCount today) {
        return ParseDateTimeText(text, english, today);
    };
    EXPECT_EQ(read("1899-12-29 18:00", kToday), -1.75);
    EXPECT_EQ(read("12/29/1899 6:00 AM", kToday), -1.25);
    EXPECT_EQ(read("06:00", -1.5), -1.25);  // today is 1899-12-29 (noon)
    EXPECT_EQ(read("1899-12-30 06:00", kToday), 0.25);

    struct Old {
        const char* text;
        CivilTime civil;
    };
    for (const Old& c : {Old{"1761-02-18T01:13:13", {1761, 2, 18, 1, 13, 13, 0}},
                         Old{"2/18/1761 11:59:59 PM", {1761, 2, 18, 23, 59, 59, 0}},
                         Old{"0100-01-01 12:00", {100, 1, 1, 12, 0, 0, 0}}}) {
        const auto value = read(c.text, kToday);
        ASSERT_TRUE(value.has_value()) << c.text;
        const auto civil = ToCivil(*value);
        ASSERT_TRUE(civil.has_value()) << c.text;
        EXPECT_EQ(std::tie(civil->year, civil->month, civil->day, civil->hour, civil->minute,
                           civil->second),
                  std::tie(c.civil.year, c.civil.month, c.civil.day, c.civil.hour, c.civil.minute,
                           c.civil.second))
            << c.text;
    }
}

}  // namespace
}  // namespace horavia
