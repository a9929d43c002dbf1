// Prints clock texts of catalogue zones for many instants in one run, for the agreement test
// against an independent reader of the zone database.
//
// Each input line is "COMPUTER_ZONE<TAB>STD_NAME<TAB>UNIX_SECONDS": the computer's own zone
// (set as TZ), a catalogue zone by its standard-time name and an instant. Each output line is
// that zone's clock text at the instant, "yyyy-mm-dd hh:nn:ss", written as a clock is: the
// computer's clock reading and bias at the instant, through the format engine. An unknown
// zone prints "?".
//
// A line "convert<TAB>FROM<TAB>TO<TAB>YYYY-MM-DD hh:mm" prints what the converter shows for
// that clock time of zone FROM in zone TO ("hh:nn"). An optional argument names the year whose
// yearly rules the catalogue loads (by default 2026); zone time does not depend on it.
#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "model/format_zone_time.h"
#include "model/time_conversion.h"
#include "model/zone_catalogue_loader.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/system_time.h"

namespace {

struct SilentMessages : horavia::ImmediateMessageBoxes {
    horavia::MsgAnswer AnswerNow(const horavia::MessageLines& text, const std::string&,
                                 horavia::MsgButtons, horavia::MsgIcon) override {
        for (const horavia::Message& m : text)
            std::cerr << "message " << static_cast<int>(m.id) << '\n';
        return horavia::MsgAnswer::Ok;
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace horavia;
    const int year = argc > 1 ? std::atoi(argv[1]) : 2026;
    const QByteArray table = ZoneTableResourceText();
    TzZoneSource source(
        std::string_view(table.constData(), static_cast<std::size_t>(table.size())));
    SilentMessages messages;
    ZoneCatalogue catalogue;
    if (!LoadZoneCatalogue(catalogue, source, year, messages)) return 1;
    std::map<std::string, int> indexOf;
    for (int i = kFirstRegistryZone; i < kFirstRegistryZone + catalogue.registryZoneCount; ++i) {
        indexOf.emplace(catalogue.zones[static_cast<std::size_t>(i)].StdName, i);
    }
    const LocaleInfo locale = EnglishUnitedStates();
    std::ios::sync_with_stdio(false);
    std::string line;
    std::string computerZone;
    while (std::getline(std::cin, line)) {
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string::npos || tab2 == std::string::npos) return 2;
        const std::string computer = line.substr(0, tab1);
        if (computer == "convert") {
            const std::size_t tab3 = line.find('\t', tab2 + 1);
            const auto from = indexOf.find(line.substr(tab1 + 1, tab2 - tab1 - 1));
            const auto to = indexOf.find(line.substr(tab2 + 1, tab3 - tab2 - 1));
            int y = 0, mo = 0, d = 0, h = 0, mi = 0;
            if (tab3 == std::string::npos || from == indexOf.end() || to == indexOf.end() ||
                std::sscanf(line.c_str() + tab3 + 1, "%d-%d-%d %d:%d", &y, &mo, &d, &h, &mi) != 5) {
                std::cout << "?\n";
                continue;
            }
            std::cout << ConvertZoneTime(catalogue, from->second, to->second,
                                         CivilTime{y, mo, d, h, mi}, locale)
                      << '\n';
            continue;
        }
        if (computer != computerZone) {
            computerZone = computer;
            setenv("TZ", computer.c_str(), 1);
        }
        const auto zone = indexOf.find(line.substr(tab1 + 1, tab2 - tab1 - 1));
        if (zone == indexOf.end()) {
            std::cout << "?\n";
            continue;
        }
        const long long seconds = std::strtoll(line.c_str() + tab2 + 1, nullptr, 10);
        const LocalReading reading = LocalReadingAt(seconds * 1000);
        std::cout << FormatZoneTimeAt(catalogue, zone->second, InstantFromUnixMs(seconds * 1000),
                                      reading.local, "yyyy-mm-dd hh:nn:ss", locale)
                  << '\n';
    }
    return 0;
}
