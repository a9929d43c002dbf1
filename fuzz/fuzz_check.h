// How a fuzz target says that something that must hold does not: it stops at once, so that
// libFuzzer keeps the input as a crash.
#pragma once

namespace horavia {

[[noreturn]] inline void Fail() {
    __builtin_trap();
}

inline void Check(bool condition) {
    if (!condition) Fail();
}

}  // namespace horavia
