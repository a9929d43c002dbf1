#include "sync/query_failure.h"

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
            break;
    }
    return noAnswerText;
}

}  // namespace horavia
