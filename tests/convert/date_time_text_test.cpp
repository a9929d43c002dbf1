#include "model/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace horavia {
namespace {

const DayCount kToday = FromCivil(2026, 3, 14, 16, 45);  // the time of day must not leak in
const DayCount kMidnight = FromCivil(2026, 3, 14);

// The parsed value in whole seconds, or -1 when the text is not read.
std::int64_t Seconds(const std::string& text, const LocaleInfo& locale = EnglishUnitedStates()) {
    const auto value = ParseDateTimeText(text, locale, kToday);
    if (!value) return -1;
    return static_cast<std::int64_t>(std::llround(*value * 86400.0));
}
std::int64_t At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return static_cast<std::int64_t>(std::llround(FromCivil(y, mo, d, h, mi, s) * 86400.0));
}

LocaleInfo German() {
    LocaleInfo l = EnglishUnitedStates();
    l.shortDatePattern = "dd.mm.yyyy";
    l.dateSeparator = ".";
    l.amMarker = "";
    l.pmMarker = "";
    return l;
}

// Hours and minutes separated by a point, year first with dashes.
LocaleInfo PointTimeYearFirst() {
    LocaleInfo l = EnglishUnitedStates();
    l.shortDatePattern = "yyyy-mm-dd";
    l.dateSeparator = "-";
    l.timeSeparator = ".";
    return l;
}

TEST(DateTimeText, TimesAloneFallOnToday) {
    EXPECT_EQ(Seconds("14:30"), At(2026, 3, 14, 14, 30));
    EXPECT_EQ(Seconds("9:05"), At(2026, 3, 14, 9, 5));
    EXPECT_EQ(Seconds(" 23:59:58 "), At(2026, 3, 14, 23, 59, 58));
    EXPECT_EQ(Seconds("00:00"), At(2026, 3, 14));
    EXPECT_EQ(*ParseDateTimeText("00:00", EnglishUnitedStates(), kToday), kMidnight);
}

TEST(DateTimeText, TwelveHourClockInAnyCase) {
    EXPECT_EQ(Seconds("2:30 PM"), At(2026, 3, 14, 14, 30));
    EXPECT_EQ(Seconds("2:30pm"), At(2026, 3, 14, 14, 30));
    EXPECT_EQ(Seconds("2:30 p"), At(2026, 3, 14, 14, 30));
    EXPECT_EQ(Seconds("2 PM"), At(2026, 3, 14, 14, 0));
    EXPECT_EQ(Seconds("11:15:20 am"), At(2026, 3, 14, 11, 15, 20));
    // Twelve o'clock: midnight with AM, noon with PM.
    EXPECT_EQ(Seconds("12:05 AM"), At(2026, 3, 14, 0, 5));
    EXPECT_EQ(Seconds("12:05 PM"), At(2026, 3, 14, 12, 5));
    EXPECT_EQ(Seconds("13:00 PM"), -1);
}

TEST(DateTimeText, LocaleMarkersAreRead) {
    LocaleInfo l = EnglishUnitedStates();
    l.amMarker = "vorm.";
    l.pmMarker = "nachm.";
    EXPECT_EQ(Seconds("3:10 nachm.", l), At(2026, 3, 14, 15, 10));
    EXPECT_EQ(Seconds("3:10 vorm.", l), At(2026, 3, 14, 3, 10));
}

TEST(DateTimeText, IsoDatesWithAndWithoutTime) {
    EXPECT_EQ(Seconds("2026-07-01 14:30"), At(2026, 7, 1, 14, 30));
    EXPECT_EQ(Seconds("2026-07-01T14:30:05"), At(2026, 7, 1, 14, 30, 5));
    EXPECT_EQ(Seconds("2026-07-01"), At(2026, 7, 1));
    // Year first is read as ISO whatever the locale's order.
    EXPECT_EQ(Seconds("2026-07-01 14:30", German()), At(2026, 7, 1, 14, 30));
}

