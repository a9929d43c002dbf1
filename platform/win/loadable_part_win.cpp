// The part is loaded by its absolute path, and what it needs in turn from its own folder, the
// program's folder and the system folder only: never the current folder or PATH.
#include <windows.h>

#include <string>

#include "platform/loadable_part.h"

namespace horavia {

namespace {

class LibraryPart : public LoadedPart {
  public:
    explicit LibraryPart(HMODULE module) : module_(module) {}
    ~LibraryPart() override { FreeLibrary(module_); }
    void* Symbol(const char* name) override;
    std::string Problem() const override { return problem_; }

  private:
    HMODULE module_;
    std::string problem_;
};

// The system's own words for an error code, without the line break it ends them with.
std::string SystemText(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string told = length > 0 && text != nullptr ? std::string(text, length)
                                                     : "error " + std::to_string(error);
    LocalFree(text);
    while (!told.empty() && (told.back() == '\n' || told.back() == '\r' || told.back() == ' ')) {
        told.pop_back();
    }
    return told;
}

void* LibraryPart::Symbol(const char* name) {
    const FARPROC symbol = GetProcAddress(module_, name);
    problem_ = symbol == nullptr ? SystemText(GetLastError()) : std::string();
    return reinterpret_cast<void*>(symbol);
}

// The program gives paths in the local 8-bit encoding (QFile::encodeName), the ANSI code page.
std::wstring WidePath(const std::string& path) {
    const int length =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                            length);
    }
    return wide;
}

// A drive's root ("C:\") or a share ("\\server\").
bool IsAbsolute(const std::string& path) {
    const auto slash = [](char c) { return c == '\\' || c == '/'; };
    return (path.size() > 2 && path[1] == ':' && slash(path[2])) ||
           (path.size() > 2 && slash(path[0]) && slash(path[1]));
}

}  // namespace

PartLoad LoadPart(const std::string& path) {
    if (!IsAbsolute(path)) return {nullptr, "its path is not absolute"};
    const std::wstring wide = WidePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return {nullptr, error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                             ? std::string(kPartMissing)
                             : SystemText(error)};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {nullptr, "it is a folder"};
    const HMODULE module = LoadLibraryExW(
        wide.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    if (module == nullptr) return {nullptr, SystemText(GetLastError())};
    return {std::make_unique<LibraryPart>(module), {}};
}

}  // namespace horavia
