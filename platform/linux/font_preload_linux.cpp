#include <fontconfig/fontconfig.h>

#include "platform/font_preload.h"

namespace horavia {

// Loading the configuration is safe on any thread; the toolkit later finds it loaded.
FontConfigurationPreload::FontConfigurationPreload() : thread_([] { FcInit(); }) {}

FontConfigurationPreload::~FontConfigurationPreload() {
    Wait();
}

void FontConfigurationPreload::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace horavia
