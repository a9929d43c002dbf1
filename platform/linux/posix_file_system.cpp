#include "platform/linux/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <optional>
#include <random>
#include <thread>
#include <utility>

namespace horavia {

namespace {

std::string ErrorText(int error) {
    return std::strerror(error);
}

// A reason of this program's own, in the user's language; the system's texts come as they are.
std::string Reason(const char* text) {
    return QCoreApplication::translate("PosixFileSystem", text).toStdString();
}

FileStamp StampOf(const struct stat& st) {
    FileStamp s;
    s.exists = true;
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.mode = static_cast<std::uint32_t>(st.st_mode & 07777);
    return s;
}

int Fd(SettingsFileSystem::Handle handle) {
    return static_cast<int>(handle);
}

// How long a save waits for another process's save in the same folder.
constexpr auto kLockWait = std::chrono::seconds(2);

// As many links as the kernel follows in one lookup.
constexpr int kMaxLinks = 40;

// Closes a descriptor on every way out, keeping errno for the caller.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ < 0) return;
        const int saved = errno;
        ::close(fd_);
        errno = saved;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

struct PathParts {
    std::string folder;
    std::string name;
};

PathParts Split(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// Symbolic links are followed only when this process's own user or root made them: a link that
// another user owns could lead a save (by root, say) to a file that user may not write.
bool TrustedOwner(uid_t owner) {
    return owner == ::geteuid() || owner == 0;
}

// Where a refused link stands: in place of the file, or of a folder on the way to it.
enum class Place { File, Folder };

std::string LinkRefusal(Place place, uid_t owner) {
    //: Why the settings file is not read or saved; %1 is the number of the link's owner.
    const char* file = QT_TRANSLATE_NOOP("PosixFileSystem",
                                         "it is a symbolic link owned by another user (uid %1)");
    //: Why the settings file is not read or saved; %1 is the number of the link's owner.
    const char* folder = QT_TRANSLATE_NOOP(
        "PosixFileSystem", "its folder is a symbolic link owned by another user (uid %1)");
    return QCoreApplication::translate("PosixFileSystem", place == Place::File ? file : folder)
        .arg(static_cast<qulonglong>(owner))
        .toStdString();
}

// The text of a link (`link` is a descriptor of the link itself, so its owner and its text are
// those of one and the same link); empty with `refusal` set when its owner is not trusted.
std::optional<std::string> TrustedLinkText(int link, const struct stat& st, Place place,
                                           std::string& refusal) {
    if (!TrustedOwner(st.st_uid)) {
        refusal = LinkRefusal(place, st.st_uid);
        return std::nullopt;
    }
    char text[PATH_MAX];
    const ssize_t n = ::readlinkat(link, "", text, sizeof text);
    if (n <= 0 || static_cast<std::size_t>(n) == sizeof text) {
        if (n >= 0) errno = ENAMETOOLONG;
        return std::nullopt;
    }
    return std::string(text, static_cast<std::size_t>(n));
}

// Where a link's text leads, for a link reached by `path`: relative texts start in its folder.
std::string LinkTarget(const std::string& path, const std::string& text) {
    if (text.front() == '/') return text;
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? text : path.substr(0, slash + 1) + text;
}

int OpenChecked(int at, const std::string& path, int flags, Place place, std::string& refusal,
                int links = 0);

// Opens `path` (relative to the folder `at`) as openat() does, except that a symbolic link in
// its last place is followed only when its owner is trusted, and its target is opened the same
// way. -1 with errno set, and with `refusal` set for a link that is not followed.
int OpenEntry(int at, const std::string& path, int flags, Place place, std::string& refusal,
              int links) {
    // Most entries are no links and open at once. A link in the last place makes the open fail
    // (ELOOP; ENOTDIR for a folder); only then is the link itself opened and looked at.
    const int fd = ::openat(at, path.c_str(), flags | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && (flags & O_PATH) == 0) return fd;
    const int openError = errno;
    if (fd < 0 && openError != ELOOP && openError != ENOTDIR) return -1;
    Descriptor entry(fd >= 0 ? fd : ::openat(at, path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (entry.Get() < 0 || ::fstat(entry.Get(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        if (fd >= 0) return entry.Release();  // asked for O_PATH, and what is there is no link
        errno = openError;
        return -1;
    }
    if (links >= kMaxLinks) {
        errno = ELOOP;
        return -1;
    }
    const std::optional<std::string> text = TrustedLinkText(entry.Get(), st, place, refusal);
    if (!text) return -1;
    return OpenChecked(at, LinkTarget(path, *text), flags, place, refusal, links + 1);
}

// Opens `path` with the last place of its folder and its own last place checked as OpenEntry
// does; the entry is opened inside the folder that was checked.
int OpenChecked(int at, const std::string& path, int flags, Place place, std::string& refusal,
                int links) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos || slash + 1 == path.size()) {
        return OpenEntry(at, path, flags, place, refusal, links);
    }
    const PathParts parts = Split(path);
    const Descriptor folder(
        OpenEntry(at, parts.folder, O_PATH | O_DIRECTORY, Place::Folder, refusal, links));
    if (folder.Get() < 0) return -1;
    return OpenEntry(folder.Get(), parts.name, flags, place, refusal, links);
}

// A folder opened as OpenChecked does; -1 with `error` set.
int OpenFolder(const std::string& folder, int flags, std::string& error) {
    std::string refusal;
    const int fd = OpenChecked(AT_FDCWD, folder, flags | O_DIRECTORY, Place::Folder, refusal);
    if (fd < 0) error = refusal.empty() ? ErrorText(errno) : refusal;
    return fd;
}

}  // namespace

FileRead PosixFileSystem::Read(const std::string& path) {
    FileRead result;
    // Non-blocking, so that a named pipe in place of the file cannot hang the program.
    std::string refusal;
    const int fd =
        OpenChecked(AT_FDCWD, path, O_RDONLY | O_NOCTTY | O_NONBLOCK, Place::File, refusal);
    if (fd < 0) {
        if (!refusal.empty()) {
            result.error = refusal;
        } else if (errno == ENOENT || errno == ENOTDIR) {
            result.result = FileRead::Result::Absent;
        } else {
            result.error = ErrorText(errno);
        }
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = ErrorText(errno);
    } else if (S_ISDIR(st.st_mode)) {
        result.error = Reason(QT_TRANSLATE_NOOP("PosixFileSystem", "it is a folder, not a file"));
    } else if (!S_ISREG(st.st_mode)) {
        result.error = Reason(QT_TRANSLATE_NOOP("PosixFileSystem", "it is not a regular file"));
    } else if (static_cast<std::uint64_t>(st.st_size) > kMaxFileSize) {
        result.error =
            Reason(QT_TRANSLATE_NOOP("PosixFileSystem", "the file is larger than 64 MiB"));
    } else {
        result.stamp = StampOf(st);
        result.bytes.reserve(static_cast<std::size_t>(st.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                result.bytes.append(buffer, static_cast<std::size_t>(n));
                if (result.bytes.size() > kMaxFileSize) {
                    result.error = Reason(
                        QT_TRANSLATE_NOOP("PosixFileSystem", "the file is larger than 64 MiB"));
                    break;
                }
            } else if (n == 0) {
                result.result = FileRead::Result::Read;
                break;
            } else if (errno != EINTR) {
                result.error = ErrorText(errno);
                break;
            }
        }
    }
    ::close(fd);
    if (result.result != FileRead::Result::Read) result.bytes.clear();
    return result;
}

std::optional<FileStamp> PosixFileSystem::Stamp(const std::string& path, std::string& error) {
    std::string refusal;
    const Descriptor file(OpenChecked(AT_FDCWD, path, O_PATH, Place::File, refusal));
    struct stat st {};
    if (file.Get() >= 0 && ::fstat(file.Get(), &st) == 0) return StampOf(st);
    if (!refusal.empty()) {
        error = refusal;
        return std::nullopt;
    }
    if (errno == ENOENT || errno == ENOTDIR) return FileStamp{};
    error = ErrorText(errno);
    return std::nullopt;
}

std::optional<std::string> PosixFileSystem::ResolveLinks(const std::string& path,
                                                         std::string& error) {
    std::string current = path;
    for (int links = 0; links < kMaxLinks; ++links) {
        const PathParts parts = Split(current);
        std::string refusal;
        const Descriptor folder(
            OpenEntry(AT_FDCWD, parts.folder, O_PATH | O_DIRECTORY, Place::Folder, refusal, 0));
        const Descriptor entry(folder.Get() < 0 ? -1
                                                : ::openat(folder.Get(), parts.name.c_str(),
                                                           O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        std::optional<std::string> text;
        if (entry.Get() >= 0 && ::fstat(entry.Get(), &st) == 0 && S_ISLNK(st.st_mode)) {
            text = TrustedLinkText(entry.Get(), st, Place::File, refusal);
        }
        if (!refusal.empty()) {
            error = refusal;
            return std::nullopt;
        }
        // No link (or a folder not there yet, which the save makes): this is the file.
        if (!text) return current;
        current = LinkTarget(current, *text);
    }
    return current;
}

bool PosixFileSystem::MakeFolder(const std::string& folder, std::string& error) {
    for (std::size_t end = 1; end <= folder.size(); ++end) {
        if (end != folder.size() && folder[end] != '/') continue;
        const std::string part = folder.substr(0, end);
        if (::mkdir(part.c_str(), 0700) == 0 || errno == EEXIST) {
            struct stat st {};
            if (::stat(part.c_str(), &st) != 0) {
                error = part + ": " + ErrorText(errno);
                return false;
            }
            if (!S_ISDIR(st.st_mode)) {
                //: %1 is a folder's path.
                error = QCoreApplication::translate("PosixFileSystem", "%1 is not a folder")
                            .arg(QString::fromStdString(part))
                            .toStdString();
                return false;
            }
            continue;
        }
        error = part + ": " + ErrorText(errno);
        return false;
    }
    return true;
}

SettingsFileSystem::Handle PosixFileSystem::Lock(const std::string& folder, std::string& error) {
    // The folder itself is locked: no lock file that a crash could leave behind, and the lock
    // ends with the process that holds it.
    const int fd = OpenFolder(folder, O_RDONLY, error);
    if (fd < 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) return fd;  // no locks here (some network folders): go on
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            error = Reason(
                QT_TRANSLATE_NOOP("PosixFileSystem", "another program keeps the folder locked"));
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

void PosixFileSystem::Unlock(Handle lock) {
    if (lock >= 0) ::close(Fd(lock));  // closing releases the lock
}

SettingsFileSystem::Handle PosixFileSystem::CreateTemp(const std::string& folder,
                                                       const std::string& prefix,
                                                       std::uint32_t mode, std::string& path,
                                                       std::string& error) {
    static std::mt19937_64 random{std::random_device{}()};
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const Descriptor dir(OpenFolder(folder, O_PATH, error));
    if (dir.Get() < 0) return -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 8; ++i) name += letters[random() % (sizeof letters - 1)];
        path = folder + '/' + name;
        const int fd = ::openat(dir.Get(), name.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            error = ErrorText(errno);
            return -1;
        }
        // The new file keeps the old one's permissions.
        if (mode != 0 && ::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
            error = ErrorText(errno);
            ::close(fd);
            ::unlinkat(dir.Get(), name.c_str(), 0);
            return -1;
        }
        return fd;
    }
    error = Reason(QT_TRANSLATE_NOOP("PosixFileSystem", "no free name for a temporary file"));
    return -1;
}

bool PosixFileSystem::Write(Handle file, const std::string& bytes, std::string& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(Fd(file), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = ErrorText(errno);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool PosixFileSystem::Sync(Handle file, FileStamp& stamp, std::string& error) {
    struct stat st {};
    if (::fsync(Fd(file)) != 0 || ::fstat(Fd(file), &st) != 0) {
        error = ErrorText(errno);
        return false;
    }
    stamp = StampOf(st);
    return true;
}

bool PosixFileSystem::Close(Handle file, std::string& error) {
    if (::close(Fd(file)) != 0 && errno != EINTR) {
        error = ErrorText(errno);
        return false;
    }
    return true;
}

bool PosixFileSystem::Rename(const std::string& from, const std::string& to, std::string& error) {
    const PathParts source = Split(from);
    const PathParts target = Split(to);
    const Descriptor sourceDir(OpenFolder(source.folder, O_PATH, error));
    if (sourceDir.Get() < 0) return false;
    const Descriptor targetDir(OpenFolder(target.folder, O_PATH, error));
    if (targetDir.Get() < 0) return false;
    if (::renameat(sourceDir.Get(), source.name.c_str(), targetDir.Get(), target.name.c_str()) ==
        0) {
        return true;
    }
    error = ErrorText(errno);
    return false;
}

bool PosixFileSystem::SyncFolder(const std::string& folder, std::string& error) {
    const int fd = OpenFolder(folder, O_RDONLY, error);
    if (fd < 0) return false;
    // Some file systems cannot flush a folder (EINVAL); their renames are as durable as can be.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    if (!ok) error = ErrorText(errno);
    ::close(fd);
    return ok;
}

void PosixFileSystem::Remove(const std::string& path) {
    const PathParts parts = Split(path);
    std::string error;
    const Descriptor dir(OpenFolder(parts.folder, O_PATH, error));
    if (dir.Get() >= 0) ::unlinkat(dir.Get(), parts.name.c_str(), 0);
}

std::vector<std::string> PosixFileSystem::List(const std::string& folder,
                                               const std::string& prefix) {
    std::vector<std::string> names;
    std::string error;
    Descriptor fd(OpenFolder(folder, O_RDONLY, error));
    if (fd.Get() < 0) return names;
    DIR* dir = ::fdopendir(fd.Get());
    if (dir == nullptr) return names;
    fd.Release();  // closed with the listing
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) == 0) names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

std::unique_ptr<SettingsFileSystem> MakePlatformFileSystem() {
    return std::make_unique<PosixFileSystem>();
}

}  // namespace horavia
