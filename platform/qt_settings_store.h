// The settings store on QSettings: an INI file per application name, a group per section.
#pragma once

#include <QString>

#include "model/settings_store.h"

namespace horavia {

// Values are kept as plain text exactly as saved: commas, quotes, '=', ';', '#', backslashes,
// surrounding blanks and non-ASCII all round-trip. A hand-edited unquoted value is read as the
// raw text of its line (never split into a list).
class QtSettingsStore : public SettingsStore {
  public:
    using SettingsStore::Get;
    using SettingsStore::Save;
    // The file for application "Horavia 2.0" is <folder>/Horavia 2.0.ini; the folder defaults
    // to $XDG_CONFIG_HOME/Horavia (~/.config/Horavia).
    explicit QtSettingsStore(QString folder = DefaultFolder());

    std::optional<std::string> Read(const std::string& app, const std::string& section,
                                    const std::string& key) override;
    void Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& text) override;

    QString FilePath(const std::string& app) const;
    static QString DefaultFolder();

  private:
    QString folder_;
};

// The text codec of the file, exposed for tests: one value to its INI form and back.
QString EncodeIniValue(const QString& text);
QString DecodeIniValue(const QString& stored);

}  // namespace horavia
