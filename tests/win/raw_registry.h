// The tests' own view of the registry, through direct calls, independent of the backend under
// test.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace horavia::wintest {

struct RawValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

std::optional<RawValue> ReadRaw(HKEY root, const std::wstring& path, const std::wstring& name);
// A string value as UTF-16 without its terminating NUL.
std::optional<std::wstring> ReadRawString(HKEY root, const std::wstring& path,
                                          const std::wstring& name);
std::vector<std::wstring> RawSubKeys(HKEY root, const std::wstring& path);
bool RawKeyExists(HKEY root, const std::wstring& path);
bool WriteRaw(HKEY root, const std::wstring& path, const std::wstring& name, DWORD type,
              const std::string& bytes);
bool WriteRawString(HKEY root, const std::wstring& path, const std::wstring& name,
                    const std::wstring& text);
void DeleteRawValue(HKEY root, const std::wstring& path, const std::wstring& name);
void DeleteRawTree(HKEY root, const std::wstring& path);

std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);

// A key of the test's own under HKEY_CURRENT_USER\Software\Horavia Tests, removed with all it
// holds when the test ends.
class ScratchKey {
  public:
    explicit ScratchKey(const std::string& name);
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const std::string& Path() const { return path_; }
    std::wstring WidePath() const { return Wide(path_); }

  private:
    std::string path_;
};

}  // namespace horavia::wintest
