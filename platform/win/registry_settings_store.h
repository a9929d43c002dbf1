// The settings store in the user's registry: application "Horavia 2.0", section "Settings" is
// the key HKEY_CURRENT_USER\Software\Horavia\Horavia 2.0\Settings, one string value per key.
#pragma once

#include "model/registry.h"
#include "model/settings_store.h"

namespace horavia {

inline constexpr const char* kSettingsRegistryRoot = "Software\\Horavia";

class RegistrySettingsStore : public SettingsStore {
  public:
    using SettingsStore::Get;
    using SettingsStore::Save;
    // root: the key under HKEY_CURRENT_USER that holds one sub-key per application.
    explicit RegistrySettingsStore(RegistryBackend& registry,
                                   std::string root = kSettingsRegistryRoot);

    // The text exactly as saved (a value of any length; the terminating NUL of a string value
    // is not part of it). Values of other types written by other tools read as their bytes.
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    // A failed write leaves the old value; the store has no way to report it.
    void Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& text) override;

    std::string KeyPath(const std::string& app, const std::string& section) const;

  private:
    RegistryBackend& registry_;
    std::string root_;
};

}  // namespace horavia
