#include "app/program_start.h"

#include <QApplication>
#include <QSessionManager>

#include "app/root_notice.h"
#include "app/time_query_module.h"
#include "platform/font_preload.h"
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
    translations.install(UserLanguages());
    IdentifyProgram();
    TellIfRunningAsRoot(*platform);

    // Requests to end (log-out, a service manager, Ctrl+C) are taken from the first moment:
    // one that arrives while the start-up waits in a message box ends the program with its
    // shut-down save. They arrive through the event loop, which first runs once the program
    // exists (in a start-up message box at the earliest).
    Program* program = nullptr;
    const std::unique_ptr<PlatformWatch> termination =
        platform->WatchTerminationRequests([&program] {
            if (program != nullptr) program->shutDown();
        });

    QtSettingsStore settings;
    SingleInstance instance(QtSettingsStore::DefaultFolder());
    if (instance.Claim() == InstanceClaim::HandedOver) return 0;

    QtMessageBoxes messages;
    MemoryRegistry noRegistry;  // not read: the zones come from the zone source
    SystemLocalZone localZone;
    SystemClock clock;
    AppState state(Services{settings, noRegistry, messages, localZone, clock, zones.get()},
                   LocaleFromQt());
    const std::unique_ptr<SystemClockSetter> clockSetter = platform->CreateClockSetter();

    ProgramOptions options;
    options.serverQueries = ServerQueriesFromModule();  // networking loaded on the first query
    // A log-on entry that cannot be written or removed is not told: "Load on startup" stays
    // stored, and the next Close of the setup dialog tries again.
    options.logOnStart = [&platform = *platform](bool start) {
        start ? platform.EnableLogOnStart() : platform.DisableLogOnStart();
    };
    Program running(state, *clockSetter, std::move(options));
    program = &running;
    messages.SetTopmostWindow([&running] { return running.topmostWindow(); });
    // However the program is asked to end, the same shut-down runs once and nothing is lost.
    QObject::connect(&running, &Program::endRequested, &running,
                     [&messages] { messages.DismissAll(); });
    QObject::connect(&running, &Program::ended, &app, &QCoreApplication::quit);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &running,
                     [&running](QSessionManager&) { running.shutDown(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &running,
                     [&running] { running.shutDown(); });
    QObject::connect(&instance, &SingleInstance::comeForwardRequested, &running,
                     [&running] { running.bringForward(); });
    if (!running.start()) return running.hasEnded() ? 0 : 1;
    return app.exec();
}

}  // namespace horavia
