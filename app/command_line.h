// The options for scripts and status bars: --print and --tip (at now or --at a time),
// --meet (with --within and --length), --changes (with --within), --test-server, --find, --help,
// --version.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "model/instant.h"

namespace horavia {

class AppState;

enum class Command {
    StartProgram,
    Print,
    Tip,
    Meet,
    Changes,
    TestServer,
    Find,
    Help,
    Version,
    Error
};

struct ParsedCommand {
    Command command = Command::StartProgram;
    QString host;   // --test-server
    QString error;  // Command::Error
    // --find (initialised, so that the error returns need not name it)
    QString text = {};
    // --at, for --print and --tip; empty: now
    QString at = {};
    // --meet and --changes: days to look ahead; --meet: minutes of the meeting; 0: the defaults
    int withinDays = 0;
    int lengthMinutes = 0;
};

inline constexpr int kMaxMeetWithinDays = 366;
inline constexpr int kMinMeetLength = 15;
inline constexpr int kMaxMeetLength = 1440;

// Qt's standard options (-style, -platform, -reverse, ...) are passed over: QApplication takes
// them, and the commands that run without a window ignore them.
ParsedCommand ParseCommandLine(const QStringList& arguments);

QString UsageText();

// One line per enabled clock in stored order: label, a TAB, the text in the full format.
// Control characters in a label or a text print as spaces, so each clock stays one line.
void PrintClocks(AppState& state, QTextStream& out, Instant t);
// The tray tip line at t, built as the tick builds it.
void PrintTip(AppState& state, QTextStream& out, Instant t);

}  // namespace horavia
