// How the program gets its time query: the socket and NTS code may live in a part loaded only
// when the first query runs, so the program asks a factory for it instead of building it.
#pragma once

#include <functional>
#include <memory>

#include "sync/query_clock.h"
#include "sync/query_pacer.h"
#include "sync/server_time_query.h"
#include "sync/time_query_port.h"
#include "sync/utc_clock.h"

namespace horavia {

// What a time query is made from. The pacer is the program's own and outlives the query.
struct QuerySetup {
    UtcClock utcNow;
    QueryPacer* pacer = nullptr;
    TimeServerPorts ports;
    QueryTiming timing;
};

// A factory whose part could not be loaded makes a NoServerQuery that tells why; null, when
// no query can be made for a reason unknown, is taken as a server that never answers.
using ServerQueryFactory = std::function<std::unique_ptr<ServerQueryPort>(const QuerySetup&)>;

// The query built here, in this program: for tests and for the loadable part itself.
std::unique_ptr<ServerQueryPort> MakeServerTimeQuery(const QuerySetup& setup);

}  // namespace horavia
