#include "sync/no_server_query.h"

#include <QTimer>
#include <utility>

namespace horavia {

NoServerQuery::NoServerQuery(std::string whyNotLoaded) : whyNotLoaded_(std::move(whyNotLoaded)) {}

bool NoServerQuery::StartQuery(const std::string&, AnswerHandler done) {
    if (waiting_) return false;
    waiting_ = true;
    TimeAnswer answer;
    if (!whyNotLoaded_.empty()) {
        answer.failure = QueryFailure::NotLoaded;
        answer.problem = Message{MessageId::TimeQueriesNotLoaded, {whyNotLoaded_}};
    }
    QTimer::singleShot(0, &context_, [this, done = std::move(done), answer] {
        waiting_ = false;
        done(answer);
    });
    return true;
}

}  // namespace horavia
