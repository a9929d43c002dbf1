// The font configuration (fontconfig's files and caches) loaded on a thread of its own while
// the toolkit connects to the display: the first text a window lays out then finds it ready
// instead of loading it then.
#pragma once

#include <thread>

namespace horavia {

class FontConfigurationPreload {
  public:
    FontConfigurationPreload();
    ~FontConfigurationPreload();
    FontConfigurationPreload(const FontConfigurationPreload&) = delete;
    FontConfigurationPreload& operator=(const FontConfigurationPreload&) = delete;

    // Returns once the configuration is loaded.
    void Wait();

  private:
    std::thread thread_;
};

}  // namespace horavia
