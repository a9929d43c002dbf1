// What the program tells the user, as an identifier with its arguments: the user-interface layer
// turns it into text in the user's language. Standard C++ only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace horavia {

// One value per whole sentence (or group of sentences translated together).
enum class MessageId {
    EmptyLine,  // a blank line between parts of a longer text

    // Zones and settings.
    NoZones,
    SettingUnreadable,  // reader, application, section, key, default, stored text
    SettingsNotRead,    // path, the system's reason
    SettingsNotSaved,   // path, the system's reason
    SettingsNotReadLine,
    SettingsNotSavedLine,
    RunningAsRootLine,
    ClockLimit,  // count: the most clocks shown

    // Synchronising the computer's clock.
    ClockOffByHours,  // count: hours
    SyncQuestion,     // count: minutes
    SetClockFailed,
    AutomaticSyncOn,
    NotAuthorised,
    DateTimeServiceSilent,
    AnswerDisagreed,
    ServerSilent,
    ClockNotChanged,
    DifferenceConfirmed,        // seconds
    DifferenceConfirmedMs,      // seconds, milliseconds
    DifferenceSecondAnswer,     // seconds
    DifferenceSecondAnswerMs,   // seconds, milliseconds
    DifferenceWithLocalTime,    // seconds
    DifferenceWithLocalTimeMs,  // seconds, milliseconds

    // Why a query brought no time.
    RefusesClient,
    Unsynchronised,
    IncompleteAnswer,
    AskLessOften,  // count: minutes
    ConnectionFailed,
    NtsKeyExchangeFailed,    // the reason, as the secure connection reports it
    NtsKeyExchangeTimedOut,  // seconds waited
    TimeQueriesNotLoaded,    // the reason

    // Testing and choosing servers.
    ServerName,    // server
    ResponseTime,  // milliseconds
    AuthenticatedYes,
    AuthenticatedNo,
    Offset,          // milliseconds, one decimal
    RoundTripDelay,  // milliseconds, one decimal
    UseThisServer,
    NoActiveServers,

    // Windows.
    DeleteClockQuestion,
    CannotConvertFrom,  // zone's display name
    HelpNotWritten,     // folder
    NoBrowserForHelp,   // file

    // Planning.
    PlannedTimeSkipped,   // time, date, clock's label, reading before the change, after it
    PlannedTimeRepeated,  // time, date, clock's label, reading before the change, after it

    Last = PlannedTimeRepeated
};

inline constexpr int kMessageIdCount = static_cast<int>(MessageId::Last) + 1;

// Arguments are formatted as the program shows them (numbers, names, times); count is the number
// a plural form depends on.
struct Message {
    MessageId id = MessageId::EmptyLine;
    std::vector<std::string> args;
    std::optional<std::int64_t> count;

    Message() = default;
    Message(MessageId messageId, std::vector<std::string> arguments = {},  // NOLINT: implicit
            std::optional<std::int64_t> number = std::nullopt)
        : id(messageId), args(std::move(arguments)), count(number) {}

    bool operator==(const Message&) const = default;
};

// A longer text: its messages one below the other.
using MessageLines = std::vector<Message>;

// The lines of more appended to text.
inline void Append(MessageLines& text, const MessageLines& more) {
    text.insert(text.end(), more.begin(), more.end());
}

}  // namespace horavia
