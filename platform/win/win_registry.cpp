#include "platform/win/win_registry.h"

#include <windows.h>

#include "platform/win/wide_text.h"

namespace horavia {
namespace {

HKEY RootKey(RegRoot root) {
    switch (root) {
        case RegRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case RegRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
    }
    return nullptr;
}

// An open key, closed when it goes out of scope.
class OpenKey {
  public:
    OpenKey() = default;
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

bool OpenForReading(RegRoot root, const std::string& path, OpenKey& key) {
    const HKEY rootKey = RootKey(root);
    if (!rootKey) return false;
    return RegOpenKeyExW(rootKey, WideFromUtf8(path).c_str(), 0, KEY_READ, key.Out()) ==
           ERROR_SUCCESS;
}

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

}  // namespace

std::optional<std::string> WinRegistry::QueryValue(RegRoot root, const std::string& path,
                                                   const std::string& name) {
    OpenKey key;
    if (!OpenForReading(root, path, key)) return std::nullopt;
    const std::wstring wideName = WideFromUtf8(name);
    std::string data;
    DWORD type = REG_NONE;
    // The value may change between asking for its size and reading it: ask again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        data.assign(size, '\0');
        const LONG result = RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type,
                                             reinterpret_cast<BYTE*>(data.data()), &size);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) return std::nullopt;
        data.resize(size);
        if (!IsStringType(type)) return data;
        // A stray odd byte at the end of a string value cannot be a UTF-16 unit: dropped.
        std::wstring wide(data.size() / sizeof(wchar_t), L'\0');
        data.copy(reinterpret_cast<char*>(wide.data()), wide.size() * sizeof(wchar_t));
        return Utf8FromWide(wide);
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> WinRegistry::SubKeys(RegRoot root,
                                                             const std::string& path) {
    OpenKey key;
    if (!OpenForReading(root, path, key)) return std::nullopt;
    std::vector<std::string> names;
    // Key names are at most 255 characters; the buffer leaves room for the longest.
    std::wstring name(kRegNameBufferChars, L'\0');
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExW(key.Get(), i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;  // normally the end of the list
        }
        names.push_back(Utf8FromWide(name.data(), length));
    }
    return names;
}

bool WinRegistry::SetValue(RegRoot root, const std::string& path, const std::string& name,
                           const std::string& bytes) {
    if (root != RegRoot::CurrentUser) return false;
    OpenKey key;
    if (RegCreateKeyExW(RootKey(root), WideFromUtf8(path).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, key.Out(),
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring data = WideFromUtf8(bytes);
    const auto size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), WideFromUtf8(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.data()), size) == ERROR_SUCCESS;
}

}  // namespace horavia
