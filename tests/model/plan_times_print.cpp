// Answers planning questions for plan_oracle.py, one line in, one line out:
//   step ZONE UNIX_SECONDS STEP      -> the planned instant (seconds) after the step, the
//                                       computer's zone being ZONE
//   place ZONE Y M D h m             -> "unique S", "repeated S" (first pass) or "skipped"
// ZONE is a tz id read from the system's zone files.
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "model/plan_time.h"
#include "tests/model/system_zone.h"
#include "tz/zone_timeline.h"

namespace {

using horavia::PlanStep;

}  // namespace

int main() {
    const std::map<std::string, PlanStep> steps{
        {"quarter+", PlanStep::QuarterLater}, {"quarter-", PlanStep::QuarterEarlier},
        {"hour+", PlanStep::HourLater},       {"hour-", PlanStep::HourEarlier},
        {"day+", PlanStep::DayLater},         {"day-", PlanStep::DayEarlier},
    };
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string what;
        std::string id;
        in >> what >> id;
        const horavia::ZoneTimeline* zone = horavia::testing::SystemZone(id);
        if (zone == nullptr) {
            std::cout << "no-zone\n";
            continue;
        }
        if (what == "step") {
            long long seconds = 0;
            std::string step;
            in >> seconds >> step;
            const horavia::Instant t = horavia::InstantFromUnixMs(seconds * 1000);
            const horavia::Instant next = horavia::StepPlanTime(t, steps.at(step), zone);
            std::cout << horavia::UnixMsOf(next) / 1000 << '\n';
        } else {
            horavia::CivilTime reading;
            in >> reading.year >> reading.month >> reading.day >> reading.hour >> reading.minute;
            const horavia::PlacedReading placed = horavia::PlaceReading(zone, reading);
            using Kind = horavia::PlacedReading::Kind;
            if (placed.kind == Kind::Skipped) {
                std::cout << "skipped\n";
            } else {
                std::cout << (placed.kind == Kind::Repeated ? "repeated " : "unique ")
                          << horavia::UnixMsOf(placed.at) / 1000 << '\n';
            }
        }
    }
    return 0;
}
