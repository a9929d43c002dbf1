#include "platform/linux/autostart_entry.h"

#include <QDir>
#include <QFile>

#include "platform/linux/autostart_text.h"
#include "platform/linux/posix_file_system.h"
#include "platform/linux/xdg_paths.h"

namespace horavia {
namespace {

constexpr char kFileName[] = "horavia.desktop";

std::string NativePath(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Replaces `target` by a new file holding `content`, written beside it and renamed into place.
bool ReplaceFile(PosixFileSystem& fs, const std::string& target, const std::string& content,
                 std::uint32_t mode) {
    const auto slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : target.substr(0, slash);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp;
    std::string error;
    const SettingsFileSystem::Handle file =
        fs.CreateTemp(folder, name + ".tmp-", mode, temp, error);
    if (file < 0) return false;
    FileStamp written;
    bool ok = fs.Write(file, content, error) && fs.Sync(file, written, error);
    ok = fs.Close(file, error) && ok;
    ok = ok && fs.Rename(temp, target, error);
    if (!ok) fs.Remove(temp);
    return ok;
}

}  // namespace

AutostartEntry::AutostartEntry(QString folder) : folder_(std::move(folder)) {}

QString AutostartEntry::FilePath() const {
    return QDir(folder_).filePath(kFileName);
}

// The entry is read and written through the settings file's operations: a symbolic link of
// another user's in place of the entry or its folder is not followed (see PosixFileSystem).
std::optional<std::string> AutostartEntry::ReadRunText() const {
    PosixFileSystem fs;
    const FileRead read = fs.Read(NativePath(FilePath()));
    if (read.result != FileRead::Result::Read) return std::nullopt;
    return ReadAutostartRunText(read.bytes);
}

bool AutostartEntry::WriteRunText(const std::string& text) {
    PosixFileSystem fs;
    const std::string path = NativePath(FilePath());
    std::string error;  // the entry has no message of its own: a refusal is a failed write
    // Not starting at log-on leaves no entry behind: the desktop's autostart list stays as it
    // was before the program was ever asked to start there.
    if (ProgramOfRunText(text).empty()) {
        const std::optional<FileStamp> before = fs.Stamp(path, error);
        if (!before) return false;
        if (!before->exists) return true;
        fs.Remove(path);
        const std::optional<FileStamp> after = fs.Stamp(path, error);
        return after && !after->exists;
    }
    const FileRead old = fs.Read(path);
    const std::string content = AutostartEntryText(
        text, old.result == FileRead::Result::Read ? std::string_view(old.bytes) : "");
    if (!QDir().mkpath(folder_)) return false;
    const std::optional<std::string> target = fs.ResolveLinks(path, error);
    if (!target) return false;
    return ReplaceFile(fs, *target, content, old.stamp.exists ? old.stamp.mode : 0);
}

QString UserAutostartFolder() {
    return QDir(UserConfigFolder()).filePath("autostart");
}

}  // namespace horavia
