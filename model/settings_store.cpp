#include "model/settings_store.h"

#include "model/text_helpers.h"

namespace horavia {

Message SettingsProblemText(const SettingsProblem& problem) {
    return {problem.kind == SettingsProblem::Kind::Read ? MessageId::SettingsNotRead
                                                        : MessageId::SettingsNotSaved,
            {problem.path, problem.reason}};
}

Message SettingsProblemLine(const SettingsProblem& problem) {
    return {problem.kind == SettingsProblem::Kind::Read ? MessageId::SettingsNotReadLine
                                                        : MessageId::SettingsNotSavedLine,
            {problem.path, problem.reason}};
}

MemorySettingsStore::Id MemorySettingsStore::MakeId(const std::string& app,
                                                    const std::string& section,
                                                    const std::string& key) {
    return {app, ToLowerAscii(section), ToLowerAscii(key)};
}

std::optional<std::string> MemorySettingsStore::Read(const std::string& app,
                                                     const std::string& section,
                                                     const std::string& key) {
    auto it = values_.find(MakeId(app, section, key));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void MemorySettingsStore::Save(const std::string& app, const std::string& section,
                               const std::string& key, const std::string& text) {
    values_[MakeId(app, section, key)] = text;
    savedKeys_.push_back(key);
    if (depth_ > 0) {
        savedInBatch_ = true;
    } else {
        ++commits_;
    }
}

void MemorySettingsStore::EndBatch() {
    if (depth_ > 0 && --depth_ == 0 && savedInBatch_) {
        savedInBatch_ = false;
        ++commits_;
    }
}

bool MemorySettingsStore::Has(const std::string& key) const {
    return values_.count(MakeId(kSettingsApp, kSettingsSection, key)) != 0;
}

}  // namespace horavia
