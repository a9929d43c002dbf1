// The one entry of the loadable part that holds the time queries: it makes a query the way
// MakeServerTimeQuery does. Program and part are built together from the same sources.
#pragma once

#include "sync/server_query_factory.h"

namespace horavia {

using MakeServerQueryFunction = ServerQueryPort* (*)(const QuerySetup& setup);
inline constexpr const char* kMakeServerQueryEntry = "horavia_make_server_query";

}  // namespace horavia
