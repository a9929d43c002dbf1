// Bringing the computer's clock in line with a time server: query, decide, ask, set.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/instant.h"
#include "model/services.h"
#include "model/settings_store.h"
#include "platform/system_clock_setter.h"
#include "sync/server_test_text.h"
#include "sync/time_query_port.h"
#include "sync/unasked_corrections.h"

namespace horavia {

enum class SyncOutcome {
    Skipped,            // another synchronisation was still running
    QueryFailed,        // no time came: told only when the user asked, nothing changed
    ClockSet,           // the clock was set
    SetRefused,         // the system refused; the user was told
    Declined,           // the user answered No
    SecondQueryFailed,  // the user answered Yes but the second query failed
    AnswerDisagreed,    // the second answer did not show the difference the user confirmed
};

// Who asked for a synchronisation. The user who chose it is told when the server gave no time;
// the start-up and the schedule stay quiet.
enum class SyncRequest { Automatic, User };

// |now - server| in whole minutes, rounded to the nearest (halves to even), clamped to the
// 32-bit range.
std::int32_t DifferenceMinutes(Instant now, Instant server);

// The question asked when the clock is more than a minute off; first, after a difference
// close to whole hours, the hint that the zone may be set wrong.
MessageLines SyncQuestionText(std::int32_t differenceMinutes);

// What the user who asked for a synchronisation is told when a query brings no time: why, and
// that the clock stayed as it was.
MessageLines SyncFailureText(const TimeAnswer& answer);

// How far the second answer's difference may stray from the confirmed one: the whole-second
// answers of the Time Protocol and the time the answers take on the way. The computer's clock
// and a server that keeps time move on alike, so the time the user took to answer adds nothing.
inline constexpr std::int64_t kConfirmedDifferenceSlackMs = 2000;

// The message for a second answer that disagrees: the reason, then the difference the user
// confirmed and the one the second answer showed.
MessageLines AnswerDisagreedText(const ServerDifference& confirmed, const ServerDifference& second);

// What the user is told when the clock could not be set: the reason and, when the system keeps
// the clock itself, the user lacks the right or the system's date-time service is silent, the
// difference found (server minus local time).
struct SetClockMessage {
    MessageLines text;
    MsgIcon icon = MsgIcon::Exclamation;
};
SetClockMessage SetClockFailureMessage(ClockSetResult result, const MessageLines& difference);

using SyncHandler = std::function<void(SyncOutcome)>;

// A synchronisation's steps: it queries, asks the user when the clock is more than a minute
// off (or when the corrections made without asking in the last day would add up to more than
// kUnaskedBudget), queries again after a Yes, and sets the clock. Each step waits for its
// answer (the server's, the user's, the system's) through the event loop, never in a loop of
// its own.
enum class SyncStage { Idle, Querying, Asking, QueryingAgain, Setting };

class TimeSynchroniser {
  public:
    // The corrections made without asking are recorded in the store.
    TimeSynchroniser(TimeQueryPort& query, SystemClockSetter& setter, MessageBoxPort& messages,
                     ClockSource& clock, SettingsStore& store);

    // Starts one synchronisation with the server; done gets its outcome once it is over. A
    // call made while another one is still running (waiting for the server or for the user's
    // answer) changes nothing: done gets Skipped at once. When the user asked, a query that
    // brings no time is told in a message box.
    void SyncTime(const std::string& sServer, SyncHandler done,
                  SyncRequest request = SyncRequest::Automatic);

    // Sets the computer's clock to a UTC instant (the server's time); on refusal tells the
    // user why, with the difference found when the server answered (without one: utc minus
    // the clock now, in seconds) and the answer's details (AnswerDetails). done gets whether
    // the clock was set, once the system has answered and a refusal's message has closed.
    void SetClockTime(Instant utc, ClockSetPrompt prompt,
                      const std::optional<ServerDifference>& found, const MessageLines& details,
                      std::function<void(bool set)> done);

    bool IsRunning() const { return stage_ != SyncStage::Idle; }
    SyncStage Stage() const { return stage_; }

  private:
    // One answer of the server: its instant, the computer's clock when it came (both in UTC,
    // so that a change of the zone's offset meanwhile counts for nothing), and the difference
    // it shows.
    struct Reading {
        Instant server;
        Instant clock;
        ServerDifference found;
        MessageLines details;  // an NTP answer's authentication, offset and delay
    };
    // The server's answer as a reading, with the computer's clock read as it is handed on.
    bool ReadAnswer(const TimeAnswer& answer, Reading& reading);
    // Queries the server; false when the query did not start.
    bool Ask(SyncStage stage);
    void OnFirstAnswer(const TimeAnswer& answer);
    void OnReply(MsgAnswer reply);
    void OnSecondAnswer(const TimeAnswer& answer);
    // A query brought no time: told when the user asked, then the end.
    void EndWithoutTime(const TimeAnswer& answer, SyncOutcome outcome);
    // Sets the clock to the reading and ends; a setting the user did not confirm is recorded.
    void SetAndEnd(const Reading& reading, bool confirmed);
    void End(SyncOutcome outcome);
    // `next` for a callback that may come after this synchroniser is gone: it then does nothing.
    template <class Next>
    auto WhileAlive(Next next) const {
        return [alive = std::weak_ptr<const bool>(alive_), next = std::move(next)](auto... args) {
            if (!alive.expired()) next(args...);
        };
    }

    TimeQueryPort& query_;
    SystemClockSetter& setter_;
    MessageBoxPort& messages_;
    ClockSource& clock_;
    UnaskedCorrections unasked_;
    SyncStage stage_ = SyncStage::Idle;
    std::string server_;
    SyncRequest request_ = SyncRequest::Automatic;
    Reading first_;
    SyncHandler done_;
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace horavia
