// The file operations the settings file needs, one call per step of a save, so that tests can
// make any single step fail. Errors come back as the system's own words ("Permission denied").
// Standard C++; the implementation for each platform lives beside it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace horavia {

// What identifies one version of a file on disk; a change means someone wrote it.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint32_t mode = 0;  // permission bits, kept when the file is replaced
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct FileRead {
    enum class Result { Read, Absent, Failed };
    Result result = Result::Failed;
    std::string bytes;
    FileStamp stamp;
    std::string error;
};

class SettingsFileSystem {
  public:
    using Handle = std::intptr_t;  // an open file or lock; -1 for none

    virtual ~SettingsFileSystem() = default;

    // The whole file. Absent when it does not exist (nor its folder); Failed for anything that
    // is there but cannot be read as a file (a folder, no permission, a device, a symbolic
    // link the platform does not follow...).
    virtual FileRead Read(const std::string& path) = 0;
    // The stamp of the file now (exists false when absent); empty and `error` set on failure.
    virtual std::optional<FileStamp> Stamp(const std::string& path, std::string& error) = 0;
    // The file a save replaces: a symbolic link's target, else the path itself; empty and
    // `error` set when a link on the way is one the platform does not follow.
    virtual std::optional<std::string> ResolveLinks(const std::string& path,
                                                    std::string& error) = 0;

    virtual bool MakeFolder(const std::string& folder, std::string& error) = 0;
    // Excludes other processes saving into the same folder; released by Unlock or when the
    // process ends, so a lock left by a crashed run never blocks.
    virtual Handle Lock(const std::string& folder, std::string& error) = 0;
    virtual void Unlock(Handle lock) = 0;

    // A new, empty, uniquely named file in the folder, whose name starts with `prefix`.
    virtual Handle CreateTemp(const std::string& folder, const std::string& prefix,
                              std::uint32_t mode, std::string& path, std::string& error) = 0;
    virtual bool Write(Handle file, const std::string& bytes, std::string& error) = 0;
    // Flushes the file to the disk and returns its stamp.
    virtual bool Sync(Handle file, FileStamp& stamp, std::string& error) = 0;
    virtual bool Close(Handle file, std::string& error) = 0;
    // Replaces `to` by `from` in one step.
    virtual bool Rename(const std::string& from, const std::string& to, std::string& error) = 0;
    // Makes the folder's entries (the rename) durable.
    virtual bool SyncFolder(const std::string& folder, std::string& error) = 0;

    virtual void Remove(const std::string& path) = 0;
    // The names of the folder's entries that start with `prefix`.
    virtual std::vector<std::string> List(const std::string& folder, const std::string& prefix) = 0;
};

// The operations of the platform the program is built for.
std::unique_ptr<SettingsFileSystem> MakePlatformFileSystem();

}  // namespace horavia
