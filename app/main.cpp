// Horavia: a world clock for the desktop.
#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include "app/at_time.h"
#include "app/changes_command.h"
#include "app/command_line.h"
#include "app/find_command.h"
#include "app/headless_run.h"
#include "app/meet_command.h"
#include "app/program_start.h"
#include "app/time_query_module.h"
#include "platform/place_finder.h"
#include "sync/test_server_command.h"
#include "translations/program_translations.h"
#include "ui/main/message_text.h"

using namespace horavia;

namespace {

int RunHeadless(int argc, char** argv, const ParsedCommand& parsed) {
    QCoreApplication app(argc, argv);
    // The messages in the user's language; the clocks' texts are not translated texts.
    ProgramTranslations translations;
    const LoadedTranslations language = translations.install(UserLanguages());
    SetPlaceNamesLanguage(language.language);
    QTextStream out(stdout);
    if (parsed.command == Command::TestServer)
        return RunTestServerCommand(
            parsed.host, {}, out, [](const MessageLines& text) { return MessageText(text); },
            ServerQueriesFromModule());
    if (parsed.command == Command::Find) return RunFindCommand(parsed.text, out, language.language);
    HeadlessRun run;
    if (!run.Load()) return 1;
    if (parsed.command == Command::Meet) {
        const int code = RunMeetCommand(run.State(), parsed.withinDays, parsed.lengthMinutes, out);
        out.flush();
        if (code != 0) return code;
    } else if (parsed.command == Command::Changes) {
        const int code = RunChangesCommand(run.State(), parsed.withinDays, out);
        if (code != 0) return code;
    } else {
        Instant at = run.State().services.clock.NowUtc();
        if (!parsed.at.isEmpty()) {
            const AtTime named = ResolveAtTime(run.State(), parsed.at);
            if (!named.at) return named.exitCode;
            at = *named.at;
        }
        if (parsed.command == Command::Print) {
            PrintClocks(run.State(), out, at);
        } else {
            PrintTip(run.State(), out, at);
        }
        out.flush();
    }
    // The clocks are right, but what had to be saved (a first start, a migration) was not.
    return run.ReportSettingsProblem() ? 1 : 0;
}

// The help and the usage errors, in the user's language.
int RunUsage(int argc, char** argv, const QStringList& arguments, const ParsedCommand& parsed) {
    QCoreApplication app(argc, argv);
    ProgramTranslations translations;
    translations.install(UserLanguages());
    if (parsed.command == Command::Help) {
        QTextStream(stdout) << UsageText();
        return 0;
    }
    // Parsed again, now that the error can be told in the user's language.
    QTextStream(stderr) << "horavia: " << ParseCommandLine(arguments).error << "\n\n"
                        << UsageText();
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const ParsedCommand parsed = ParseCommandLine(arguments);
    switch (parsed.command) {
        case Command::Help:
        case Command::Error:
            return RunUsage(argc, argv, arguments, parsed);
        case Command::Version:
            QTextStream(stdout) << "Horavia " << HORAVIA_VERSION << '\n';
            return 0;
        case Command::Print:
        case Command::Tip:
        case Command::Meet:
        case Command::Changes:
        case Command::TestServer:
        case Command::Find:
            return RunHeadless(argc, argv, parsed);
        case Command::StartProgram:
            break;
    }
    return StartProgram(argc, argv);
}
