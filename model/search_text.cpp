#include "model/search_text.h"

#include <cstddef>

namespace horavia {
namespace {

#include "model/latin_fold_table.inc"

struct Decoded {
    char32_t code = 0;
    std::size_t length = 1;  // bytes; 1 with code 0xFFFFFFFF for a byte that is not UTF-8
};

constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return {kNotUtf8, 1};
    }
    if (at + length > text.size()) return {kNotUtf8, 1};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return {kNotUtf8, 1};
        code = (code << 6) | (byte(k) & 0x3Fu);
    }
    return {code, length};
}

bool IsApostrophe(char32_t c) {
    return c == U'\'' || c == U'`' || c == 0x2018 || c == 0x2019 || c == 0x02BB || c == 0x02BC ||
           c == 0x02BE || c == 0x02BF || c == 0x00B4;
}

// Latin-1 punctuation and symbols, and general punctuation (dashes, quotation marks).
bool IsSeparator(char32_t c) {
    return (c >= 0x00A0 && c <= 0x00BF) || c == 0x00D7 || c == 0x00F7 ||
           (c >= 0x2000 && c <= 0x206F);
}

template <std::size_t N>
const char* FoldIn(const char* const (&table)[N], char32_t first, char32_t c) {
    if (c < first || c - first >= N) return nullptr;
    const char* folded = table[c - first];
    return *folded ? folded : nullptr;
}

// The ASCII letters a Latin letter folds to, or nullptr when it is kept as it is.
const char* FoldLatin(char32_t c) {
    if (const char* f = FoldIn(kLatinFold00C0, kLatinFoldFirst00C0, c)) return f;
    return FoldIn(kLatinFold1E00, kLatinFoldFirst1E00, c);
}

// A Cyrillic capital's small letter ("П" -> "п", "Ё" -> "е"), else 0.
char32_t LowerCyrillic(char32_t c) {
    if (c == 0x0401 || c == 0x0451) return 0x0435;  // Ё and ё are written Е and е as often
    if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
    return 0;
}

// A character of U+0080..U+07FF in UTF-8.
std::string TwoByteUtf8(char32_t c) {
    return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
}

}  // namespace

std::string FoldSearchText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    const auto append = [&](std::string_view part) {
        if (pendingSpace && !out.empty()) out += ' ';
        pendingSpace = false;
        out += part;
    };
    for (std::size_t at = 0; at < text.size();) {
        const Decoded d = DecodeAt(text, at);
        const std::string_view original = text.substr(at, d.length);
        at += d.length;
        const char32_t c = d.code;
        if (IsApostrophe(c)) continue;
        if (c < 0x80) {
            const char ch = static_cast<char>(c);
            if (ch >= 'A' && ch <= 'Z') {
                const char lower = static_cast<char>(ch - 'A' + 'a');
                append(std::string_view(&lower, 1));
            } else if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')) {
                append(original);
            } else {
                pendingSpace = true;
            }
        } else if (IsSeparator(c)) {
            pendingSpace = true;
        } else if (const char* folded = c == kNotUtf8 ? nullptr : FoldLatin(c)) {
            if (*folded == ' ') {
                pendingSpace = true;
            } else {
                append(folded);
            }
        } else {
            append(original);
        }
    }
    return out;
}

std::string FoldSearchTextInAnyCase(std::string_view text) {
    const std::string folded = FoldSearchText(text);
    std::string out;
    out.reserve(folded.size());
    for (std::size_t at = 0; at < folded.size();) {
        const Decoded d = DecodeAt(folded, at);
        const char32_t lower = d.code == kNotUtf8 ? 0 : LowerCyrillic(d.code);
        if (lower) {
            out += TwoByteUtf8(lower);
        } else {
            out += folded.substr(at, d.length);
        }
        at += d.length;
    }
    return out;
}

}  // namespace horavia
