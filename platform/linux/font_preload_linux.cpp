#include <fontconfig/fontconfig.h>

#include <system_error>

#include "platform/font_preload.h"

namespace horavia {

// Loading the configuration is safe on any thread; the toolkit later finds it loaded.
FontConfigurationPreload::FontConfigurationPreload() {
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: the toolkit loads the configuration when it needs it.
    }
}

FontConfigurationPreload::~FontConfigurationPreload() {
    Wait();
}

void FontConfigurationPreload::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace horavia
