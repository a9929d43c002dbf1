#include "sync/server_choice.h"

#include <algorithm>
#include <limits>

#include "sync/query_failure.h"
#include "sync/server_test_text.h"

namespace horavia {

namespace {

std::int32_t Clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

ServerResult MeasuredResult(const std::string& host, const TimeAnswer& answer, ClockSource& clock) {
    ServerResult result;
    result.Server = host;
    if (answer.answered) {
        const ServerDifference difference =
            MeasureServerDifference(host, answer.serverUtc, clock.NowUtc());
        result.Diff = Clamp32(difference.seconds);
        result.DiffMs = difference.ms;
        result.Authenticated = answer.authenticated;
        result.OffsetMs = answer.offsetMs;
        result.DelayMs = answer.delayMs;
        // An answer always counts as one, however slow the query says it was.
        result.Respons = std::clamp<std::int32_t>(answer.lRespons, 0, kNoAnswerRespons - 1);
    }
    return result;
}

void MeasureServer(const std::string& host, TimeQueryPort& query, ClockSource& clock,
                   ResultHandler done) {
    const bool started = query.StartQuery(host, [host, &clock, done](const TimeAnswer& answer) {
        done(MeasuredResult(host, answer, clock));
    });
    if (!started) done(MeasuredResult(host, TimeAnswer{}, clock));
}

std::optional<std::int64_t> MeanDifference(const std::vector<ServerResult>& results) {
    std::int64_t sum = 0;
    std::int64_t count = 0;
    for (const ServerResult& r : results) {
        if (!r.Answered()) continue;
        sum += r.Diff;
        ++count;
    }
    if (count == 0) return std::nullopt;
    // Floor division, then the remainder decides; a half goes to the even neighbour.
    std::int64_t quotient = sum / count;
    std::int64_t remainder = sum % count;
    if (remainder < 0) {
        remainder += count;
        --quotient;
    }
    if (2 * remainder > count || (2 * remainder == count && quotient % 2 != 0)) ++quotient;
    return quotient;
}

std::int64_t ServerScore(const ServerResult& result, std::int64_t mean) {
    const std::int64_t distance = result.Diff - mean;
    return (distance < 0 ? -distance : distance) + result.Respons;
}

std::optional<std::size_t> ChooseServer(const std::vector<ServerResult>& results) {
    const auto mean = MeanDifference(results);
    if (!mean) return std::nullopt;
    // A time that cannot have been forged on the way beats a faster one that could.
    const bool authenticatedOnly = std::any_of(results.begin(), results.end(), [](const auto& r) {
        return r.Answered() && r.Authenticated;
    });
    std::optional<std::size_t> candidate;
    std::int64_t best = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (!results[i].Answered() || (authenticatedOnly && !results[i].Authenticated)) continue;
        const std::int64_t score = ServerScore(results[i], *mean);
        if (!candidate || score < best) {
            candidate = i;
            best = score;
        }
    }
    return candidate;
}

MessageLines ProposalText(const ServerResult& result) {
    MessageLines text{{MessageId::UseThisServer}, {MessageId::EmptyLine}};
    Append(text, ServerTestText(result.Server, result.Respons, {result.Diff, result.DiffMs}));
    Append(text, AnswerDetails(result.Authenticated, result.OffsetMs, result.DelayMs));
    return text;
}

void TestServerAndReport(const std::string& server, TimeQueryPort& query, ClockSource& clock,
                         MessageBoxPort& messages, std::function<void()> done) {
    const auto report = [server, &clock, &messages, done](const TimeAnswer& answer) {
        // done follows once the report has been read.
        const MsgAnswered read = [done](MsgAnswer) {
            if (done) done();
        };
        if (!answer.answered) {
            messages.Ask(UnansweredText(answer, ConnectionFailedText(answer)), kAppTitle,
                         MsgButtons::Ok, MsgIcon::Exclamation, read);
        } else {
            const ServerDifference diff =
                MeasureServerDifference(server, answer.serverUtc, clock.NowUtc());
            MessageLines text = ServerTestText(server, answer.lRespons, diff);
            Append(text, AnswerDetails(answer));
            messages.Ask(text, kAppTitle, MsgButtons::Ok, MsgIcon::Information, read);
        }
    };
    if (!query.StartQuery(server, report)) report(TimeAnswer{});
}

}  // namespace horavia
