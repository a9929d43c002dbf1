// Prints the next change of offset of catalogue zones, for the agreement test against an
// independent reader of the zone database.
//
// Each input line is "STD_NAME<TAB>UNIX_SECONDS<TAB>DAYS": a catalogue zone by its
// standard-time name, an instant and how many days to look ahead. Each output line is the
// change NextChangeWithin finds, "AT<TAB>BEFORE<TAB>AFTER" (seconds), "none", or "?" for an
// unknown zone.
#include <QByteArray>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "model/offset_changes.h"
#include "model/zone_catalogue_loader.h"
#include "platform/linux/tz_zone_source.h"

namespace {

struct SilentMessages : horavia::ImmediateMessageBoxes {
    horavia::MsgAnswer AnswerNow(const horavia::MessageLines&, const std::string&,
                                 horavia::MsgButtons, horavia::MsgIcon) override {
        return horavia::MsgAnswer::Ok;
    }
};

}  // namespace

int main() {
    using namespace horavia;
    const QByteArray table = ZoneTableResourceText();
    TzZoneSource source(
        std::string_view(table.constData(), static_cast<std::size_t>(table.size())));
    SilentMessages messages;
    ZoneCatalogue catalogue;
    if (!LoadZoneCatalogue(catalogue, source, 2026, messages)) return 1;
    std::map<std::string, int> indexOf;
    for (int i = kFirstRegistryZone; i < kFirstRegistryZone + catalogue.registryZoneCount; ++i) {
        indexOf.emplace(catalogue.zones[static_cast<std::size_t>(i)].StdName, i);
    }
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos) return 2;
        const auto zone = indexOf.find(line.substr(0, tab1));
        const ZoneRules* rules = zone == indexOf.end() ? nullptr : catalogue.RulesOf(zone->second);
        if (!rules) {
            std::cout << "?\n";
            continue;
        }
        const long long seconds = std::strtoll(line.c_str() + tab1 + 1, nullptr, 10);
        const int days = std::atoi(line.c_str() + tab2 + 1);
        const std::optional<OffsetChange> change =
            NextChangeWithin(*rules, InstantFromUnixMs(seconds * 1000), days);
        if (change) {
            std::cout << change->at << '\t' << change->before << '\t' << change->after << '\n';
        } else {
            std::cout << "none\n";
        }
    }
    return 0;
}
