#include "platform/win/wide_text.h"

#include <windows.h>

#include <climits>

namespace horavia {

std::wstring WideFromUtf8(const std::string& text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const int inLength = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), inLength, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), inLength, wide.data(), length);
    return wide;
}

std::string Utf8FromWide(const wchar_t* text, std::size_t length) {
    if (length == 0 || length > INT_MAX) return {};
    const int inLength = static_cast<int>(length);
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, inLength, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, inLength, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

}  // namespace horavia
