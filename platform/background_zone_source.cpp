#include "platform/background_zone_source.h"

namespace horavia {

BackgroundZoneSource::BackgroundZoneSource(std::function<std::unique_ptr<ZoneSource>()> build)
    : building_(std::async(std::launch::async, std::move(build))) {}

ZoneEntries BackgroundZoneSource::Entries(int year) {
    if (building_.valid()) built_ = building_.get();
    return built_ ? built_->Entries(year) : ZoneEntries{};
}

}  // namespace horavia
