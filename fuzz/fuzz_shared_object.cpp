// Fuzzes the check a file passes before the dynamic loader maps it as the time queries' part:
// any bytes give an answer, the check never asks for bytes beyond the file's end, and a file
// it accepts stays accepted with bytes appended (only a cut may make it truncated).
//
// Input: byte 0 picks the kind of program (bit 0: 64-bit, bit 1: little-endian); the rest is
// the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/shared_object_check.h"

namespace {

using namespace horavia;

std::optional<std::string> Problem(std::string_view file, const ElfKind& kind) {
    return SharedObjectProblem(
        file.size(),
        [file](std::uint64_t offset, std::string& out) {
            Check(offset <= file.size() && out.size() <= file.size() - offset);
            out.assign(file.substr(offset, out.size()));
            return true;
        },
        kind);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const ElfKind kind{(data[0] & 1) != 0, (data[0] & 2) != 0, 62};
    const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto problem = Problem(file, kind);
    Check(!problem || !problem->empty());
    Check(problem == SharedObjectProblem(file, kind));
    if (!problem) Check(!Problem(std::string(file) + std::string(64, '\0'), kind));
    return 0;
}
