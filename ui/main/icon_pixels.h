// The compiled-in icons as pixels (generated at build time from resources/icons).
#pragma once

#include <cstdint>
#include <span>

namespace horavia {

struct IconPixels {
    const char* name;  // "horavia", "arrow-up"
    int width;
    int height;
    const std::uint32_t* argb;  // premultiplied, row by row
};

std::span<const IconPixels> CompiledIconPixels();

}  // namespace horavia
