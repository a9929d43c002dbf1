#include "sync/query_failure.h"

#include "sync/time_query_port.h"

namespace horavia {

Message AskLessOftenText(std::int64_t waitMs) {
    constexpr std::int64_t kMsPerMinute = 60'000;
    const std::int64_t minutes = waitMs <= 0 ? 0 : (waitMs + kMsPerMinute - 1) / kMsPerMinute;
    return {MessageId::AskLessOften, {}, minutes};
}

MessageLines QueryFailureText(QueryFailure failure, std::int64_t waitMs,
                              const MessageLines& noAnswerText) {
    switch (failure) {
        case QueryFailure::AskLessOften:
            return {AskLessOftenText(waitMs)};
        case QueryFailure::RefusesClient:
            return {{MessageId::RefusesClient}};
        case QueryFailure::Unsynchronised:
            return {{MessageId::Unsynchronised}};
        case QueryFailure::Incomplete:
            return {{MessageId::IncompleteAnswer}};
        case QueryFailure::NoAnswer:
        case QueryFailure::NotLoaded:  // told by UnansweredText, which knows why
            break;
    }
    return noAnswerText;
}

MessageLines UnansweredText(const TimeAnswer& answer, const MessageLines& noAnswerText) {
    if (answer.failure == QueryFailure::NotLoaded && answer.problem) return {*answer.problem};
    return QueryFailureText(answer.failure, answer.retryInMs, noAnswerText);
}

}  // namespace horavia
