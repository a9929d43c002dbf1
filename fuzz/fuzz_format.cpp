// Fuzzes the clock-format engine: any pattern text with any value must give a text or a clean
// "cannot be written", never a crash, and the few promises below must hold.
//
// Input: byte 0 picks the routine (date/time, number, Mars longitude), the locale and how the
// next 8 bytes become the value; the rest is the pattern.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_check.h"
#include "model/date_format.h"
#include "model/number_format.h"
#include "model/pseudo_zones.h"

namespace {

using namespace horavia;

const LocaleInfo& PickLocale(int which) {
    static const LocaleInfo english = EnglishUnitedStates();
    static const LocaleInfo german = [] {
        LocaleInfo l = EnglishUnitedStates();
        l.decimalSeparator = ",";
        l.groupSeparator = ".";
        l.timeSeparator = ".";
        l.dateSeparator = "-";
        l.shortDatePattern = "dd/mm/yyyy c";  // names itself: must expand only once
        l.timePattern = "hh:nn:ss ttttt";
        l.amMarker = "";
        l.pmMarker = "";
        return l;
    }();
    return which == 0 ? english : german;
}

// Either the raw bits of a double (NaN, infinities, huge values) or a whole number of
// milliseconds across the writable calendar and a little beyond.
double ValueFrom(const std::uint8_t* bytes, bool raw) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, bytes, sizeof bits);
    if (raw) {
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    constexpr std::int64_t kRangeMs = 3'200'000LL * 86'400'000LL;
    const auto ms = static_cast<std::int64_t>(bits % (2 * kRangeMs)) - kRangeMs;
    return static_cast<double>(ms) / 86'400'000.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    const int mode = data[0] % 3;
    const LocaleInfo& locale = PickLocale((data[0] / 3) % 2);
    const double value = ValueFrom(data + 1, (data[0] / 6) % 2 != 0);
    const std::string pattern(reinterpret_cast<const char*>(data + 9), size - 9);

    switch (mode) {
        case 0: {
            const auto text = FormatDateTime(value, pattern, locale);
            const auto civil = ToCivil(value);
            const bool writable = civil && civil->year >= 100 && civil->year <= 9999;
            if (text.has_value() != writable) Fail();
            if (writable) {
                // The fixed compact format always gives two-digit hours and minutes.
                const auto compact = FormatDateTime(value, "hh:nn", PickLocale(0));
                if (!compact || compact->size() != 5) Fail();
            }
            break;
        }
        case 1: {
            const std::string text = FormatNumber(value, pattern, locale);
            if (!std::isfinite(value) && !text.empty()) Fail();
            (void)RoundHalfAwayFromZero(value, data[0] % 17);
            break;
        }
        default: {
            std::string format = pattern;
            const double m = ApplyMarsLongitude(value, format, locale);
            if (format.size() > pattern.size()) Fail();
            if (std::isfinite(value) && !std::isfinite(m)) Fail();
            (void)MarsTimeText(value, pattern, locale);
            (void)StardateText(value, locale);
            break;
        }
    }
    return 0;
}
