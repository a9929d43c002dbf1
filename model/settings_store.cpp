#include "model/settings_store.h"

#include "model/text_helpers.h"

namespace horavia {

std::string SettingsProblemText(const SettingsProblem& problem) {
    if (problem.kind == SettingsProblem::Kind::Read) {
        return "The settings could not be read from\r\n" + problem.path + "\r\n(" + problem.reason +
               ").\r\n\r\nHoravia works with its default settings for now and leaves this "
               "file as it is.";
    }
    return "The settings could not be saved to\r\n" + problem.path + "\r\n(" + problem.reason +
           ").\r\n\r\nHoravia keeps working with your settings and tries again at the next save.";
}

std::string SettingsProblemLine(const SettingsProblem& problem) {
    const char* what = problem.kind == SettingsProblem::Kind::Read ? "cannot read" : "cannot save";
    return std::string(what) + " the settings file \"" + problem.path + "\": " + problem.reason;
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
