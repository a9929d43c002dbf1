// The user's locale from the system's national-language settings.
#include "platform/win/win_locale.h"

#include <gtest/gtest.h>

#include "model/date_format.h"
#include "tests/win/raw_registry.h"

namespace horavia {
namespace {

TEST(WinLocale, PicturesBecomeThePatternsOfClockFormats) {
    const std::pair<const char*, const char*> cases[] = {
        // Separators stay as the picture writes them.
        {"M/d/yyyy", "m\\/d\\/yyyy"},
        {"dddd, MMMM d, yyyy", "dddd, mmmm d, yyyy"},
        {"h:mm:ss tt", "h\\:nn\\:ss AMPM"},
        {"HH:mm:ss", "hh\\:nn\\:ss"},
        {"dd.MM.yy", "dd.mm.yy"},
        // Japanese: year, month and day marks in quotes.
        {"yyyy'\xe5\xb9\xb4'M'\xe6\x9c\x88'd'\xe6\x97\xa5'",
         "yyyy\xe5\xb9\xb4m\xe6\x9c\x88"
         "d\xe6\x97\xa5"},
        {"d 'de' MMMM 'de' yyyy", "d \\d\\e mmmm \\d\\e yyyy"},
        {"h 'o''clock' tt", "h \\o\\'\\c\\l\\o\\c\\k AMPM"},
        {"gg yyyy.MM.dd", "yyyy.mm.dd"},  // the era has no token
        {"tt h.mm", "AMPM h.nn"},
    };
    for (const auto& [picture, pattern] : cases) {
        EXPECT_EQ(PatternFromWindows(picture), pattern) << picture;
    }
}

// The engine, given the locale as read, writes dates and times as the system itself does.
// Run under several user locales (the test run's LC_ALL chooses Wine's).
TEST(WinLocale, TheEngineWritesWhatTheSystemWrites) {
    const LocaleInfo locale = LocaleFromWindows();
    SYSTEMTIME st{};
    st.wYear = 2026;
    st.wMonth = 3;
    st.wDay = 9;
    st.wDayOfWeek = 1;  // Monday
    st.wHour = 14;
    st.wMinute = 5;
    st.wSecond = 7;
    const DayCount value = FromCivil(2026, 3, 9, 14, 5, 7);
    auto system = [&](bool date, DWORD flags) {
        wchar_t out[128] = {};
        const int n =
            date ? GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &st, nullptr, out, 128, nullptr)
                 : GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, flags, &st, nullptr, out, 128);
        return wintest::Utf8(std::wstring(out, n > 0 ? static_cast<std::size_t>(n - 1) : 0));
    };
    EXPECT_EQ(FormatDateTime(value, locale.shortDatePattern, locale), system(true, DATE_SHORTDATE))
        << locale.shortDatePattern;
    EXPECT_EQ(FormatDateTime(value, locale.longDatePattern, locale), system(true, DATE_LONGDATE))
        << locale.longDatePattern;
    EXPECT_EQ(FormatDateTime(value, locale.timePattern, locale), system(false, 0))
        << locale.timePattern;
}

}  // namespace
}  // namespace horavia
