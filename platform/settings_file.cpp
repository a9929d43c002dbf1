#include "platform/settings_file.h"

#include <QCoreApplication>

#include "model/text_helpers.h"

namespace horavia {

namespace {

// Why a save failed, in the user's language; `text` is marked for the "SettingsFile" context
// and its %1 is the system's own error text.
std::string Reason(const char* text) {
    return QCoreApplication::translate("SettingsFile", text).toStdString();
}

std::string Reason(const char* text, const std::string& error) {
    return QCoreApplication::translate("SettingsFile", text)
        .arg(QString::fromStdString(error))
        .toStdString();
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Releases the folder lock on every way out of a save.
class LockGuard {
  public:
    LockGuard(SettingsFileSystem& fs, SettingsFileSystem::Handle lock) : fs_(fs), lock_(lock) {}
    ~LockGuard() { fs_.Unlock(lock_); }
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

  private:
    SettingsFileSystem& fs_;
    SettingsFileSystem::Handle lock_;
};

}  // namespace

SettingsFile::SettingsFile(SettingsFileSystem& fs, std::string path)
    : fs_(fs), path_(std::move(path)) {}

std::string SettingsFile::Id(std::string_view section, std::string_view key) {
    return ToLowerAscii(std::string(section)) + '\n' + ToLowerAscii(std::string(key));
}

void SettingsFile::EnsureLoaded() {
    if (loaded_) return;
    loaded_ = true;
    FileRead read = fs_.Read(path_);
    switch (read.result) {
        case FileRead::Result::Read:
            doc_ = IniDocument(read.bytes);
            stamp_ = read.stamp;
            break;
        case FileRead::Result::Absent:
            break;  // a first start
        case FileRead::Result::Failed:
            readFailed_ = true;
            Fail(SettingsProblem::Kind::Read, read.error);
            break;
    }
}

std::optional<std::string> SettingsFile::Get(std::string_view section, std::string_view key) {
    EnsureLoaded();
    std::optional<std::string> value = doc_.Get(section, key);
    known_[Id(section, key)] = value;
    return value;
}

void SettingsFile::Set(std::string_view section, std::string_view key, std::string_view text) {
    EnsureLoaded();
    const std::string id = Id(section, key);
    const auto known = known_.find(id);
    const std::optional<std::string> believed =
        known != known_.end() ? known->second : doc_.Get(section, key);
    if (believed == text) return;               // no change: a value edited on disk stays as it is
    if (!doc_.Set(section, key, text)) return;  // a name no INI line can hold
    known_[id] = std::string(text);
    Change change{std::string(section), std::string(key), std::string(text)};
    if (const auto it = pendingIndex_.find(id); it != pendingIndex_.end()) {
        pending_[it->second] = std::move(change);
    } else {
        pendingIndex_.emplace(id, pending_.size());
        pending_.push_back(std::move(change));
    }
}

bool SettingsFile::ReadIfChanged(std::string& error) {
    const std::optional<FileStamp> now = fs_.Stamp(path_, error);
    if (!now) return false;
    if (*now == stamp_) return true;
    FileRead read = fs_.Read(path_);
    if (read.result == FileRead::Result::Failed) {
        error = read.error;
        return false;
    }
    // What is on disk now, with this program's unwritten changes on top.
    doc_ = IniDocument(read.bytes);
    stamp_ = read.result == FileRead::Result::Read ? read.stamp : FileStamp{};
    for (const Change& c : pending_) doc_.Set(c.section, c.key, c.text);
    return true;
}

void SettingsFile::Refresh() {
    if (!loaded_) {
        EnsureLoaded();
        return;
    }
    if (readFailed_) return;
    std::string ignored;  // a file that cannot be read now is reported by the next write
    ReadIfChanged(ignored);
}

bool SettingsFile::Flush() {
    EnsureLoaded();
    if (readFailed_) return false;
    if (pending_.empty()) return true;
    std::string error;
    const std::optional<std::string> resolved = fs_.ResolveLinks(path_, error);
    if (!resolved) return Fail(SettingsProblem::Kind::Write, error);
    const std::string& target = *resolved;
    const std::string folder = FolderOf(target);
    if (!fs_.MakeFolder(folder, error)) {
        return Fail(SettingsProblem::Kind::Write,
                    Reason(QT_TRANSLATE_NOOP("SettingsFile", "creating its folder: %1"), error));
    }
    const SettingsFileSystem::Handle lock = fs_.Lock(folder, error);
    if (lock < 0) {
        return Fail(SettingsProblem::Kind::Write,
                    Reason(QT_TRANSLATE_NOOP("SettingsFile", "locking its folder: %1"), error));
    }
    LockGuard unlock(fs_, lock);
    if (!ReadIfChanged(error)) {
        return Fail(
            SettingsProblem::Kind::Write,
            Reason(QT_TRANSLATE_NOOP("SettingsFile", "reading it again before saving: %1"), error));
    }
    // Replacing the file would succeed in a writable folder; a file made read-only says
    // its owner wants it kept as it is.
    if (stamp_.exists && (stamp_.mode & 0222u) == 0) {
        return Fail(SettingsProblem::Kind::Write,
                    Reason(QT_TRANSLATE_NOOP("SettingsFile", "the file is read-only")));
    }
    if (!WriteDocument(target, error)) return Fail(SettingsProblem::Kind::Write, error);
    pending_.clear();
    pendingIndex_.clear();
    problem_.reset();
    problemReported_ = false;
    ++writes_;
    return true;
}

bool SettingsFile::WriteDocument(const std::string& target, std::string& error) {
    const std::string folder = FolderOf(target);
    const std::string prefix = NameOf(target) + ".tmp-";
    // Under the lock no other save is under way: such files were left by a run that ended
    // in the middle of a save.
    for (const std::string& name : fs_.List(folder, prefix)) fs_.Remove(folder + '/' + name);

    std::string temp;
    const SettingsFileSystem::Handle file =
        fs_.CreateTemp(folder, prefix, stamp_.exists ? stamp_.mode : 0, temp, error);
    if (file < 0) {
        error = Reason(QT_TRANSLATE_NOOP("SettingsFile", "creating a temporary file: %1"), error);
        return false;
    }
    const std::string bytes = doc_.Serialize();
    FileStamp written;
    const char* step = QT_TRANSLATE_NOOP("SettingsFile", "writing: %1");
    bool ok = fs_.Write(file, bytes, error);
    if (ok) {
        step = QT_TRANSLATE_NOOP("SettingsFile", "flushing it to disk: %1");
        ok = fs_.Sync(file, written, error);
    }
    std::string closeError;
    if (!fs_.Close(file, closeError) && ok) {
        step = QT_TRANSLATE_NOOP("SettingsFile", "closing it: %1");
        error = closeError;
        ok = false;
    }
    if (ok) {
        step = QT_TRANSLATE_NOOP("SettingsFile", "replacing the old file: %1");
        ok = fs_.Rename(temp, target, error);
    }
    if (!ok) {
        fs_.Remove(temp);
        error = Reason(step, error);
        return false;
    }
    stamp_ = written;
    if (!fs_.SyncFolder(folder, error)) {
        // The new file is in place; only its durability is in doubt. Written again next time.
        stamp_ = FileStamp{};
        error = Reason(QT_TRANSLATE_NOOP("SettingsFile", "flushing its folder to disk: %1"), error);
        return false;
    }
    return true;
}

bool SettingsFile::Fail(SettingsProblem::Kind kind, const std::string& reason) {
    problem_ = SettingsProblem{kind, path_, reason};
    return false;
}

std::optional<SettingsProblem> SettingsFile::TakeNewProblem() {
    if (!problem_ || problemReported_) return std::nullopt;
    problemReported_ = true;
    return problem_;
}

}  // namespace horavia
