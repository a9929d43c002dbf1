#include "platform/linux/autostart_entry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <map>

#include "platform/linux/desktop_entry.h"

namespace horavia {
namespace {

constexpr char kFileName[] = "horavia.desktop";
// Keeps the exact text written, so that reading the value gives it back.
constexpr char kRunTextKey[] = "X-Horavia-RunText";

std::string ProgramOfRunText(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::string Value(const std::map<std::string, std::string>& keys, const std::string& key) {
    const auto it = keys.find(key);
    return it == keys.end() ? std::string() : UnescapeDesktopString(it->second);
}

}  // namespace

AutostartEntry::AutostartEntry(QString folder) : folder_(std::move(folder)) {}

QString AutostartEntry::FilePath() const {
    return QDir(folder_).filePath(kFileName);
}

std::optional<std::string> AutostartEntry::ReadRunText() const {
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray data = file.readAll();
    const auto keys = ParseDesktopEntryGroup(
        std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    if (Value(keys, "Hidden") == "true" || Value(keys, "X-GNOME-Autostart-enabled") == "false") {
        return std::string();
    }
    const auto program = FirstExecArgument(Value(keys, "Exec"));
    if (!program || program->empty()) return std::string();
    const std::string written = Value(keys, kRunTextKey);
    if (!written.empty() && ProgramOfRunText(written) == *program) return written;
    return '"' + *program + '"';
}

bool AutostartEntry::WriteRunText(const std::string& text) {
    std::string program = ProgramOfRunText(text);
    std::string runText = text;
    const bool enable = !program.empty();
    if (!enable) {
        // Disabling keeps the program of the entry so that the file stays a complete entry.
        QFile old(FilePath());
        if (old.open(QIODevice::ReadOnly)) {
            const QByteArray data = old.readAll();
            const auto keys = ParseDesktopEntryGroup(
                std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
            program = FirstExecArgument(Value(keys, "Exec")).value_or(std::string());
            runText = Value(keys, kRunTextKey);
        }
    }

    std::string content = "[Desktop Entry]\nType=Application\nName=Horavia\n";
    if (!program.empty()) {
        content += "Exec=" + EscapeDesktopString(QuoteExecArgument(program)) + "\n";
        content += std::string(kRunTextKey) + "=" + EscapeDesktopString(runText) + "\n";
    }
    content += enable ? "Hidden=false\nX-GNOME-Autostart-enabled=true\n"
                      : "Hidden=true\nX-GNOME-Autostart-enabled=false\n";

    if (!QDir().mkpath(folder_)) return false;
    QSaveFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString UserAutostartFolder() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config)) config = QDir::homePath() + "/.config";
    return QDir(config).filePath("autostart");
}

}  // namespace horavia
