#include "model/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace horavia {
namespace {

// Significant digits trusted in a double; the rest is binary noise that must not decide a
// rounding (1.005 is stored as 1.00499999999999989...).
constexpr int kSignificantDigits = 15;

struct RoundedDigits {
    std::string integer;   // without leading zeros; empty for zero
    std::string fraction;  // exactly the requested number of digits
};

// |value| rounded half away from zero to `decimals` places, as decimal digits. The rounding
// is done on the value's 15 significant digits. std::to_chars keeps this independent of the
// process's C locale.
RoundedDigits RoundDigits(double absValue, std::size_t decimals) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, absValue, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    // buf holds "d.ddddddddddddddde[+-]xx".
    char mantissa[kSignificantDigits];
    mantissa[0] = buf[0];
    for (int i = 1; i < kSignificantDigits; ++i) mantissa[i] = buf[i + 1];
    long long exponent = 0;
    const char* e = buf + kSignificantDigits + 1;  // at 'e'
    const char* expBegin = e + 1;
    if (*expBegin == '+') ++expBegin;
    std::from_chars(expBegin, res.ptr, exponent);

    const auto dec = static_cast<long long>(decimals);
    const long long intLen = exponent >= 0 ? exponent + 1 : 0;
    // The digit of weight 10^k sits at mantissa index exponent - k.
    auto digitOfWeight = [&](long long k) -> char {
        const long long idx = exponent - k;
        return idx >= 0 && idx < kSignificantDigits ? mantissa[idx] : '0';
    };

    std::string all;
    all.reserve(static_cast<std::size_t>(intLen + dec + 1));
    for (long long k = intLen - 1; k >= -dec; --k) all.push_back(digitOfWeight(k));
    std::size_t intDigits = static_cast<std::size_t>(intLen);
    if (digitOfWeight(-dec - 1) >= '5') {
        std::size_t i = all.size();
        while (i > 0 && all[i - 1] == '9') all[--i] = '0';
        if (i > 0) {
            ++all[i - 1];
        } else {
            all.insert(all.begin(), '1');
            ++intDigits;
        }
    }
    RoundedDigits out;
    std::size_t first = 0;
    while (first < intDigits && all[first] == '0') ++first;
    out.integer.assign(all, first, intDigits - first);
    out.fraction.assign(all, intDigits, std::string::npos);
    return out;
}

enum class ItemKind : unsigned char { Literal, IntDigit, Point, FracDigit };

struct Item {
    ItemKind kind;
    bool zero;          // digit placeholder "0" (always written) rather than "#"
    std::size_t start;  // literal text span in the pattern
    std::size_t length;
};

struct ParsedPattern {
    std::vector<Item> items;
    std::size_t intCount = 0;
    std::size_t minIntDigits = 0;
    std::size_t fracCount = 0;
    bool grouping = false;
};

bool PlaceholderFollows(const std::string& p, std::size_t i) {
    while (i < p.size() && p[i] == ',') ++i;
    return i < p.size() && (p[i] == '0' || p[i] == '#');
}

void AddLiteral(std::vector<Item>& items, std::size_t start, std::size_t length) {
    if (length == 0) return;
    if (!items.empty() && items.back().kind == ItemKind::Literal &&
        items.back().start + items.back().length == start) {
        items.back().length += length;
        return;
    }
    items.push_back({ItemKind::Literal, false, start, length});
}

