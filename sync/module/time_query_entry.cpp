#include "sync/module/time_query_entry.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT horavia::ServerQueryPort* horavia_make_server_query(
    const horavia::QuerySetup& setup) {
    return horavia::MakeServerTimeQuery(setup).release();
}
