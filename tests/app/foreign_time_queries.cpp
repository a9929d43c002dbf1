// A stand-in for the time queries' part that names another interface than the program's: the
// program must refuse it, and unload it, before its entry is ever called. Built once for each
// way of differing: FOREIGN_ID and FOREIGN_VERSION give what it names, and without
// FOREIGN_VERSION it has no descriptor at all.
#include <cstdlib>

#include "sync/module/time_query_interface.h"

#ifdef FOREIGN_VERSION
extern "C" __attribute__((visibility("default"))) const horavia::TimeQueryPartDescriptor*
horavia_time_queries_descriptor() {
    static const horavia::TimeQueryPartDescriptor descriptor{FOREIGN_ID, FOREIGN_VERSION};
    return &descriptor;
}
#endif

extern "C" __attribute__((visibility("default"))) void* horavia_make_server_query(const void*) {
    std::abort();
}
