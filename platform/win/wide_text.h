// Conversions between the program's UTF-8 texts and the UTF-16 texts of the Windows API.
#pragma once

#include <string>

namespace horavia {

// Invalid UTF-8 becomes U+FFFD; NUL characters inside the text are kept.
std::wstring WideFromUtf8(const std::string& text);
// Unpaired surrogates become U+FFFD; NUL characters inside the text are kept.
std::string Utf8FromWide(const wchar_t* text, std::size_t length);
inline std::string Utf8FromWide(const std::wstring& text) {
    return Utf8FromWide(text.data(), text.size());
}

}  // namespace horavia
