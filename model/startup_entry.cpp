#include "model/startup_entry.h"

#include "model/text_helpers.h"
#include "model/zone_catalogue_loader.h"

namespace horavia {

std::string RunEntryText(const std::string& programFolder, const std::string& programName) {
    return "\"" + AddBackslash(programFolder) + programName + ".exe\"";
}

void WriteStartUpEntries(RegistryBackend& registry, bool startUp, const std::string& runText) {
    RegWriteString(registry, RegRoot::CurrentUser, kRunKeyPath, kRunValue, "");
    RegWriteString(registry, RegRoot::CurrentUser, kRunKeyPathNt, kRunValue, "");
    RegWriteString(registry, RegRoot::LocalMachine, kRunKeyPath, kRunValue, "");
    RegWriteString(registry, RegRoot::LocalMachine, kRunKeyPathNt, kRunValue, "");
    RegWriteString(registry, RegRoot::CurrentUser, kRunKeyPath, kRunValue,
                   startUp ? runText : std::string());
}

}  // namespace horavia
