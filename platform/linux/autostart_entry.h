// The program's XDG autostart entry, seen as the text of its log-on Run-key value.
#pragma once

#include <QString>
#include <optional>
#include <string>

namespace horavia {

class AutostartEntry {
  public:
    // folder: the autostart folder, e.g. $XDG_CONFIG_HOME/autostart.
    explicit AutostartEntry(QString folder);

    QString FilePath() const;

    // Empty optional when there is no entry; the empty text when the entry is disabled;
    // otherwise the text last written (or, for an entry changed by other tools, its program
    // in double quotes).
    std::optional<std::string> ReadRunText() const;

    // A text naming a program (surrounding double quotes are dropped) writes the entry with
    // that program, replacing the file atomically; the empty text removes the entry. False
    // when the file cannot be written or removed.
    bool WriteRunText(const std::string& text);

  private:
    QString folder_;
};

// The autostart folder of the user: "autostart" in the user's configuration folder.
QString UserAutostartFolder();

}  // namespace horavia
