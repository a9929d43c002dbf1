#include "model/text_helpers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace horavia {

std::string StripAtNul(const std::string& text) {
    const auto nul = text.find('\0');
    return Trim(nul == std::string::npos ? text : text.substr(0, nul));
}

std::string AddBackslash(const std::string& path) {
    if (!path.empty() && path.back() == '\\') return path;
    return path + '\\';
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Trim(std::string_view text) {
    return std::string(TrimBlanks(text));
}

std::string ClockKey(int index) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "K%04d", index);
    return buf;
}

int ClockKeyIndex(const std::string& key) {
    if (key.size() < 2) return -1;
    long long value = 0;
    for (std::size_t i = 1; i < key.size(); ++i) {
        const auto c = static_cast<unsigned char>(key[i]);
        if (!std::isdigit(c)) return -1;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max()) return -1;
    }
    return static_cast<int>(value);
}

std::string ToLowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int CompareIgnoreCase(const std::string& a, const std::string& b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
    return CompareIgnoreCase(a, b) == 0;
}

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string_view Utf8Prefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text;
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuationByte(text[end])) --end;
    return text.substr(0, end);
}

std::string_view Utf8PrefixChars(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsContinuationByte(text[i])) continue;
        if (chars == maxChars) return text.substr(0, i);
        ++chars;
    }
    return text;
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsWithAt(std::string_view text, std::size_t at, std::string_view part) {
    return !part.empty() && text.substr(at, part.size()) == part;
}

}  // namespace

ScannedNumber ScanNumber(std::string_view text, const NumberSyntax& syntax) {
    std::string plain;  // the number as from_chars reads it
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    const bool groups = !syntax.group.empty() && syntax.group != ".";
    bool digits = false;
    bool inFraction = false;
    std::size_t end = 0;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            plain += text[i++];
            digits = true;
        } else if (syntax.fraction && !inFraction && text[i] == '.') {
            plain += '.';
            inFraction = true;
            ++i;
        } else if (syntax.fraction && !inFraction && StartsWithAt(text, i, syntax.decimal)) {
            plain += '.';
            inFraction = true;
            i += syntax.decimal.size();
        } else if (groups && digits && !inFraction && StartsWithAt(text, i, syntax.group) &&
                   i + syntax.group.size() < text.size() &&
                   IsDigit(text[i + syntax.group.size()])) {
            i += syntax.group.size();
        } else {
            break;
        }
        if (digits) end = i;
    }
    if (!digits) return {};

    bool negativeExponent = false;
    if (syntax.exponent && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        // Only an exponent with digits belongs to the number.
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            exponent += text[j++];
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
            plain += exponent;
            end = j;
        } else {
            negativeExponent = false;
        }
    }

    ScannedNumber number;
    number.length = end;
    const auto [ptr, error] =
        std::from_chars(plain.data(), plain.data() + plain.size(), number.value);
    if (error == std::errc::result_out_of_range) {
        number.inRange = false;
        number.value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
        if (plain.front() == '-') number.value = -number.value;
    } else if (error != std::errc() || ptr != plain.data() + plain.size()) {
        return {};
    }
    return number;
}

std::optional<double> ParseNumber(std::string_view raw, const NumberSyntax& syntax) {
    const std::string_view text = TrimBlanks(raw);
    const ScannedNumber number = ScanNumber(text, syntax);
    if (number.length == 0 || number.length != text.size() || !number.inRange) return std::nullopt;
    return number.value;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    const auto number =
        ParseNumber(text, {.decimal = {}, .group = {}, .fraction = false, .exponent = false});
    if (!number) return std::nullopt;
    return RoundToInt32(*number);
}

double LeadingNumber(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return 0.0;
    return ScanNumber(text.substr(first), {.decimal = {}, .group = {}}).value;
}

std::optional<std::int32_t> RoundToInt32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace horavia
