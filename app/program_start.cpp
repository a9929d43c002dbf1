#include "app/program_start.h"

#include <QApplication>
#include <QSessionManager>

#include "app/root_notice.h"
#include "app/time_query_module.h"
#include "platform/font_preload.h"
#include "platform/localized_zone_names.h"
#include "platform/place_finder.h"
#include "platform/platform.h"
#include "platform/qt_locale.h"
#include "platform/qt_settings_store.h"
#include "platform/single_instance.h"
#include "platform/system_time.h"
#include "translations/program_translations.h"
#include "ui/main/program_identity.h"
#include "ui/main/qt_message_box.h"
#include "ui/program/program.h"

namespace horavia {

namespace {

// The program and what it is built on, made once this run holds the instance.
struct RunningProgram {
    RunningProgram(Platform& platform, ZoneSource* zones, QtSettingsStore& settings)
        : state(Services{settings, noRegistry, messages, localZone, clock, zones}, LocaleFromQt()),
          clockSetter(platform.CreateClockSetter()),
          program(state, *clockSetter, Options(platform)) {}

    static ProgramOptions Options(Platform& platform) {
        ProgramOptions options;
        options.serverQueries = ServerQueriesFromModule();  // networking loaded on the first query
        // A log-on entry that cannot be written or removed is not told: "Load on startup" stays
        // stored, and the next Close of the setup dialog tries again.
        options.logOnStart = [&platform](bool start) {
            start ? platform.EnableLogOnStart() : platform.DisableLogOnStart();
        };
        return options;
    }

    QtMessageBoxes messages;
    MemoryRegistry noRegistry;  // not read: the zones come from the zone source
    SystemLocalZone localZone;
    SystemClock clock;
    AppState state;
    std::unique_ptr<SystemClockSetter> clockSetter;
    Program program;
};

// Ends the event loop with `code` once it runs (at once when it runs already).
void ExitWhenRunning(int code) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [code] { QCoreApplication::exit(code); },
        Qt::QueuedConnection);
}

}  // namespace

int StartProgram(int argc, char** argv) {
    // The zone files and the font configuration are read on threads of their own while the
    // toolkit connects to the display.
    const std::unique_ptr<Platform> platform = CreatePlatform();
    const std::unique_ptr<ZoneSource> zones = platform->CreateZoneSource();
    FontConfigurationPreload fonts;
    QApplication app(argc, argv);
    fonts.Wait();
    QApplication::setQuitOnLastWindowClosed(false);  // the program lives in the tray
    // Before the first window or message; an Arabic translation also turns the windows around.
    ProgramTranslations translations;
    const LoadedTranslations language = translations.install(UserLanguages());
    // The zones' display texts in the same language (read once; English keeps the source's).
    std::unique_ptr<LocalizedZoneSource> localizedZones;
    if (zones) {
        localizedZones = std::make_unique<LocalizedZoneSource>(
            *zones, CompiledLocalizedZoneNames(language.language));
    }
    SetPlaceNamesLanguage(language.language);
    IdentifyProgram();
    TellIfRunningAsRoot(*platform);

    // Requests to end (log-out, a service manager, Ctrl+C) are taken from the first moment:
    // one that arrives while a start-up message box is open ends the program with its shut-down
    // save; one that arrives before the program exists ends the run with nothing to save. They
    // arrive through the event loop.
    std::unique_ptr<RunningProgram> running;
    bool endedBeforeStart = false;
    const std::unique_ptr<PlatformWatch> termination =
        platform->WatchTerminationRequests([&running, &endedBeforeStart] {
            if (running) {
                running->program.shutDown();
            } else {
                endedBeforeStart = true;
                ExitWhenRunning(0);
            }
        });

    QtSettingsStore settings;
    SingleInstance instance(QtSettingsStore::DefaultFolder());
    // Decided before any window or message box shows: a run that hands over shows nothing.
    instance.Claim([&](InstanceClaim claim) {
        if (endedBeforeStart) return;  // asked to end while the running one was asked
        if (claim == InstanceClaim::HandedOver) return ExitWhenRunning(0);
        running = std::make_unique<RunningProgram>(*platform, localizedZones.get(), settings);
        Program& program = running->program;
        QtMessageBoxes& messages = running->messages;
        messages.SetTopmostWindow([&program] { return program.topmostWindow(); });
        // However the program is asked to end, the same shut-down runs once and nothing is lost.
        QObject::connect(&program, &Program::endRequested, &program,
                         [&messages] { messages.DismissAll(); });
        QObject::connect(&program, &Program::ended, &app, &QCoreApplication::quit);
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &program,
                         [&program](QSessionManager&) { program.shutDown(); });
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &program,
                         [&program] { program.shutDown(); });
        QObject::connect(&instance, &SingleInstance::comeForwardRequested, &program,
                         [&program] { program.bringForward(); });
        program.start([&program](bool runs) {
            if (!runs) ExitWhenRunning(program.hasEnded() ? 0 : 1);
        });
    });
    const int code = app.exec();
    running.reset();  // before the settings store it writes to
    return code;
}

}  // namespace horavia
