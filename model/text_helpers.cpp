#include "model/text_helpers.h"

#include <cctype>
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

std::string ReplaceAll(std::string& text, const std::string& find, const std::string& replacement) {
    if (find.empty()) return text;
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (auto at = text.find(find); at != std::string::npos; at = text.find(find, from)) {
        out.append(text, from, at - from);
        out += replacement;
        from = at + find.size();
    }
    out.append(text, from, std::string::npos);
    text = out;
    return out;
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

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
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

}  // namespace horavia
