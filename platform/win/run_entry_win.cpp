#include "platform/win/run_entry_win.h"

#include <windows.h>

#include "model/text_helpers.h"
#include "model/zone_catalogue_loader.h"  // kRunKeyPath
#include "platform/win/wide_text.h"

namespace horavia {

std::string RunEntryText(const std::string& programFolder, const std::string& programName) {
    return "\"" + AddBackslash(programFolder) + programName + ".exe\"";
}

std::string ProgramRunEntryText() {
    // Long paths exceed MAX_PATH: grow the buffer until the whole name fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
    const std::string file = Utf8FromWide(path);
    const auto slash = file.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : file.substr(0, slash);
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return RunEntryText(folder, name);
}

bool WriteRunEntry(RegistryBackend& registry, const std::string& runText) {
    RegWriteString(registry, RegRoot::CurrentUser, kRunKeyPathNt, kRunValue, "");
    return RegWriteString(registry, RegRoot::CurrentUser, kRunKeyPath, kRunValue, runText);
}

std::optional<std::string> ReadRunEntry(RegistryBackend& registry) {
    std::string text;
    if (!RegReadString(registry, RegRoot::CurrentUser, kRunKeyPath, kRunValue, text)) {
        return std::nullopt;
    }
    return text;
}

}  // namespace horavia
