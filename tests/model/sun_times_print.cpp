// Answers questions about the sun for sun_oracle.py, one line in, one line out:
//   day ZONE LAT LON UNIX_SECONDS  -> "rise-and-set|up-all-day|down-all-day RISE SET", the
//                                     instants in seconds or "-" for none
//   state LAT LON UNIX_SECONDS     -> the state's number, Day 0 .. Night 4
//   time                           -> microseconds per SunDayAt call at mid-latitudes
// ZONE is a tz id read from the system's zone files.
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "model/sun_times.h"
#include "tests/model/system_zone.h"
#include "tz/zone_timeline.h"

namespace {

using horavia::Instant;

std::string SecondsText(const std::optional<Instant>& t) {
    return t ? std::to_string(horavia::UnixMsOf(*t) / 1000) : "-";
}

}  // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string what;
        in >> what;
        if (what == "time") {
            const horavia::ZoneTimeline* zone = horavia::testing::SystemZone("Europe/Berlin");
            const auto begin = std::chrono::steady_clock::now();
            constexpr int kCalls = 1000;
            for (int i = 0; i < kCalls; ++i) {
                const Instant t =
                    horavia::InstantFromUnixMs(1'750'000'000'000LL + i * 86'400'000LL);
                horavia::SunDayAt(t, 48.14, 11.58, *zone);
            }
            const auto spent = std::chrono::steady_clock::now() - begin;
            std::cout << std::chrono::duration_cast<std::chrono::microseconds>(spent).count() /
                             kCalls
                      << std::endl;
            continue;
        }
        std::string id;
        if (what == "day") in >> id;
        double latitude = 0;
        double longitude = 0;
        long long seconds = 0;
        in >> latitude >> longitude >> seconds;
        const Instant t = horavia::InstantFromUnixMs(seconds * 1000);
        if (what == "state") {
            std::cout << static_cast<int>(horavia::SunStateAt(t, latitude, longitude)) << std::endl;
            continue;
        }
        const horavia::ZoneTimeline* zone = horavia::testing::SystemZone(id);
        if (zone == nullptr) {
            std::cout << "no-zone" << std::endl;
            continue;
        }
        const horavia::SunDay day = horavia::SunDayAt(t, latitude, longitude, *zone);
        using Kind = horavia::SunDay::Kind;
        std::cout << (day.kind == Kind::RiseAndSet ? "rise-and-set"
                      : day.kind == Kind::UpAllDay ? "up-all-day"
                                                   : "down-all-day")
                  << ' ' << SecondsText(day.sunrise) << ' ' << SecondsText(day.sunset) << std::endl;
    }
}
