#include "platform/shared_object_check.h"

#include <vector>

namespace horavia {

namespace {

constexpr std::uint16_t kSharedObjectType = 3;    // ET_DYN
constexpr std::uint16_t kExtendedCount = 0xFFFF;  // PN_XNUM: the count is elsewhere

const std::string kTruncated = "the file is truncated";
const std::string kNotShared = "it is not a shared library";
const std::string kOtherComputer = "it is built for another kind of computer";
const std::string kDamaged = "the file is damaged";

// Where the fields of one ELF class lie: offsets into the file header, the program header
// and the section header, and the sizes of those headers.
struct Layout {
    std::size_t headerSize, wordSize;
    std::size_t phoff, shoff, phentsize, phnum, shentsize, shnum;
    std::size_t programHeaderSize, pOffset, pFilesz;
    std::size_t sectionHeaderSize, shSize;
};
constexpr Layout kElf32{52, 4, 28, 32, 42, 44, 46, 48, 32, 4, 16, 40, 20};
constexpr Layout kElf64{64, 8, 32, 40, 54, 56, 58, 60, 56, 8, 32, 64, 32};

// An unsigned number of size bytes at at, in the file's byte order.
std::uint64_t Number(std::string_view bytes, std::size_t at, std::size_t size, bool little) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + (little ? size - 1 - i : i)]);
        value = (value << 8) | byte;
    }
    return value;
}

// True when count entries of entrySize bytes from offset on lie within fileSize.
bool Within(std::uint64_t offset, std::uint64_t count, std::uint64_t entrySize,
            std::uint64_t fileSize) {
    if (offset > fileSize) return false;
    return count == 0 || (fileSize - offset) / count >= entrySize;
}

}  // namespace

std::optional<std::string> SharedObjectProblem(std::uint64_t fileSize, const ReadFileBytes& read,
                                               const ElfKind& kind) {
    if (fileSize == 0) return "the file is empty";
    std::string ident(16, '\0');
    if (fileSize < ident.size() || !read(0, ident)) return kTruncated;
    if (ident.compare(0, 4,
                      "\x7f"
                      "ELF") != 0)
        return kNotShared;
    const char elfClass = ident[4];
    const char data = ident[5];
    if (elfClass != 1 && elfClass != 2) return kDamaged;
    if (data != 1 && data != 2) return kDamaged;
    if ((elfClass == 2) != kind.is64Bit || (data == 1) != kind.littleEndian) {
        return kOtherComputer;
    }
    const Layout& layout = kind.is64Bit ? kElf64 : kElf32;
    const bool little = kind.littleEndian;
    std::string header(layout.headerSize, '\0');
    if (fileSize < header.size() || !read(0, header)) return kTruncated;
    const auto field = [&](std::size_t at, std::size_t size) {
        return Number(header, at, size, little);
    };
    if (field(16, 2) != kSharedObjectType) return kNotShared;
    if (field(18, 2) != kind.machine) return kOtherComputer;

    // Every program header's bytes are mapped: all of them must be in the file.
    const std::uint64_t phoff = field(layout.phoff, layout.wordSize);
    const std::uint64_t phnum = field(layout.phnum, 2);
    if (phnum == 0 || phnum == kExtendedCount) return kNotShared;
    if (field(layout.phentsize, 2) != layout.programHeaderSize) return kDamaged;
    if (!Within(phoff, phnum, layout.programHeaderSize, fileSize)) return kTruncated;
    std::string programHeaders(static_cast<std::size_t>(phnum) * layout.programHeaderSize, '\0');
    if (!read(phoff, programHeaders)) return kTruncated;
    for (std::uint64_t i = 0; i < phnum; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) * layout.programHeaderSize;
        const std::uint64_t offset =
            Number(programHeaders, at + layout.pOffset, layout.wordSize, little);
        const std::uint64_t size =
            Number(programHeaders, at + layout.pFilesz, layout.wordSize, little);
        if (offset > fileSize || size > fileSize - offset) return kTruncated;
    }

    // The section header table, which tools read, ends the file: a cut shows there first.
    const std::uint64_t shoff = field(layout.shoff, layout.wordSize);
    std::uint64_t shnum = field(layout.shnum, 2);
    if (shoff == 0) return std::nullopt;  // none
    if (field(layout.shentsize, 2) != layout.sectionHeaderSize) return kDamaged;
    if (!Within(shoff, 1, layout.sectionHeaderSize, fileSize)) return kTruncated;
    if (shnum == 0) {
        // Too many sections for the header's field: the first section header holds the count.
        std::string first(layout.sectionHeaderSize, '\0');
        if (!read(shoff, first)) return kTruncated;
        shnum = Number(first, layout.shSize, layout.wordSize, little);
    }
    if (!Within(shoff, shnum, layout.sectionHeaderSize, fileSize)) return kTruncated;
    return std::nullopt;
}

std::optional<std::string> SharedObjectProblem(std::string_view file, const ElfKind& kind) {
    return SharedObjectProblem(
        file.size(),
        [file](std::uint64_t offset, std::string& out) {
            if (offset > file.size() || out.size() > file.size() - offset) return false;
            out.assign(file.substr(offset, out.size()));
            return true;
        },
        kind);
}

}  // namespace horavia
