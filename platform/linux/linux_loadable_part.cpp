// The part is checked through one descriptor and then handed to the dynamic loader by its
// absolute path, which the loader opens as it is: a name with a slash is never searched for.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <system_error>

#include "platform/loadable_part.h"
#include "platform/shared_object_check.h"

namespace horavia {

namespace {

class DlPart : public LoadedPart {
  public:
    explicit DlPart(void* handle) : handle_(handle) {}
    ~DlPart() override { dlclose(handle_); }
    void* Symbol(const char* name) override {
        dlerror();
        void* symbol = dlsym(handle_, name);
        const char* error = dlerror();
        problem_ = error != nullptr ? error : "";
        return error != nullptr ? nullptr : symbol;
    }
    std::string Problem() const override { return problem_; }

  private:
    void* handle_;
    std::string problem_;
};

// The kind of object this code is part of: its machine read from its own ELF header as
// mapped (none, and so every part refused, should that fail).
ElfKind ThisProgramsKind() {
    ElfKind kind;
    kind.is64Bit = sizeof(void*) == 8;
    kind.littleEndian = std::endian::native == std::endian::little;
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ThisProgramsKind), &info) == 0 ||
        info.dli_fbase == nullptr) {
        return kind;
    }
    const auto* machine = static_cast<const unsigned char*>(info.dli_fbase) + 18;
    kind.machine = static_cast<std::uint16_t>(kind.littleEndian ? machine[0] | (machine[1] << 8)
                                                                : (machine[0] << 8) | machine[1]);
    return kind;
}

std::string SystemText(int error) {
    return std::generic_category().message(error);
}

// Why the file at path cannot be loaded, or nothing. Opened once, without blocking on
// anything that is not a file, and checked through that descriptor.
std::optional<std::string> FileProblem(const std::string& path) {
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (file < 0) {
        return errno == ENOENT || errno == ENOTDIR ? std::string(kPartMissing) : SystemText(errno);
    }
    struct stat status {};
    std::optional<std::string> problem;
    if (fstat(file, &status) != 0) {
        problem = SystemText(errno);
    } else if (S_ISDIR(status.st_mode)) {
        problem = "it is a folder";
    } else if (!S_ISREG(status.st_mode)) {
        problem = "it is not a regular file";
    } else {
        problem = SharedObjectProblem(
            static_cast<std::uint64_t>(status.st_size),
            [file](std::uint64_t offset, std::string& out) {
                std::size_t done = 0;
                while (done < out.size()) {
                    const ssize_t count = pread(file, out.data() + done, out.size() - done,
                                                static_cast<off_t>(offset + done));
                    if (count < 0 && errno == EINTR) continue;
                    if (count <= 0) return false;
                    done += static_cast<std::size_t>(count);
                }
                return true;
            },
            ThisProgramsKind());
    }
    close(file);
    return problem;
}

}  // namespace

PartLoad LoadPart(const std::string& path) {
    if (path.empty() || path.front() != '/') return {nullptr, "its path is not absolute"};
    if (const auto problem = FileProblem(path)) return {nullptr, *problem};
    dlerror();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* error = dlerror();
        return {nullptr, error != nullptr ? error : "the system could not load it"};
    }
    return {std::make_unique<DlPart>(handle), {}};
}

}  // namespace horavia