ParsedPattern Parse(const std::string& p) {
    ParsedPattern out;
    std::size_t firstZero = std::string::npos;
    bool inFraction = false;
    const std::size_t n = p.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = p[i];
        if (c == '"') {
            const std::size_t close = p.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? n : close;
            AddLiteral(out.items, i + 1, end - i - 1);
            i = close == std::string::npos ? n : close + 1;
        } else if (c == '\\') {
            if (i + 1 < n) AddLiteral(out.items, i + 1, 1);
            i += 2;
        } else if (c == '0' || c == '#') {
            if (inFraction) {
                out.items.push_back({ItemKind::FracDigit, c == '0', 0, 0});
                ++out.fracCount;
            } else {
                if (c == '0' && firstZero == std::string::npos) firstZero = out.intCount;
                out.items.push_back({ItemKind::IntDigit, c == '0', 0, 0});
                ++out.intCount;
            }
            ++i;
        } else if (c == '.' && !inFraction) {
            out.items.push_back({ItemKind::Point, false, 0, 0});
            inFraction = true;
            ++i;
        } else if (c == ',' && !inFraction && !out.items.empty() &&
                   out.items.back().kind == ItemKind::IntDigit && PlaceholderFollows(p, i)) {
            out.grouping = true;
            ++i;
        } else {
            AddLiteral(out.items, i, 1);
            ++i;
        }
    }
    if (firstZero != std::string::npos) out.minIntDigits = out.intCount - firstZero;
    return out;
}

}  // namespace

std::string FormatNumber(double value, const std::string& pattern, const LocaleInfo& locale) {
    if (!std::isfinite(value)) return {};
    const ParsedPattern pp = Parse(pattern);
    const RoundedDigits r = RoundDigits(std::fabs(value), pp.fracCount);

    std::string digits = r.integer;
    if (digits.size() < pp.minIntDigits) digits.insert(0, pp.minIntDigits - digits.size(), '0');
    const bool isZero = r.integer.empty() && r.fraction.find_first_not_of('0') == std::string::npos;

    // "#" places after the point drop their trailing zeros.
    std::size_t fracShown = pp.fracCount;
    for (auto it = pp.items.rbegin(); it != pp.items.rend() && fracShown > 0; ++it) {
        if (it->kind != ItemKind::FracDigit) continue;
        if (it->zero || r.fraction[fracShown - 1] != '0') break;
        --fracShown;
    }

    std::string out;
    out.reserve(pattern.size() + digits.size() + 8);
    if (value < 0 && !isZero) out.push_back('-');
    const std::size_t n = digits.size();
    auto emitDigit = [&](std::size_t idx) {
        out.push_back(digits[idx]);
        const std::size_t left = n - 1 - idx;
        if (pp.grouping && left > 0 && left % 3 == 0) out += locale.groupSeparator;
    };
    std::size_t intSeen = 0;
    std::size_t fracSeen = 0;
    for (const Item& item : pp.items) {
        switch (item.kind) {
            case ItemKind::Literal:
                out.append(pattern, item.start, item.length);
                break;
            case ItemKind::IntDigit: {
                // Digits align to the right; the first placeholder takes any extra ones.
                const std::size_t j = intSeen++;
                if (j == 0) {
                    const std::size_t to = n >= pp.intCount ? n - pp.intCount + 1 : 0;
                    for (std::size_t idx = 0; idx < to; ++idx) emitDigit(idx);
                } else if (n + j >= pp.intCount) {
                    emitDigit(n + j - pp.intCount);
                }
                break;
            }
            case ItemKind::Point:
                if (pp.intCount == 0) {
                    for (std::size_t idx = 0; idx < n; ++idx) emitDigit(idx);
                }
                out += locale.decimalSeparator;
                break;
            case ItemKind::FracDigit: {
                const std::size_t k = fracSeen++;
                if (k < fracShown) out.push_back(r.fraction[k]);
                break;
            }
        }
    }
    return out;
}

double RoundHalfAwayFromZero(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    if (decimals < 0) decimals = 0;
    if (decimals > kSignificantDigits) decimals = kSignificantDigits;
    const RoundedDigits r = RoundDigits(std::fabs(value), static_cast<std::size_t>(decimals));
    std::string text = r.integer.empty() ? std::string("0") : r.integer;
    if (!r.fraction.empty()) text += '.' + r.fraction;
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return value < 0 ? -result : result;
}

}  // namespace horavia
