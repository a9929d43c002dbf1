#include "app/command_line.h"

#include <QCoreApplication>

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
constexpr const char* kOneCommand =
    QT_TRANSLATE_NOOP("CommandLine", "choose one of --print, --tip, --test-server and --find");

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
    return parsed;
}

QString UsageText() {
    QString text;
    for (const char* part : kUsage) text += Translated(part);
    return text;
}

void PrintClocks(AppState& state, QTextStream& out) {
    for (int index : state.EnabledClocksInOrder()) {
        const ClockEntry& clock = state.Clocks()[static_cast<std::size_t>(index)];
        const std::string text = state.ZoneTimeText(index, true, state.services.clock.NowUtc());
        out << OneLine(QString::fromStdString(clock.Label)) << '\t'
            << OneLine(QString::fromStdString(text)) << '\n';
    }
}

void PrintTip(AppState& state, QTextStream& out) {
    out << OneLine(QString::fromStdString(state.TipText())) << '\n';
}

}  // namespace horavia