TEST(DateTimeText, LocaleShortDateOrder) {
    const LocaleInfo us = EnglishUnitedStates();
    EXPECT_EQ(Seconds("7/1/2026 2:30 PM", us), At(2026, 7, 1, 14, 30));
    EXPECT_EQ(Seconds("12/31/2025 23:00", us), At(2025, 12, 31, 23, 0));
    EXPECT_EQ(Seconds("7/1", us), At(2026, 7, 1));  // this year
    EXPECT_EQ(Seconds("01.07.2026 14:30", German()), At(2026, 7, 1, 14, 30));
    EXPECT_EQ(Seconds("31.12.2025", German()), At(2025, 12, 31));
    EXPECT_EQ(Seconds("2026-7-1 8.15", PointTimeYearFirst()), At(2026, 7, 1, 8, 15));
    // A time may also come first.
    EXPECT_EQ(Seconds("14:30 7/1/2026", us), At(2026, 7, 1, 14, 30));
}

TEST(DateTimeText, MonthNamesInTheLocaleOrInEnglish) {
    EXPECT_EQ(Seconds("15 Jan 2026 14:30"), At(2026, 1, 15, 14, 30));
    EXPECT_EQ(Seconds("Jan 15, 2026 2:30 PM"), At(2026, 1, 15, 14, 30));
    EXPECT_EQ(Seconds("january 15 2026"), At(2026, 1, 15));
    EXPECT_EQ(Seconds("15-Sep-26"), At(2026, 9, 15));
    EXPECT_EQ(Seconds("15 Sept. 2026"), -1);  // not a name of September
    // Without a year, this year; the number after the month is then the hour.
    EXPECT_EQ(Seconds("15 Jan 14:30"), At(2026, 1, 15, 14, 30));
    EXPECT_EQ(Seconds("May 3"), At(2026, 5, 3));
    LocaleInfo german = German();
    german.monthNames[2] = "M\xC3\xA4rz";
    german.monthAbbrevs[2] = "M\xC3\xA4r";
    EXPECT_EQ(Seconds("1. M\xC3\xA4rz 2026 08:00", german), At(2026, 3, 1, 8, 0));
    EXPECT_EQ(Seconds("1. m\xC3\xA4r 2026", german), At(2026, 3, 1));
    EXPECT_EQ(Seconds("1. March 2026", german), At(2026, 3, 1));
    for (const char* text :
         {"31 Feb 2026", "15 Janx 2026", "Jan", "Jan 2026 10:00", "15 Jan 2026 25:00"})
        EXPECT_EQ(Seconds(text), -1) << text;
}

TEST(DateTimeText, TwoDigitYearsUseTheCenturyWindow) {
    EXPECT_EQ(Seconds("7/1/29 10:00"), At(2029, 7, 1, 10, 0));
    EXPECT_EQ(Seconds("7/1/30 10:00"), At(1930, 7, 1, 10, 0));
    EXPECT_EQ(Seconds("1/1/00"), At(2000, 1, 1));
}

TEST(DateTimeText, PointSeparatedTimeIsNotTakenForAnImpossibleDate) {
    // 14.30 cannot be the 14th of month 30, so it is a time when the locale writes times so.
    LocaleInfo l = German();
    l.timeSeparator = ".";
    EXPECT_EQ(Seconds("14.30", l), At(2026, 3, 14, 14, 30));
    EXPECT_EQ(Seconds("1.7.2026 14.30", l), At(2026, 7, 1, 14, 30));
}

TEST(DateTimeText, TextThatIsNoDateOrTimeIsNotRead) {
    for (const char* text : {"",
                             "   ",
                             "abc",
                             "14",
                             "25:00",
                             "12:60",
                             "10:00:61",
                             "2:30 PX",
                             "14:30 tomorrow",
                             "2/30/2026 10:00",
                             "2/29/2025",
                             "13/1/2026",
                             "0/1/2026",
                             "7/1/2026 10",
                             "10::30",
                             "1:2:3:4",
                             "12345:00",
                             "7/1/2026T",
                             "2026-07",
                             "-5:00",
                             "2026-07-01X14:30"}) {
        EXPECT_EQ(Seconds(text), -1) << '"' << text << '"';
    }
    // Leap day exists in leap years only.
    EXPECT_EQ(Seconds("2/29/2028"), At(2028, 2, 29));
}

TEST(DateTimeText, NonFiniteTodayIsRefused) {
    EXPECT_FALSE(ParseDateTimeText("10:00", EnglishUnitedStates(), std::nan("")).has_value());
}

}  // namespace
}  // namespace horavia
