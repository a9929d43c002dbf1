#include "sync/sync_time.h"

#include <chrono>
#include <cmath>
#include <limits>

namespace horavia {

namespace {

// Whether two differences (server minus computer) agree: a server that keeps time shows the
// same difference both times, however long apart they were taken.
bool DifferencesAgree(std::chrono::milliseconds confirmed, std::chrono::milliseconds second) {
    return std::chrono::abs(second - confirmed).count() <= kConfirmedDifferenceSlackMs;
}

}  // namespace

std::int32_t DifferenceMinutes(Instant now, Instant server) {
    // In whole milliseconds, so that a difference of exactly 2.5 minutes is exactly halfway
    // and rounds to the even 2.
    const std::int64_t ms = std::chrono::abs(now - server).count();
    constexpr std::int64_t kMsPerMinute = 60'000;
    constexpr std::int64_t kMaxMinutes = std::numeric_limits<std::int32_t>::max();
    if (ms >= kMaxMinutes * kMsPerMinute) return std::numeric_limits<std::int32_t>::max();
    std::int64_t result = ms / kMsPerMinute;
    const std::int64_t rest = ms % kMsPerMinute;
    if (rest * 2 > kMsPerMinute || (rest * 2 == kMsPerMinute && result % 2 == 1)) ++result;
    return static_cast<std::int32_t>(result);
}

MessageLines SyncQuestionText(std::int32_t differenceMinutes) {
    MessageLines text;
    const std::int32_t remainder = differenceMinutes % 60;
    if (differenceMinutes >= 6 && (remainder <= 5 || remainder >= 55)) {
        // Close to whole hours: more likely a wrong time zone than a drifting clock.
        const auto hours = static_cast<std::int64_t>(std::llround(differenceMinutes / 60.0));
        text.push_back({MessageId::ClockOffByHours, {}, hours});
        text.push_back({MessageId::EmptyLine});
    }
    text.push_back({MessageId::SyncQuestion, {}, differenceMinutes});
    return text;
}

SetClockMessage SetClockFailureMessage(ClockSetResult result, const MessageLines& difference) {
    const auto told = [&difference](MessageId reason, MsgIcon icon) {
        SetClockMessage message{{{reason}}, icon};
        Append(message.text, difference);
        return message;
    };
    switch (result) {
        case ClockSetResult::AutomaticSyncOn:
            return told(MessageId::AutomaticSyncOn, MsgIcon::Information);
        case ClockSetResult::NotAuthorised:
            return told(MessageId::NotAuthorised, MsgIcon::Exclamation);
        case ClockSetResult::NoAnswer:
            return told(MessageId::DateTimeServiceSilent, MsgIcon::Exclamation);
        case ClockSetResult::Set:
        case ClockSetResult::Failed:
            break;
    }
    return {{{MessageId::SetClockFailed}}, MsgIcon::Exclamation};
}

MessageLines SyncFailureText(const TimeAnswer& answer) {
    TimeAnswer unanswered = answer;
    // An answer that came but holds no usable instant says as little as an incomplete one.
    if (answer.answered) unanswered.failure = QueryFailure::Incomplete;
    MessageLines silent{{MessageId::ServerSilent}};
    if (answer.problem) silent.push_back(*answer.problem);  // a failed key exchange
    MessageLines text = UnansweredText(unanswered, silent);
    text.push_back({MessageId::ClockNotChanged});
    return text;
}

MessageLines AnswerDisagreedText(const ServerDifference& confirmed,
                                 const ServerDifference& second) {
    return {{MessageId::AnswerDisagreed},
            DifferenceMessage(confirmed, MessageId::DifferenceConfirmed,
                              MessageId::DifferenceConfirmedMs),
            DifferenceMessage(second, MessageId::DifferenceSecondAnswer,
                              MessageId::DifferenceSecondAnswerMs)};
}

TimeSynchroniser::TimeSynchroniser(TimeQueryPort& query, SystemClockSetter& setter,
                                   MessageBoxPort& messages, ClockSource& clock,
                                   SettingsStore& store)
    : query_(query), setter_(setter), messages_(messages), clock_(clock), unasked_(store) {}

bool TimeSynchroniser::ReadAnswer(const TimeAnswer& answer, Reading& reading) {
    if (!answer.answered || !IsCalendarInstant(answer.serverUtc)) return false;
    reading.server = answer.serverUtc;
    reading.clock = clock_.NowUtc();
    reading.found = MeasureServerDifference(server_, reading.server, reading.clock);
    reading.details = AnswerDetails(answer);
    return true;
}

void TimeSynchroniser::SyncTime(const std::string& sServer, SyncHandler done, SyncRequest request) {
    // The waits for the server, the user's answer and the system keep the event loop running;
    // a tick or a menu command arriving meanwhile must not start a second query or a second
    // question.
    if (IsRunning()) {
        done(SyncOutcome::Skipped);
        return;
    }
    server_ = sServer;
    request_ = request;
    done_ = std::move(done);
    if (!Ask(SyncStage::Querying)) End(SyncOutcome::QueryFailed);
}

bool TimeSynchroniser::Ask(SyncStage stage) {
    stage_ = stage;
    return query_.StartQuery(server_, [this, stage](const TimeAnswer& answer) {
        if (stage == SyncStage::Querying) {
            OnFirstAnswer(answer);
        } else {
            OnSecondAnswer(answer);
        }
    });
}

void TimeSynchroniser::OnFirstAnswer(const TimeAnswer& answer) {
    first_ = {};
    if (!ReadAnswer(answer, first_)) return EndWithoutTime(answer, SyncOutcome::QueryFailed);

    // Measured against the same reading of the clock as the time set: what is set without
    // asking is never more than 90 seconds from the computer's clock, nor more than 90 seconds
    // with the other corrections made without asking in the last day.
    const std::int32_t minutes = DifferenceMinutes(first_.clock, first_.server);
    if (minutes <= 1 && unasked_.Allows(first_.server - first_.clock, first_.server)) {
        return SetAndEnd(first_, false);
    }

    stage_ = SyncStage::Asking;
    // The question as it always read; an NTP answer's details below it, after a blank line.
    MessageLines question = SyncQuestionText(minutes);
    if (!first_.details.empty()) {
        question.push_back({MessageId::EmptyLine});
        Append(question, first_.details);
    }
    messages_.Ask(question, kAppTitle, MsgButtons::YesNo, MsgIcon::Question,
                  WhileAlive([this](MsgAnswer reply) { OnReply(reply); }));
}

void TimeSynchroniser::OnReply(MsgAnswer reply) {
    if (reply != MsgAnswer::Yes) return End(SyncOutcome::Declined);
    // The user may have taken a while to answer: ask the server again.
    if (!Ask(SyncStage::QueryingAgain)) End(SyncOutcome::SecondQueryFailed);
}

void TimeSynchroniser::OnSecondAnswer(const TimeAnswer& answer) {
    // The user agreed to a difference, not to whatever the server says next: a second answer
    // that moves the clock by more than that is not set.
    Reading second;
    if (!ReadAnswer(answer, second)) return EndWithoutTime(answer, SyncOutcome::SecondQueryFailed);
    if (!DifferencesAgree(first_.server - first_.clock, second.server - second.clock)) {
        messages_.Ask(AnswerDisagreedText(first_.found, second.found), kAppTitle, MsgButtons::Ok,
                      MsgIcon::Exclamation,
                      WhileAlive([this](MsgAnswer) { End(SyncOutcome::AnswerDisagreed); }));
        return;
    }
    SetAndEnd(second, true);
}

void TimeSynchroniser::EndWithoutTime(const TimeAnswer& answer, SyncOutcome outcome) {
    if (request_ != SyncRequest::User) return End(outcome);
    // Over once the user has read why.
    messages_.Ask(SyncFailureText(answer), kAppTitle, MsgButtons::Ok, MsgIcon::Exclamation,
                  WhileAlive([this, outcome](MsgAnswer) { End(outcome); }));
}

void TimeSynchroniser::SetAndEnd(const Reading& reading, bool confirmed) {
    stage_ = SyncStage::Setting;
    // The system may ask for the right to set the clock only when the user is there to answer:
    // after the user's Yes, or for "Sync Now!". Start-up and the schedule never raise a prompt.
    const ClockSetPrompt prompt = confirmed || request_ == SyncRequest::User
                                      ? ClockSetPrompt::Allowed
                                      : ClockSetPrompt::Never;
    const std::chrono::milliseconds correction = reading.server - reading.clock;
    const Instant server = reading.server;
    SetClockTime(server, prompt, reading.found, reading.details,
                 [this, confirmed, correction, server](bool set) {
                     if (set && !confirmed) unasked_.Record(correction, server);
                     End(set ? SyncOutcome::ClockSet : SyncOutcome::SetRefused);
                 });
}

void TimeSynchroniser::End(SyncOutcome outcome) {
    stage_ = SyncStage::Idle;
    const SyncHandler done = std::move(done_);
    done_ = nullptr;
    if (done) done(outcome);
}

void TimeSynchroniser::SetClockTime(Instant utc, ClockSetPrompt prompt,
                                    const std::optional<ServerDifference>& found,
                                    const MessageLines& details, std::function<void(bool)> done) {
    const auto answered = [this, utc, found, details, done](ClockSetResult result) {
        if (result == ClockSetResult::Set) return done(true);
        const ServerDifference difference =
            found ? *found : MeasureServerDifference({}, utc, clock_.NowUtc());
        MessageLines told{DifferenceLine(difference)};
        Append(told, details);
        const SetClockMessage message = SetClockFailureMessage(result, told);
        messages_.Ask(message.text, kAppTitle, MsgButtons::Ok, message.icon,
                      WhileAlive([done](MsgAnswer) { done(false); }));
    };
    setter_.SetTime(utc, prompt, WhileAlive(answered));
}

}  // namespace horavia
