#include "tests/win/raw_registry.h"

namespace horavia::wintest {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
    return out;
}

std::optional<RawValue> ReadRaw(HKEY root, const std::wstring& path, const std::wstring& name) {
    DWORD size = 0;
    RawValue value;
    if (RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.bytes.assign(size, '\0');
    if (RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &value.type,
                     value.bytes.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    value.bytes.resize(size);
    return value;
}

std::optional<std::wstring> ReadRawString(HKEY root, const std::wstring& path,
                                          const std::wstring& name) {
    const auto raw = ReadRaw(root, path, name);
    if (!raw || raw->type != REG_SZ) return std::nullopt;
    std::wstring text(raw->bytes.size() / sizeof(wchar_t), L'\0');
    raw->bytes.copy(reinterpret_cast<char*>(text.data()), text.size() * sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::vector<std::wstring> RawSubKeys(HKEY root, const std::wstring& path) {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

bool RawKeyExists(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool WriteRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
              const std::string& bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const bool ok =
        RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

bool WriteRawString(HKEY root, const std::wstring& path, const std::wstring& name,
                    const std::wstring& text) {
    const std::string bytes(reinterpret_cast<const char*>(text.c_str()),
                            (text.size() + 1) * sizeof(wchar_t));
    return WriteRaw(root, path, name, REG_SZ, bytes);
}

void DeleteRawValue(HKEY root, const std::wstring& path, const std::wstring& name) {
    RegDeleteKeyValueW(root, path.c_str(), name.c_str());
}

void DeleteRawTree(HKEY root, const std::wstring& path) {
    RegDeleteTreeW(root, path.c_str());
    RegDeleteKeyW(root, path.c_str());
}

ScratchKey::ScratchKey(const std::string& name)
    : path_("Software\\Horavia Tests\\" + name + " " + std::to_string(GetCurrentProcessId())) {
    DeleteRawTree(HKEY_CURRENT_USER, WidePath());
}

ScratchKey::~ScratchKey() {
    DeleteRawTree(HKEY_CURRENT_USER, WidePath());
}

}  // namespace horavia::wintest
