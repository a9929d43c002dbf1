// The program's XDG autostart entry, which starts the program when the user logs on. It is read
// and written as its run text: the program it starts, in double quotes when written by the
// program itself.
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
