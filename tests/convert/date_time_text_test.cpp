#include "model/date_time_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

namespace horavia {
namespace {

// "Today" with a time of day that must not leak into the result.
const CivilTime kToday{2026, 3, 14, 16, 45};

auto Fields(const CivilTime& t) {
    return std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond);
}

struct Case {
    const char* text;
    std::optional<CivilTime> expected;  // empty: not read
};

void ExpectAll(const std::vector<Case>& cases, const LocaleInfo& locale) {
    for (const Case& c : cases) {
        const auto value = ParseDateTimeText(c.text, locale, kToday);
        if (!c.expected) {
            EXPECT_FALSE(value.has_value()) << '"' << c.text << '"';
        } else {
            ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
            EXPECT_EQ(Fields(*value), Fields(*c.expected)) << '"' << c.text << '"';
        }
    }
}
CivilTime Today(int h, int n, int s = 0) {
    return {2026, 3, 14, h, n, s};
}

TEST(DateTimeText, UsEnglish) {
    ExpectAll({{"14:30", Today(14, 30)},
               {" 23:59:58 ", Today(23, 59, 58)},
               {"2:30pm", Today(14, 30)},
               {"2 PM", Today(14, 0)},
               {"12:05 AM", Today(0, 5)},
               {"12:05 p", Today(12, 5)},
               {"2026-07-01T14:30:05", CivilTime{2026, 7, 1, 14, 30, 5}},
               {"2026-07-01", CivilTime{2026, 7, 1}},
               {"7/1/2026 2:30 PM", CivilTime{2026, 7, 1, 14, 30}},
               {"14:30 7/1/2026", CivilTime{2026, 7, 1, 14, 30}},
               {"7/1", CivilTime{2026, 7, 1}},
               {"7/1/29 10:00", CivilTime{2029, 7, 1, 10, 0}},
               {"7/1/30", CivilTime{1930, 7, 1}},
               {"2/29/2028", CivilTime{2028, 2, 29}},
               {"Jan 15, 2026 2:30 PM", CivilTime{2026, 1, 15, 14, 30}},
               {"15-sep-26", CivilTime{2026, 9, 15}},
               {"15 Jan 14:30", CivilTime{2026, 1, 15, 14, 30}},  // no year: 14 is the hour
               {"", std::nullopt},
               {"abc", std::nullopt},
               {"14", std::nullopt},
               {"25:00", std::nullopt},
               {"12:60", std::nullopt},
               {"13:00 PM", std::nullopt},
               {"2:30 PX", std::nullopt},
               {"2/29/2025", std::nullopt},
               {"13/1/2026", std::nullopt},
               {"7/1/2026 10", std::nullopt},
               {"7/1/2026T", std::nullopt},
               {"12345:00", std::nullopt},
               {"15 Janx 2026", std::nullopt},
               {"31 Feb 2026", std::nullopt},
               {"2026-07-01X14:30", std::nullopt}},
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
    ExpectAll({{"01.07.2026 14:30", CivilTime{2026, 7, 1, 14, 30}},
               {"1.7.2026 14.30", CivilTime{2026, 7, 1, 14, 30}},
               {"14.30", Today(14, 30)},  // the 14th of month 30 does not exist
               {"3:10 nachm.", Today(15, 10)},
               {"2026-07-01 08:00", CivilTime{2026, 7, 1, 8, 0}},  // year first is ISO
               {"1. m\xC3\xA4rz 2026", CivilTime{2026, 3, 1}},
               {"1. March 2026", CivilTime{2026, 3, 1}}},
              german);
}

// Dates long ago keep their time of day (a day count before 1899-12-30 would count it away
// from zero).
TEST(DateTimeText, DatesLongAgoKeepTheirTimeOfDay) {
    const LocaleInfo english = EnglishUnitedStates();
    struct Old {
        const char* text;
        CivilTime today;
        CivilTime civil;
    };
    const CivilTime noon{1899, 12, 29, 12};
    for (const Old& c :
         {Old{"1899-12-29 18:00", kToday, {1899, 12, 29, 18}},
          Old{"12/29/1899 6:00 AM", kToday, {1899, 12, 29, 6}},
          Old{"06:00", noon, {1899, 12, 29, 6}}, Old{"1899-12-30 06:00", kToday, {1899, 12, 30, 6}},
          Old{"1761-02-18T01:13:13", kToday, {1761, 2, 18, 1, 13, 13, 0}},
          Old{"2/18/1761 11:59:59 PM", kToday, {1761, 2, 18, 23, 59, 59, 0}},
          Old{"0100-01-01 12:00", kToday, {100, 1, 1, 12, 0, 0, 0}}}) {
        const auto value = ParseDateTimeText(c.text, english, c.today);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(Fields(*value), Fields(c.civil)) << c.text;
    }
}

}  // namespace
}  // namespace horavia
