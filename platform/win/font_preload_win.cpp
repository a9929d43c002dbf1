#include "platform/font_preload.h"

namespace horavia {

// Windows has its fonts ready: nothing to load.
FontConfigurationPreload::FontConfigurationPreload() = default;

FontConfigurationPreload::~FontConfigurationPreload() = default;

void FontConfigurationPreload::Wait() {}

}  // namespace horavia
