// The settings file's operations on a POSIX system.
//
// A symbolic link in place of the file, or of the folder holding it, is followed only when this
// process's user or root owns it; one of another user's is refused with a reason of its own
// (a program run as root with a user's configuration folder would otherwise replace whatever
// file that user's link names). Every step opens the folder first and works inside it.
#pragma once

#include "platform/settings_file_system.h"

namespace horavia {

class PosixFileSystem : public SettingsFileSystem {
  public:
    // Larger files are refused rather than read into memory.
    static constexpr std::uint64_t kMaxFileSize = 64u << 20;

    FileRead Read(const std::string& path) override;
    std::optional<FileStamp> Stamp(const std::string& path, std::string& error) override;
    std::optional<std::string> ResolveLinks(const std::string& path, std::string& error) override;
    bool MakeFolder(const std::string& folder, std::string& error) override;
    Handle Lock(const std::string& folder, std::string& error) override;
    void Unlock(Handle lock) override;
    Handle CreateTemp(const std::string& folder, const std::string& prefix, std::uint32_t mode,
                      std::string& path, std::string& error) override;
    bool Write(Handle file, const std::string& bytes, std::string& error) override;
    bool Sync(Handle file, FileStamp& stamp, std::string& error) override;
    bool Close(Handle file, std::string& error) override;
    bool Rename(const std::string& from, const std::string& to, std::string& error) override;
    bool SyncFolder(const std::string& folder, std::string& error) override;
    void Remove(const std::string& path) override;
    std::vector<std::string> List(const std::string& folder, const std::string& prefix) override;
};

}  // namespace horavia
