// The query that stands in when the time queries could not be loaded: every query ends
// unanswered at once, from the event loop, and says why the queries are missing.
#pragma once

#include <QObject>
#include <string>

#include "sync/time_query_port.h"

namespace horavia {

class NoServerQuery : public ServerQueryPort {
  public:
    // whyNotLoaded: the reason the part could not be loaded, told to the user who asked for a
    // time ("The time queries could not be loaded: ..."). Empty: unknown, and every query ends
    // as one that no server answered.
    explicit NoServerQuery(std::string whyNotLoaded = {});

    bool StartQuery(const std::string& sServer, AnswerHandler done) override;
    bool IsWaiting() const override { return waiting_; }

  private:
    std::string whyNotLoaded_;
    bool waiting_ = false;
    QObject context_;  // an answer due when the query is gone is never given
};

}  // namespace horavia
