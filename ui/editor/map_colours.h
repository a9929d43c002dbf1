// The world map's colours and its click lookup, kept free of widgets so they can be checked
// on their own. The map's pixel values are area numbers; a zone's MapId1 and MapId2 name its
// areas, and the map is recoloured by replacing its whole colour table.
#pragma once

#include <QRgb>
#include <QVector>
#include <array>
#include <cstdint>

#include "model/zone_catalogue.h"

namespace horavia {

inline constexpr int kMapColourCount = 256;

inline constexpr QRgb kSelectedMainArea = qRgb(0, 0, 255);  // the zone's MapId1
inline constexpr QRgb kSelectedSeaArea = qRgb(0, 255, 0);   // the zone's MapId2
inline constexpr QRgb kOtherMainArea = qRgb(0, 0, 160);     // some zone's MapId1
inline constexpr QRgb kOtherArea = qRgb(0, 160, 0);         // everything else

// The colour of area k when the zone with map ids (mapId1, mapId2) is selected. The tests run
// in this order, so a zone whose two ids are equal shows that area as its main area.
QRgb MapAreaColour(int k, const std::array<std::int32_t, kMapIndexCount>& mapIndexKind,
                   std::int32_t mapId1, std::int32_t mapId2);

// All 256 entries for the zone with catalogue index `zone` (no highlight when the index is
// not in the catalogue).
QVector<QRgb> MapColourTable(const ZoneCatalogue& catalogue, int zone);

// The first registry zone, in catalogue order, whose MapId2 or MapId1 is `area`; -1 when no
// registry zone owns it. Pseudo-zones are never returned.
int FirstZoneOwningArea(const ZoneCatalogue& catalogue, int area);

}  // namespace horavia
