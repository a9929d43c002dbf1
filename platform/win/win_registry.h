// The registry backend over the Windows registry itself, through the wide-character calls.
#pragma once

#include "model/registry.h"

namespace horavia {

// Key paths, value names and string data are UTF-8 on our side and UTF-16 in the registry.
// String values (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) read back as their UTF-8 bytes with the
// terminating NUL the registry holds, so the registry routines drop it as they drop the last
// byte of any value; every other type reads back as its raw bytes (a 44-byte "TZI" record stays
// 44 bytes). Writes store a string value (REG_SZ).
//
// Writes under HKEY_LOCAL_MACHINE are refused, as on the other platforms: the program only
// reads machine-wide data, so a run with administrator rights leaves no entries for every user
// behind.
class WinRegistry : public RegistryBackend {
  public:
    std::optional<std::string> QueryValue(RegRoot root, const std::string& path,
                                          const std::string& name) override;
    std::optional<std::vector<std::string>> SubKeys(RegRoot root, const std::string& path) override;
    bool SetValue(RegRoot root, const std::string& path, const std::string& name,
                  const std::string& bytes) override;
};

}  // namespace horavia
