#include "platform/linux/autostart_entry.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "platform/linux/autostart_text.h"
#include "platform/linux/xdg_paths.h"

namespace horavia {
namespace {

constexpr char kFileName[] = "horavia.desktop";

QByteArray ReadWhole(const QString& path, bool& exists) {
    QFile file(path);
    exists = file.open(QIODevice::ReadOnly);
    return exists ? file.readAll() : QByteArray();
}

std::string_view View(const QByteArray& data) {
    return std::string_view(data.constData(), static_cast<std::size_t>(data.size()));
}

}  // namespace

AutostartEntry::AutostartEntry(QString folder) : folder_(std::move(folder)) {}

QString AutostartEntry::FilePath() const {
    return QDir(folder_).filePath(kFileName);
}

std::optional<std::string> AutostartEntry::ReadRunText() const {
    bool exists = false;
    const QByteArray data = ReadWhole(FilePath(), exists);
    if (!exists) return std::nullopt;
    return ReadAutostartRunText(View(data));
}

bool AutostartEntry::WriteRunText(const std::string& text) {
    // Not starting at log-on leaves no entry behind: the desktop's autostart list stays as it
    // was before the program was ever asked to start there.
    if (ProgramOfRunText(text).empty()) {
        return !QFile::exists(FilePath()) || QFile::remove(FilePath());
    }
    bool exists = false;
    const QByteArray old = ReadWhole(FilePath(), exists);
    const std::string content = AutostartEntryText(text, View(old));

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
    return QDir(UserConfigFolder()).filePath("autostart");
}

}  // namespace horavia
