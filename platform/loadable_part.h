// A part of the program (a shared library it ships) loaded from one absolute path and from
// nothing else: no other name, no search path, no folder the environment or the system's
// hardware capabilities add. The file is checked before it is mapped, so that a damaged copy
// is refused with a reason instead of crashing the program.
#pragma once

#include <memory>
#include <string>

namespace horavia {

class LoadedPart {
  public:
    virtual ~LoadedPart() = default;  // unloads the part
    // The address of an exported symbol; nullptr, with Problem() saying why, when there is none.
    virtual void* Symbol(const char* name) = 0;
    virtual std::string Problem() const = 0;
};

struct PartLoad {
    std::unique_ptr<LoadedPart> part;
    // Why there is none, in the words the program tells: "the file is missing", "it is a
    // folder", "the file is truncated", or the system loader's own.
    std::string problem;
};

// Loads the file at path, which must be absolute. Implemented once per platform.
PartLoad LoadPart(const std::string& path);

// The reason LoadPart gives for a file that is not there.
inline constexpr const char* kPartMissing = "the file is missing";

}  // namespace horavia
