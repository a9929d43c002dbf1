// Whether a file is an ELF shared object that the system's loader can map for this program
// without reading past its end: a truncated copy would be mapped all the same, and the first
// touch of a page beyond the end would kill the program with SIGBUS. Standard C++ only, over
// the file's bytes, so that any input can be tried.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace horavia {

// The kind of object the program itself is: its ELF class, byte order and machine.
struct ElfKind {
    bool is64Bit = true;
    bool littleEndian = true;
    std::uint16_t machine = 0;
};

// Fills out with the size() bytes at offset; false when they are not all there.
using ReadFileBytes = std::function<bool(std::uint64_t offset, std::string& out)>;

// Why a file of fileSize bytes cannot be mapped as a shared object of kind, in the words
// the program tells ("the file is truncated"); nothing when it can. Reads the ELF header, the
// program headers and the first section header through read. Every program header's bytes
// and the section header table must lie within the file.
std::optional<std::string> SharedObjectProblem(std::uint64_t fileSize, const ReadFileBytes& read,
                                               const ElfKind& kind);

// The same over bytes in memory.
std::optional<std::string> SharedObjectProblem(std::string_view file, const ElfKind& kind);

}  // namespace horavia
