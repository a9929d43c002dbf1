// The real file operations of the settings file, except that one chosen step fails.
#pragma once

#include <string>

#include "platform/linux/posix_file_system.h"

namespace horavia::testing {

class FailingFileSystem : public PosixFileSystem {
  public:
    std::string failStep;  // "Read", "Stamp", "MakeFolder", "Lock", "CreateTemp", "Write", ...

    FileRead Read(const std::string& path) override {
        if (failStep != "Read") return PosixFileSystem::Read(path);
        FileRead r;
        r.error = "Injected failure";
        return r;
    }
    std::optional<FileStamp> Stamp(const std::string& path, std::string& error) override {
        if (Fails("Stamp", error)) return std::nullopt;
        return PosixFileSystem::Stamp(path, error);
    }
    bool MakeFolder(const std::string& folder, std::string& error) override {
        return !Fails("MakeFolder", error) && PosixFileSystem::MakeFolder(folder, error);
    }
    Handle Lock(const std::string& folder, std::string& error) override {
        return Fails("Lock", error) ? -1 : PosixFileSystem::Lock(folder, error);
    }
    Handle CreateTemp(const std::string& folder, const std::string& prefix, std::uint32_t mode,
                      std::string& path, std::string& error) override {
        if (Fails("CreateTemp", error)) return -1;
        return PosixFileSystem::CreateTemp(folder, prefix, mode, path, error);
    }
    bool Write(Handle file, const std::string& bytes, std::string& error) override {
        if (failStep != "Write") return PosixFileSystem::Write(file, bytes, error);
        // A disk that fills up half way.
        PosixFileSystem::Write(file, bytes.substr(0, bytes.size() / 2), error);
        error = "Injected failure";
        return false;
    }
    bool Sync(Handle file, FileStamp& stamp, std::string& error) override {
        return !Fails("Sync", error) && PosixFileSystem::Sync(file, stamp, error);
    }
    bool Close(Handle file, std::string& error) override {
        const bool closed = PosixFileSystem::Close(file, error);
        return !Fails("Close", error) && closed;
    }
    bool Rename(const std::string& from, const std::string& to, std::string& error) override {
        return !Fails("Rename", error) && PosixFileSystem::Rename(from, to, error);
    }
    bool SyncFolder(const std::string& folder, std::string& error) override {
        // Fails after the rename: the new file is there, only its durability is in doubt.
        return !Fails("SyncFolder", error) && PosixFileSystem::SyncFolder(folder, error);
    }

  private:
    bool Fails(const char* step, std::string& error) {
        if (failStep != step) return false;
        error = "Injected failure";
        return true;
    }
};

}  // namespace horavia::testing
