// The time queries (sockets, NTS and the TLS library behind them) live in a part of their own,
// loaded on the first query: a clock that never synchronises never maps the network libraries.
#pragma once

#include "sync/server_query_factory.h"

namespace horavia {

// A factory that loads the part the first time it is called (from the program's own folder in
// a build tree, else the installed folder, each by its absolute path only) and makes queries
// with it. When the part cannot be loaded, or does not name this program's interface, it says
// why on standard error once, and its queries end at once telling the same.
ServerQueryFactory ServerQueriesFromModule();

}  // namespace horavia
