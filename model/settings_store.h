// The per-user settings store: (application, section, key) -> text.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace horavia {

inline constexpr const char* kSettingsApp = "Horavia 2.0";
inline constexpr const char* kSettingsSection = "Settings";

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text exactly as saved; empty optional when the key is absent.
    virtual std::optional<std::string> Read(const std::string& app, const std::string& section,
                                            const std::string& key) = 0;
    virtual void Save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) = 0;

    // The stored text, or the default when the key is absent.
    std::string Get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& defaultText) {
        auto value = Read(app, section, key);
        return value ? *value : defaultText;
    }
    // Shorthands for the program's own application and section.
    std::string Get(const std::string& key, const std::string& defaultText) {
        return Get(kSettingsApp, kSettingsSection, key, defaultText);
    }
    void Save(const std::string& key, const std::string& text) {
        Save(kSettingsApp, kSettingsSection, key, text);
    }
};

class MemorySettingsStore : public SettingsStore {
  public:
    using SettingsStore::Get;
    using SettingsStore::Save;
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override {
        auto it = values_.find({app, section, key});
        if (it == values_.end()) return std::nullopt;
        return it->second;
    }
    void Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& text) override {
        values_[{app, section, key}] = text;
    }
    bool Has(const std::string& key) const {
        return values_.count({kSettingsApp, kSettingsSection, key}) != 0;
    }
    std::size_t Size() const { return values_.size(); }

  private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

}  // namespace horavia
