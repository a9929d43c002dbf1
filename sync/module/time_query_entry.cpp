#include "sync/module/time_query_entry.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT const horavia::TimeQueryPartDescriptor* horavia_time_queries_descriptor() {
    static const horavia::TimeQueryPartDescriptor descriptor{horavia::kTimeQueryPartId,
                                                             horavia::kTimeQueryPartVersion};
    return &descriptor;
}

extern "C" Q_DECL_EXPORT horavia::ServerQueryPort* horavia_make_server_query(
    const horavia::QuerySetup& setup) {
    return horavia::MakeServerTimeQuery(setup).release();
}
