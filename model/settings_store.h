// The per-user settings store: (application, section, key) -> text.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "model/message.h"

namespace horavia {

inline constexpr const char* kSettingsApp = "Horavia 2.0";
inline constexpr const char* kSettingsSection = "Settings";

// Why the settings file could not be read or written, for the message that tells the user.
struct SettingsProblem {
    enum class Kind { Read, Write };
    Kind kind = Kind::Write;
    std::string path;
    std::string reason;  // the system's words, e.g. "Permission denied"
};

// The message box text and the one line for standard error.
Message SettingsProblemText(const SettingsProblem& problem);
Message SettingsProblemLine(const SettingsProblem& problem);

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text exactly as saved; empty optional when the key is absent. Keys and
    // sections match without regard to letter case.
    virtual std::optional<std::string> Read(const std::string& app, const std::string& section,
                                            const std::string& key) = 0;
    virtual void Save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) = 0;

    // Saves between the outermost BeginBatch and its EndBatch reach the disk together, in one
    // write; a save outside any batch is written at once.
    virtual void BeginBatch() {}
    virtual void EndBatch() {}

    // The present problem with the settings file, if any (cleared by a successful write).
    virtual std::optional<SettingsProblem> Problem() const { return std::nullopt; }
    // Called once for each new problem (again only after a successful write), when the store
    // is consistent again; the call may show a message box. An empty function stops the calls.
    virtual void SetProblemHandler(std::function<void(const SettingsProblem&)>) {}

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

// Groups the saves of one operation into one write of the file.
class SettingsBatch {
  public:
    explicit SettingsBatch(SettingsStore& store) : store_(store) { store_.BeginBatch(); }
    ~SettingsBatch() { store_.EndBatch(); }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

  private:
    SettingsStore& store_;
};

// The store in memory, for tests and runs without a settings file. It counts the writes a file
// would take (one per batch with saves, one per save outside a batch) and keeps the keys in
// the order they were saved.
class MemorySettingsStore : public SettingsStore {
  public:
    using SettingsStore::Get;
    using SettingsStore::Save;
    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    void Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& text) override;
    void BeginBatch() override { ++depth_; }
    void EndBatch() override;

    bool Has(const std::string& key) const;
    std::size_t Size() const { return values_.size(); }
    // Writes to the file so far.
    std::size_t Commits() const { return commits_; }
    // Every saved key, in order.
    const std::vector<std::string>& SavedKeys() const { return savedKeys_; }

  private:
    using Id = std::tuple<std::string, std::string, std::string>;
    static Id MakeId(const std::string& app, const std::string& section, const std::string& key);
    std::map<Id, std::string> values_;
    std::vector<std::string> savedKeys_;
    int depth_ = 0;
    bool savedInBatch_ = false;
    std::size_t commits_ = 0;
};

}  // namespace horavia
