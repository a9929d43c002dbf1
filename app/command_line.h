// The options for scripts and status bars: --print, --tip, --test-server, --find, --help,
// --version.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace horavia {

class AppState;

enum class Command { StartProgram, Print, Tip, TestServer, Find, Help, Version, Error };

struct ParsedCommand {
    Command command = Command::StartProgram;
    QString host;   // --test-server
    QString error;  // Command::Error
    // --find (initialised, so that the error returns need not name it)
    QString text = {};
};

// Qt's standard options (-style, -platform, -reverse, ...) are passed over: QApplication takes
// them, and the commands that run without a window ignore them.
ParsedCommand ParseCommandLine(const QStringList& arguments);

QString UsageText();

// One line per enabled clock in stored order: label, a TAB, the text in the full format.
// Control characters in a label or a text print as spaces, so each clock stays one line.
void PrintClocks(AppState& state, QTextStream& out);
// The tray tip line, built as the tick builds it.
void PrintTip(AppState& state, QTextStream& out);

}  // namespace horavia
