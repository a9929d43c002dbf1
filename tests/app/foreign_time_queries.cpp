// A stand-in for the time queries' part that names the next interface version: the program
// must refuse it, and unload it, before its entry is ever called.
#include <cstdlib>

#include "sync/module/time_query_interface.h"

extern "C" __attribute__((visibility("default"))) const horavia::TimeQueryPartDescriptor*
horavia_time_queries_descriptor() {
    static const horavia::TimeQueryPartDescriptor descriptor{horavia::kTimeQueryPartId,
                                                             horavia::kTimeQueryPartVersion + 1};
    return &descriptor;
}

extern "C" __attribute__((visibility("default"))) void* horavia_make_server_query(const void*) {
    std::abort();
}
