#include "ui/setup/sync_interval.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "model/preferences.h"
#include "model/setting_readers.h"
#include "model/text_helpers.h"

namespace horavia {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

double LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const std::size_t start = i;
    bool digits = false;
    while (i < text.size() && IsDigit(text[i])) digits = true, ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) digits = true, ++i;
    }
    if (!digits) return 0.0;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        // Only an exponent with digits belongs to the number.
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            negativeExponent = text[j++] == '-';
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
        } else {
            negativeExponent = false;
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data() + start, text.data() + i, value);
    if (error == std::errc::result_out_of_range) {
        value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != text.data() + i) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::int32_t IntervalFromText(const std::string& text, std::int32_t unit) {
    const double limited = ClampValue(LeadingNumber(text), 1.0, 255.0);
    return NormaliseInterval(RoundToInt32(limited).value_or(1), unit);
}

}  // namespace horavia
