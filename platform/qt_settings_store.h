// The settings store on INI files: a file per application name, a section per store section.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "model/settings_store.h"
#include "platform/settings_file.h"

namespace horavia {

// Values are kept as plain text exactly as saved: commas, quotes, '=', ';', '#', backslashes,
// surrounding blanks, line breaks and non-ASCII all round-trip. Values written by hand keep
// their bytes. See SettingsFile for when the file is read and written.
class QtSettingsStore : public SettingsStore {
  public:
    using SettingsStore::Get;
    using SettingsStore::Save;
    // The file for application "Horavia 2.0" is <folder>/Horavia 2.0.ini; the folder defaults
    // to $XDG_CONFIG_HOME/Horavia (~/.config/Horavia).
    explicit QtSettingsStore(QString folder = DefaultFolder());
    // The same over other file operations (tests make single steps fail).
    QtSettingsStore(QString folder, SettingsFileSystem& fileSystem);
    ~QtSettingsStore() override;

    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    void Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& text) override;
    void BeginBatch() override;
    void EndBatch() override;
    std::optional<SettingsProblem> Problem() const override;
    void SetProblemHandler(std::function<void(const SettingsProblem&)> handler) override;

    QString FilePath(const std::string& app) const;
    static QString DefaultFolder();
    // Writes of the file so far.
    std::size_t WriteCount(const std::string& app = kSettingsApp);

  private:
    SettingsFile& FileFor(const std::string& app);
    void ReportNewProblems();

    QString folder_;
    std::unique_ptr<SettingsFileSystem> ownFileSystem_;
    SettingsFileSystem& fileSystem_;
    std::map<std::string, std::unique_ptr<SettingsFile>> files_;
    int depth_ = 0;
    std::function<void(const SettingsProblem&)> handler_;
};

}  // namespace horavia
