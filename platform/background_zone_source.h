// A zone source built on a thread of its own, so that reading the zone files overlaps other
// work (at start, the toolkit connecting to the display); the first to ask for the entries
// waits for it.
#pragma once

#include <functional>
#include <future>
#include <memory>

#include "model/zone_source.h"

namespace horavia {

class BackgroundZoneSource final : public ZoneSource {
  public:
    // `build` runs on the new thread: it must not touch the toolkit.
    explicit BackgroundZoneSource(std::function<std::unique_ptr<ZoneSource>()> build);

    ZoneEntries Entries(int year) override;

  private:
    std::future<std::unique_ptr<ZoneSource>> building_;
    std::unique_ptr<ZoneSource> built_;
};

}  // namespace horavia
