#include "platform/win/registry_settings_store.h"

#include <utility>

namespace horavia {

RegistrySettingsStore::RegistrySettingsStore(RegistryBackend& registry, std::string root)
    : registry_(registry), root_(std::move(root)) {}

std::string RegistrySettingsStore::KeyPath(const std::string& app,
                                           const std::string& section) const {
    return root_ + "\\" + app + "\\" + section;
}

std::optional<std::string> RegistrySettingsStore::Read(const std::string& app,
                                                       const std::string& section,
                                                       const std::string& key) {
    auto bytes = registry_.QueryValue(RegRoot::CurrentUser, KeyPath(app, section), key);
    if (bytes && !bytes->empty() && bytes->back() == '\0') bytes->pop_back();
    return bytes;
}

void RegistrySettingsStore::Save(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& text) {
    registry_.SetValue(RegRoot::CurrentUser, KeyPath(app, section), key, text + '\0');
}

}  // namespace horavia
