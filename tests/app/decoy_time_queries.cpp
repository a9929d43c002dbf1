// A decoy of the time queries' part, put where a search for a library would look: whatever
// loads it leaves a mark in the file HORAVIA_DECOY_MARKER names. It claims the interface the
// program needs, so that only where it is keeps it from being used.
#include <cstdio>
#include <cstdlib>

#include "sync/module/time_query_interface.h"

__attribute__((constructor)) static void LeaveAMark() {
    const char* marker = std::getenv("HORAVIA_DECOY_MARKER");
    if (marker == nullptr) return;
    if (std::FILE* out = std::fopen(marker, "a")) {
        std::fputs("the decoy was loaded\n", out);
        std::fclose(out);
    }
}

extern "C" __attribute__((visibility("default"))) const horavia::TimeQueryPartDescriptor*
horavia_time_queries_descriptor() {
    static const horavia::TimeQueryPartDescriptor descriptor{horavia::kTimeQueryPartId,
                                                             horavia::kTimeQueryPartVersion};
    return &descriptor;
}

extern "C" __attribute__((visibility("default"))) void* horavia_make_server_query(const void*) {
    std::abort();
}
