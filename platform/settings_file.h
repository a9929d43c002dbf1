// One settings file: read once into memory, then each key in constant time; saved as a whole,
// atomically (a temporary file in the same folder, written, flushed to disk, renamed over the
// old one), so that a crash at any moment leaves the old file or the new one.
//
// Changes made on disk while the program runs (a hand edit) are kept: before writing, a file
// that changed since it was read is read again, and only the keys this program changed since
// its last write are put on top. A save of the value the program already knew for a key is no
// change, so a key edited by hand keeps the hand's value until the program itself sets a new one.
//
// A file that exists but cannot be read is never written over: the program works with what it
// has in memory. A failed write keeps the changes in memory for the next save.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/settings_store.h"
#include "platform/ini_document.h"
#include "platform/settings_file_system.h"

namespace horavia {

class SettingsFile {
  public:
    SettingsFile(SettingsFileSystem& fs, std::string path);

    std::optional<std::string> Get(std::string_view section, std::string_view key);
    // In memory; Flush writes it.
    void Set(std::string_view section, std::string_view key, std::string_view text);

    // Takes in a change made on disk since the file was read.
    void Refresh();
    // Writes the changes not yet written. True when nothing is left to write.
    bool Flush();

    const std::optional<SettingsProblem>& Problem() const { return problem_; }
    // The present problem, once: the next one is handed out after a successful write.
    std::optional<SettingsProblem> TakeNewProblem();

    const std::string& Path() const { return path_; }
    std::size_t WriteCount() const { return writes_; }

  private:
    struct Change {
        std::string section;
        std::string key;
        std::string text;
    };

    void EnsureLoaded();
    // Reads the file again when its stamp changed. False (with `error`) when it cannot be read.
    bool ReadIfChanged(std::string& error);
    bool Fail(SettingsProblem::Kind kind, const std::string& reason);
    bool WriteDocument(const std::string& target, std::string& error);
    static std::string Id(std::string_view section, std::string_view key);

    SettingsFileSystem& fs_;
    std::string path_;
    bool loaded_ = false;
    bool readFailed_ = false;  // a file that is there but unreadable is never written over
    IniDocument doc_;
    FileStamp stamp_;  // of the file as last read or written
    // What the program last read or saved for each key it touched: saving that again is no change.
    std::unordered_map<std::string, std::optional<std::string>> known_;
    std::vector<Change> pending_;  // changed since the last write, in the order of saving
    std::unordered_map<std::string, std::size_t> pendingIndex_;
    std::optional<SettingsProblem> problem_;
    bool problemReported_ = false;
    std::size_t writes_ = 0;
};

}  // namespace horavia
