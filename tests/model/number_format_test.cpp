#include "model/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace horavia {
namespace {

std::string Num(double v, const std::string& pattern) {
    return FormatNumber(v, pattern, EnglishUnitedStates());
}

LocaleInfo German() {
    LocaleInfo l = EnglishUnitedStates();
    l.decimalSeparator = ",";
    l.groupSeparator = ".";
    return l;
}

TEST(FormatNumber, PatternsOfThePseudoZones) {
    EXPECT_EQ(Num(2451545, "#,0.00000"), "2,451,545.00000");
    EXPECT_EQ(Num(2451545, "#,0.00"), "2,451,545.00");
    EXPECT_EQ(Num(2461016.123456, "#,0.00000"), "2,461,016.12346");
    EXPECT_EQ(Num(6e9, "#,#"), "6,000,000,000");
    EXPECT_EQ(Num(999, "#,#"), "999");
    EXPECT_EQ(Num(1000, "#,#"), "1,000");
    EXPECT_EQ(Num(41, "\\@000"), "@041");
    EXPECT_EQ(Num(7, "\\@000"), "@007");
    EXPECT_EQ(Num(999, "\\@000"), "@999");
    EXPECT_EQ(Num(3320, "0000.00"), "3320.00");
    EXPECT_EQ(Num(5, "0000.00"), "0005.00");
    EXPECT_EQ(Num(0, "00000.00"), "00000.00");
    EXPECT_EQ(Num(12345.678, "0000.00"), "12345.68");  // more digits than places: all shown
}

TEST(FormatNumber, GroupingWritesNothingForZero) {
    EXPECT_EQ(Num(0, "#,#"), "");
    EXPECT_EQ(Num(0.4, "#,#"), "");
    EXPECT_EQ(Num(0.5, "#,#"), "1");
    EXPECT_EQ(Num(-0.4, "#,#"), "");
    EXPECT_EQ(Num(0, "#,0.00"), "0.00");
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnDecimalDigits) {
    EXPECT_EQ(Num(0.125, "0.00"), "0.13");
    EXPECT_EQ(Num(1.005, "0.00"), "1.01");  // stored as 1.00499999999999989...
    EXPECT_EQ(Num(2.675, "0.00"), "2.68");
    EXPECT_EQ(Num(2.5, "0"), "3");
    EXPECT_EQ(Num(3.5, "0"), "4");
    EXPECT_EQ(Num(-2.5, "0"), "-3");
    EXPECT_EQ(Num(0.49999999999999, "0"), "0");  // 14 significant nines still count
    EXPECT_EQ(Num(9.995, "0.00"), "10.00");
    EXPECT_EQ(Num(999999.995, "#,0.00"), "1,000,000.00");  // carry adds a group
    EXPECT_EQ(Num(0.0004, "0.00"), "0.00");
    EXPECT_EQ(Num(0.005, "0.00"), "0.01");
    EXPECT_DOUBLE_EQ(RoundHalfAwayFromZero(1.005, 2), 1.01);
    EXPECT_DOUBLE_EQ(RoundHalfAwayFromZero(-2.5, 0), -3);
    EXPECT_DOUBLE_EQ(RoundHalfAwayFromZero(9999.995, 2), 10000);
    EXPECT_DOUBLE_EQ(RoundHalfAwayFromZero(1234.5678, 20), 1234.5678);  // capped, not lost
}

TEST(FormatNumber, NegativeNumbersGetAMinusUnlessTheyRoundToZero) {
    EXPECT_EQ(Num(-1234.5, "#,0.0"), "-1,234.5");
    EXPECT_EQ(Num(-41, "\\@000"), "-@041");
    EXPECT_EQ(Num(-0.001, "0.00"), "0.00");
}

TEST(FormatNumber, LocaleSeparators) {
    EXPECT_EQ(FormatNumber(2451545, "#,0.00000", German()), "2.451.545,00000");
    EXPECT_EQ(FormatNumber(6.06e9, "#,#", German()), "6.060.000.000");
    LocaleInfo swiss = EnglishUnitedStates();
    swiss.groupSeparator = "\xE2\x80\x99";  // a multi-byte separator
    EXPECT_EQ(FormatNumber(1234567, "#,#", swiss),
              "1\xE2\x80\x99"
              "234\xE2\x80\x99"
              "567");
}

TEST(FormatNumber, GenericPlaceholdersAndLiterals) {
    EXPECT_EQ(Num(1.5, "0.##"), "1.5");
    EXPECT_EQ(Num(1, "0.##"), "1.");
    EXPECT_EQ(Num(1.25, "0.0#"), "1.25");
    EXPECT_EQ(Num(5.5, ".00"), "5.50");
    EXPECT_EQ(Num(5, "0#"), "05");
    EXPECT_EQ(Num(1234, "00-00"), "12-34");
    EXPECT_EQ(Num(123456, "00-00"), "1234-56");
    EXPECT_EQ(Num(12, "#,##0"), "12");
    EXPECT_EQ(Num(5, "\\#0"), "#5");
    EXPECT_EQ(Num(5, "\"No. \"0"), "No. 5");
    EXPECT_EQ(Num(5, "0 \"open"), "5 open");
    EXPECT_EQ(Num(5, "0\\"), "5");
    EXPECT_EQ(Num(5, "x,0"), "x,5");  // a comma not between placeholders is text
    EXPECT_EQ(Num(1234, "0,"), "1234,");
    EXPECT_EQ(Num(1.5, "0.0.0"), "1.5.0");  // only the first point is the decimal point
    EXPECT_EQ(Num(42, "abc"), "abc");
    EXPECT_EQ(Num(42, ""), "");
    EXPECT_EQ(Num(1e20, "#,#"), "100,000,000,000,000,000,000");
}

TEST(FormatNumber, NonFiniteValuesWriteNothing) {
    EXPECT_EQ(Num(std::nan(""), "0.00"), "");
    EXPECT_EQ(Num(std::numeric_limits<double>::infinity(), "#,#"), "");
    EXPECT_EQ(Num(-std::numeric_limits<double>::infinity(), "0"), "");
}

}  // namespace
}  // namespace horavia
