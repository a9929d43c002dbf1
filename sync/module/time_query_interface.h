// What the time queries' part says it is, for the program to check before it uses the part's
// entry: one header for both, so that a part of another program, or of a build whose query
// interface differs, is refused instead of called. Plain C types only: the check must hold
// whatever else the two sides disagree on.
#pragma once

namespace horavia {

struct TimeQueryPartDescriptor {
    const char* id;
    int version;
};

inline constexpr const char* kTimeQueryPartId = "horavia.time-queries";
// Raised whenever the entry, QuerySetup, ServerQueryPort or TimeAnswer change shape.
inline constexpr int kTimeQueryPartVersion = 1;

using DescribeTimeQueryPartFunction = const TimeQueryPartDescriptor* (*)();
inline constexpr const char* kDescribeTimeQueryPartEntry = "horavia_time_queries_descriptor";

}  // namespace horavia
