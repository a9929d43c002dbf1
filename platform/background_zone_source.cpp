#include "platform/background_zone_source.h"

#include <system_error>

namespace horavia {

BackgroundZoneSource::BackgroundZoneSource(std::function<std::unique_ptr<ZoneSource>()> build) {
    try {
        building_ = std::async(std::launch::async, build);
    } catch (const std::system_error&) {
        built_ = build();  // no thread to be had: built here, as it would have been anyway
    }
}

ZoneEntries BackgroundZoneSource::Entries(int year) {
    if (building_.valid()) built_ = building_.get();
    return built_ ? built_->Entries(year) : ZoneEntries{};
}

}  // namespace horavia
