#include "app/program_start.h"

#include <QApplication>
#include <QSessionManager>

#include "app/single_instance.h"
#include "platform/platform.h"
#include "platform/qt_locale.h"
#include "platform/qt_settings_store.h"
#include "platform/system_time.h"
#include "ui/main/program_identity.h"
#include "ui/main/qt_message_box.h"
#include "ui/tray/frm_ti.h"

namespace horavia {

int StartProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // the program lives in the tray
    IdentifyProgram();

    QtSettingsStore settings;
    SingleInstance instance(InstanceNameFor(QtSettingsStore::DefaultFolder()));
    if (instance.HandOverToRunning()) return 0;
    instance.Listen();

    QtMessageBoxes messages;
    const std::unique_ptr<Platform> platform = CreatePlatform();
    const std::unique_ptr<RegistryBackend> registry = platform->CreateRegistry();
    SystemLocalZone localZone;
    SystemClock clock;
    AppState state(Services{settings, *registry, messages, localZone, clock}, LocaleFromQt());
    const std::unique_ptr<SystemClockSetter> clockSetter = platform->CreateClockSetter(localZone);

    frmTI tray(state, *clockSetter);
    messages.SetTopmostWindow([&tray] { return tray.TopmostClockWindow(); });
    if (!tray.Form_Load()) return 1;

    // However the program is asked to end, the same shut-down runs once and nothing is lost.
    QObject::connect(&tray, &frmTI::programEnded, &app, &QCoreApplication::quit);
    const std::unique_ptr<PlatformWatch> termination =
        platform->WatchTerminationRequests([&tray] { tray.Form_Unload(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &tray,
                     [&tray](QSessionManager&) { tray.Form_Unload(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &tray, [&tray] { tray.Form_Unload(); });
    QObject::connect(&instance, &SingleInstance::comeForwardRequested, &tray,
                     [&tray] { tray.BringForward(); });
    return app.exec();
}

}  // namespace horavia
