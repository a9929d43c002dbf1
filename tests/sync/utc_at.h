// UTC instants written as calendar readings, for tests of the time queries and their answers.
#pragma once

#include "model/day_count.h"
#include "model/instant.h"

namespace horavia::test {

inline Instant UtcAt(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                     int ms = 0) {
    return InstantOfLocal(FromCivil(year, month, day, hour, minute, second, ms), 0).value();
}

}  // namespace horavia::test
