#include "sync/query_failure.h"

namespace horavia {

std::string AskLessOftenText(std::int64_t waitMs) {
    constexpr std::int64_t kMsPerMinute = 60'000;
    const std::int64_t minutes = waitMs <= 0 ? 0 : (waitMs + kMsPerMinute - 1) / kMsPerMinute;
    return "The time server asks to be queried less often; it will not be asked again for " +
           std::to_string(minutes) + " minute(s).";
}

std::string QueryFailureText(QueryFailure failure, std::int64_t waitMs,
                             const std::string& noAnswerText) {
    switch (failure) {
        case QueryFailure::AskLessOften:
            return AskLessOftenText(waitMs);
        case QueryFailure::RefusesClient:
            return kRefusesClientText;
        case QueryFailure::Unsynchronised:
            return kUnsynchronisedText;
        case QueryFailure::Incomplete:
            return kIncompleteAnswerText;
        case QueryFailure::NoAnswer:
            break;
    }
    return noAnswerText;
}

}  // namespace horavia
