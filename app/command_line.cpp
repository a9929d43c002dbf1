#include "app/command_line.h"

#include <QCoreApplication>
#include <optional>

#include "app/print_line.h"
#include "model/zone_model.h"

namespace horavia {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

// The usage errors. The options in them are typed as they are.
//: A usage error: the option was given without the host to ask.
constexpr const char* kNoHost = QT_TRANSLATE_NOOP("CommandLine", "--test-server needs a host name");
//: A usage error: the option was given without the text to find.
constexpr const char* kNoText = QT_TRANSLATE_NOOP("CommandLine", "--find needs a text");
//: A usage error; %1 is what was typed.
constexpr const char* kUnknownOption = QT_TRANSLATE_NOOP("CommandLine", "unknown option: %1");
//: A usage error: more than one of these options was given.
constexpr const char* kOneCommand = QT_TRANSLATE_NOOP(
    "CommandLine", "choose one of --print, --tip, --meet, --changes, --test-server and --find");
//: A usage error: the option was given without the time to show.
constexpr const char* kNoTime = QT_TRANSLATE_NOOP("CommandLine", "--at needs a time");
//: A usage error: --at was given without --print or --tip.
constexpr const char* kAtAlone =
    QT_TRANSLATE_NOOP("CommandLine", "--at goes with --print or --tip");
//: A usage error: --within was given without --meet or --changes.
constexpr const char* kWithinAlone =
    QT_TRANSLATE_NOOP("CommandLine", "--within goes with --meet or --changes");
//: A usage error: --length was given without --meet.
constexpr const char* kLengthAlone = QT_TRANSLATE_NOOP("CommandLine", "--length goes with --meet");
//: A usage error; %1 is the option, %2 and %3 the least and the most it takes.
constexpr const char* kNumberOutOfRange =
    QT_TRANSLATE_NOOP("CommandLine", "%1 needs a whole number from %2 to %3");

// The help, paragraph by paragraph and option by option, so that a translation can wrap its
// own lines. The options and their arguments are typed as they are.
constexpr const char* kUsage[] = {
    //: The start of --help: how the program is called and what it is.
    QT_TRANSLATE_NOOP("CommandLine",
                      "Usage: horavia [option]\n"
                      "A world clock: a small window with your clocks, an icon in the "
                      "notification area.\n\n"),
    QT_TRANSLATE_NOOP("CommandLine",
                      "Without an option the program starts (or brings the running one "
                      "forward).\n\n"),
    QT_TRANSLATE_NOOP("CommandLine", "Options:\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on.
    QT_TRANSLATE_NOOP("CommandLine",
                      "  --print              print each enabled clock: label, a tab, its time; "
                      "then exit\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on.
    QT_TRANSLATE_NOOP("CommandLine",
                      "  --tip                print the notification-area tip line; then exit\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on. TIME is
    //: typed as it is in the help's other lines.
    QT_TRANSLATE_NOOP("CommandLine",
                      "  --at TIME            with --print or --tip: show the clocks at TIME "
                      "instead of now:\n"
                      "                       ISO 8601 with Z or an offset "
                      "(2026-10-14T13:00Z), or a date\n"
                      "                       and time or a time alone in this computer's "
                      "zone, or followed\n"
                      "                       by a place or tz id (\"15:00 Tokyo\", "
                      "\"3 pm America/Lima\")\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on.
    QT_TRANSLATE_NOOP("CommandLine",
                      "  --meet               print the next meeting time that suits every "
                      "enabled clock\n"
                      "                       with working hours: the clocks then, as "
                      "--print does, and\n"
                      "                       the start in UTC (ISO 8601); when none suits "
                      "everybody, the\n"
                      "                       fairest, and on standard error who is outside "
                      "working hours\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on.
    QT_TRANSLATE_NOOP("CommandLine",
                      "  --changes            print when the enabled clocks' offsets change "
                      "next, soonest\n"
                      "                       first: label, a tab, the instant in UTC (ISO "
                      "8601), a tab,\n"
                      "                       the old offset, a tab, the new one, a tab, the "
                      "sentence the\n"
                      "                       window shows; then exit (status 1 when none "
                      "comes)\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on.
    QT_TRANSLATE_NOOP("CommandLine",
                      "  --within DAYS        with --meet or --changes: look DAYS ahead (1 to "
                      "366; 14 by\n"
                      "                       default, for --changes as set up in the "
                      "program)\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on.
    QT_TRANSLATE_NOOP("CommandLine",
                      "  --length MINUTES     with --meet: the meeting's length (15 to 1440; "
                      "by default as\n"
                      "                       set up in the program, 30 minutes)\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on.
    QT_TRANSLATE_NOOP(
        "CommandLine",
        "  --test-server HOST   ask HOST for the time (Time Protocol, TCP port 37; "
        "write\n"
        "                       ntp:HOST for NTP, UDP port 123); then exit\n"
        "                       nts:HOST[:PORT] asks over NTP secured by NTS, the key\n"
        "                       exchange on TCP port PORT, 4460 by default\n"),
    //: An option in --help: the option as typed, then what it does from column 24 on.
    QT_TRANSLATE_NOOP("CommandLine",
                      "  --find TEXT          print the places and zones that TEXT names (a city, "
                      "country,\n"
                      "                       tz id or zone name), best first: place, a tab, tz "
                      "id, a tab,\n"
                      "                       zone; then exit (status 1 when nothing matches)\n"),
    QT_TRANSLATE_NOOP("CommandLine", "  -h, --help           show this help\n"),
    QT_TRANSLATE_NOOP("CommandLine", "  -v, --version        show the version\n"),
    //: The end of --help: the exit statuses. Options are typed as they are.
    QT_TRANSLATE_NOOP(
        "CommandLine",
        "\nExit status: 0 done; 1 a failure (no zone database, no answer from the server, "
        "nothing\n"
        "found, the settings could not be read or saved, no clock with working "
        "hours for --meet);\n"
        "2 a usage error, or a time that does not read or does not exist.\n"),
    //: The end of --help, after the exit statuses. Options are typed as they are.
    QT_TRANSLATE_NOOP("CommandLine",
                      "--changes exits with 0 when a change comes within the days, 1 when none "
                      "does.\n"),
};

// Qt's standard options, which QApplication takes out of the command line; like Qt, with one
// dash or two.
struct QtOption {
    const char* name;
    bool takesValue;  // "-style Fusion"
    bool equalsForm;  // "-style=Fusion"
};
constexpr QtOption kQtOptions[] = {
    {"style", true, true},
    {"stylesheet", true, true},
    {"widgetcount", false, false},
    {"reverse", false, false},
    {"qmljsdebugger", true, true},
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"qwindowgeometry", true, false},
    {"qwindowicon", true, false},
    {"qwindowtitle", true, false},
    {"session", true, false},
    {"display", true, false},   // X11
    {"geometry", true, false},  // X11
};

// How many arguments a Qt option at arguments[i] takes up, itself included; 0 when it is
// none, or lacks its value (which Qt leaves in place too).
qsizetype QtOptionLength(const QStringList& arguments, qsizetype i) {
    QStringView arg = arguments[i];
    if (!arg.startsWith(u'-')) return 0;
    arg = arg.mid(arg.startsWith(u"--") ? 2 : 1);
    const qsizetype equals = arg.indexOf(u'=');
    for (const QtOption& option : kQtOptions) {
        const QLatin1String name(option.name);
        if (arg == name) return !option.takesValue ? 1 : i + 1 < arguments.size() ? 2 : 0;
        if (option.equalsForm && equals > 0 && arg.left(equals) == name) return 1;
    }
    return 0;
}

// The whole number after an option, within low..high.
std::optional<int> NumberIn(const QString& text, int low, int high) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < low || n > high) return std::nullopt;
    return n;
}

ParsedCommand UsageError(const QString& error) {
    return {Command::Error, {}, error};
}

}  // namespace

ParsedCommand ParseCommandLine(const QStringList& arguments) {
    ParsedCommand parsed;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (const qsizetype qtLength = QtOptionLength(arguments, i); qtLength > 0) {
            i += qtLength - 1;  // Qt's, taken by QApplication or meaningless without a window
            continue;
        }
        Command next = Command::Error;
        if (arg == QLatin1String("--print")) {
            next = Command::Print;
        } else if (arg == QLatin1String("--tip")) {
            next = Command::Tip;
        } else if (arg == QLatin1String("--meet")) {
            next = Command::Meet;
        } else if (arg == QLatin1String("--changes")) {
            next = Command::Changes;
        } else if (arg == QLatin1String("--at")) {
            // No time starts with "--": that is the next option.
            if (i + 1 >= arguments.size() || arguments[i + 1].trimmed().isEmpty() ||
                arguments[i + 1].startsWith(QLatin1String("--"))) {
                return UsageError(Translated(kNoTime));
            }
            parsed.at = arguments[++i];
            continue;
        } else if (arg == QLatin1String("--within") || arg == QLatin1String("--length")) {
            const bool within = arg == QLatin1String("--within");
            const int low = within ? 1 : kMinMeetLength;
            const int high = within ? kMaxMeetWithinDays : kMaxMeetLength;
            const std::optional<int> n =
                i + 1 < arguments.size() ? NumberIn(arguments[i + 1], low, high) : std::nullopt;
            if (!n) return UsageError(Translated(kNumberOutOfRange).arg(arg).arg(low).arg(high));
            (within ? parsed.withinDays : parsed.lengthMinutes) = *n;
            ++i;
            continue;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            next = Command::Help;
        } else if (arg == QLatin1String("--version") || arg == QLatin1String("-v")) {
            next = Command::Version;
        } else if (arg == QLatin1String("--test-server")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("-")) ||
                arguments[i + 1].trimmed().isEmpty()) {
                return {Command::Error, {}, Translated(kNoHost)};
            }
            parsed.host = arguments[++i];
            next = Command::TestServer;
        } else if (arg == QLatin1String("--find")) {
            if (i + 1 >= arguments.size() || arguments[i + 1].trimmed().isEmpty()) {
                return {Command::Error, {}, Translated(kNoText)};
            }
            parsed.text = arguments[++i];
            next = Command::Find;
        } else {
            return {Command::Error, {}, Translated(kUnknownOption).arg(arg)};
        }
        // Help and version win over everything; otherwise one command at a time.
        if (next == Command::Help || parsed.command == Command::Help) {
            parsed.command = Command::Help;
        } else if (next == Command::Version || parsed.command == Command::Version) {
            parsed.command = Command::Version;
        } else if (parsed.command != Command::StartProgram && parsed.command != next) {
            return {Command::Error, {}, Translated(kOneCommand)};
        } else {
            parsed.command = next;
        }
    }
    if (parsed.command == Command::Help || parsed.command == Command::Version) return parsed;
    if (!parsed.at.isEmpty() && parsed.command != Command::Print &&
        parsed.command != Command::Tip) {
        return UsageError(Translated(kAtAlone));
    }
    if (parsed.withinDays != 0 && parsed.command != Command::Meet &&
        parsed.command != Command::Changes) {
        return UsageError(Translated(kWithinAlone));
    }
    if (parsed.lengthMinutes != 0 && parsed.command != Command::Meet) {
        return UsageError(Translated(kLengthAlone));
    }
    return parsed;
}

QString UsageText() {
    QString text;
    for (const char* part : kUsage) text += Translated(part);
    return text;
}

void PrintClocks(AppState& state, QTextStream& out, Instant t) {
    for (int index : state.EnabledClocksInOrder()) {
        const ClockEntry& clock = state.Clocks()[static_cast<std::size_t>(index)];
        const std::string text = state.ZoneTimeText(index, true, t);
        out << OneLine(QString::fromStdString(clock.Label)) << '\t'
            << OneLine(QString::fromStdString(text)) << '\n';
    }
}

void PrintTip(AppState& state, QTextStream& out, Instant t) {
    out << OneLine(QString::fromStdString(state.TipText(t))) << '\n';
}

}  // namespace horavia
