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
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>

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

}  // namespace

FileRead PosixFileSystem::Read(const std::string& path) {
    FileRead result;
    // Non-blocking, so that a named pipe in place of the file cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
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
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return StampOf(st);
    if (errno == ENOENT || errno == ENOTDIR) return FileStamp{};
    error = ErrorText(errno);
    return std::nullopt;
}

std::string PosixFileSystem::ResolveLinks(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        std::string resolved(real);
        std::free(real);
        return resolved;
    }
    // A link to a file not yet there: the file named by the link.
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
    if (n <= 0) return path;
    std::string link(target, static_cast<std::size_t>(n));
    if (link.front() == '/') return link;
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? link : path.substr(0, slash + 1) + link;
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
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = ErrorText(errno);
        return -1;
    }
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
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = prefix;
        for (int i = 0; i < 8; ++i) name += letters[random() % (sizeof letters - 1)];
        path = folder + '/' + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            error = ErrorText(errno);
            return -1;
        }
        // The new file keeps the old one's permissions.
        if (mode != 0 && ::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
            error = ErrorText(errno);
            ::close(fd);
            ::unlink(path.c_str());
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
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    error = ErrorText(errno);
    return false;
}

bool PosixFileSystem::SyncFolder(const std::string& folder, std::string& error) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = ErrorText(errno);
        return false;
    }
    // Some file systems cannot flush a folder (EINVAL); their renames are as durable as can be.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    if (!ok) error = ErrorText(errno);
    ::close(fd);
    return ok;
}

void PosixFileSystem::Remove(const std::string& path) {
    ::unlink(path.c_str());
}

std::vector<std::string> PosixFileSystem::List(const std::string& folder,
                                               const std::string& prefix) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return names;
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
