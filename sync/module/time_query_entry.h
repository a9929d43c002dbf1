// The entry of the loadable part that holds the time queries: it makes a query the way
// MakeServerTimeQuery does. Program and part are built together from the same sources; the
// part's descriptor (time_query_interface.h) tells the program so before the entry is used.
#pragma once

#include "sync/module/time_query_interface.h"
#include "sync/server_query_factory.h"

namespace horavia {

using MakeServerQueryFunction = ServerQueryPort* (*)(const QuerySetup& setup);
inline constexpr const char* kMakeServerQueryEntry = "horavia_make_server_query";

}  // namespace horavia
