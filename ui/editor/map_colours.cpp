#include "ui/editor/map_colours.h"

namespace horavia {

QRgb MapAreaColour(int k, const std::array<std::int32_t, kMapIndexCount>& mapIndexKind,
                   std::int32_t mapId1, std::int32_t mapId2) {
    if (k == mapId1) return kSelectedMainArea;
    if (k == mapId2) return kSelectedSeaArea;
    if (k >= 0 && static_cast<std::size_t>(k) < mapIndexKind.size() &&
        mapIndexKind[static_cast<std::size_t>(k)] == 1) {
        return kOtherMainArea;
    }
    return kOtherArea;
}

QVector<QRgb> MapColourTable(const ZoneCatalogue& catalogue, int zone) {
    std::int32_t mapId1 = -1;
    std::int32_t mapId2 = -1;
    if (catalogue.IsValidIndex(zone)) {
        mapId1 = catalogue.zones[static_cast<std::size_t>(zone)].MapId1;
        mapId2 = catalogue.zones[static_cast<std::size_t>(zone)].MapId2;
    }
    QVector<QRgb> table;
    table.reserve(kMapColourCount);
    for (int k = 0; k < kMapColourCount; ++k) {
        table.push_back(MapAreaColour(k, catalogue.mapIndexKind, mapId1, mapId2));
    }
    return table;
}

int FirstZoneOwningArea(const ZoneCatalogue& catalogue, int area) {
    if (area < 0) return -1;  // -1 is the "no area" id, not an area
    const int end = kFirstRegistryZone + catalogue.registryZoneCount;
    for (int i = kFirstRegistryZone; i < end && catalogue.IsValidIndex(i); ++i) {
        const ZoneInfo& zone = catalogue.zones[static_cast<std::size_t>(i)];
        if (area == zone.MapId2 || area == zone.MapId1) return i;
    }
    return -1;
}

}  // namespace horavia
