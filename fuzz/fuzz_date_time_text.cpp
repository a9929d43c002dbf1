// Fuzzes the converter's date and time text: any typed text must give a moment or nothing,
// never a crash, and a moment it gives must lie in the writable calendar.
//
// Input: byte 0 picks the locale and "today"; the rest is the typed text. When the text is a
// date and time written in ISO form by the fuzzer's own numbers (byte 0 odd), it must read
// back as exactly that moment.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/fuzz_check.h"
#include "model/date_time_text.h"
#include "model/day_count.h"

namespace {

using namespace horavia;

const LocaleInfo& PickLocale(int which) {
    static const LocaleInfo english = EnglishUnitedStates();
    static const LocaleInfo other = [] {
        LocaleInfo l = EnglishUnitedStates();
        l.dateSeparator = ".";
        l.timeSeparator = ".";  // the same as the date's: a text may read either way
        l.shortDatePattern = "dd.mm.yyyy";
        l.amMarker = "vorm.";
        l.pmMarker = "nachm.";
        l.monthNames[2] = "März";
        l.monthAbbrevs[2] = "Mär";
        return l;
    }();
    static const LocaleInfo empty = [] {
        LocaleInfo l = EnglishUnitedStates();
        l.dateSeparator.clear();
        l.timeSeparator.clear();
        l.shortDatePattern.clear();
        l.amMarker.clear();
        l.pmMarker.clear();
        return l;
    }();
    return which == 0 ? english : which == 1 ? other : empty;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const LocaleInfo& locale = PickLocale(data[0] % 3);
    const CivilTime today{1990 + data[0] % 60, 1 + data[0] % 12, 1 + data[0] % 28, 15};
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto moment = ParseDateTimeText(text, locale, today);
    if (moment) {
        const CivilTime& t = *moment;
        if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 ||
            t.day > DaysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
            t.minute > 59 || t.second < 0 || t.second > 59 || t.millisecond != 0) {
            Fail();
        }
    }

    if ((data[0] & 1) != 0 && size >= 8) {
        // An ISO date and time built from the input's bytes reads back as itself.
        const int year = 1000 + (data[1] | (data[2] << 8)) % 9000;
        const int month = 1 + data[3] % 12;
        const int day = 1 + data[4] % DaysInMonth(year, month);
        const int hour = data[5] % 24;
        const int minute = data[6] % 60;
        const int second = data[7] % 60;
        char iso[32];
        std::snprintf(iso, sizeof iso, "%04d-%02d-%02dT%02d:%02d:%02d", year, month, day, hour,
                      minute, second);
        const auto back = ParseDateTimeText(iso, locale, today);
        if (!back || back->year != year || back->month != month || back->day != day ||
            back->hour != hour || back->minute != minute || back->second != second ||
            back->millisecond != 0) {
            Fail();
        }
    }
    return 0;
}
