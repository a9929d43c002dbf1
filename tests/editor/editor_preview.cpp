// Shows the clock editor over this computer's zone database, for looking at it by eye:
//   editor_preview ["Windows zone key"]   (e.g. "W. Europe Standard Time")
// New is prepared, then the zone is chosen as a user would, so the map lights it up.
// Screenshots without a desktop: Xvfb :76 -screen 0 1280x800x24 -nolisten tcp &
// then DISPLAY=:76 editor_preview "AUS Eastern Standard Time" & and import -window root shot.png
#include <QApplication>
#include <QComboBox>
#include <cstdio>

#include "model/registry.h"
#include "model/zone_model.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/qt_locale.h"
#include "platform/stderr_messages.h"
#include "platform/system_time.h"
#include "ui/editor/clock_editor.h"

int main(int argc, char** argv) {
    using namespace horavia;
    QApplication app(argc, argv);
    MemoryRegistry registry;  // not read: the zones come from the zone source
    std::unique_ptr<TzZoneSource> zones = MakeSystemTzZoneSource();
    MemorySettingsStore store;
    StderrMessages messages;
    SystemLocalZone localZone;
    SystemClock clock;
    AppState state{Services{store, registry, messages, localZone, clock, zones.get()},
                   LocaleFromQt()};

    ClockEditor editor(state);
    state.LoadSettings();
    if (!state.LoadCatalogue([&] { editor.sortZoneList(); })) return 1;
    editor.prepareNewClock();
    if (argc > 1) {
        const int zone = DecodeZoneRef(state.catalogue, argv[1]);
        if (zone < kFirstRegistryZone) {
            std::fprintf(stderr, "no zone with the key %s\n", argv[1]);
            return 2;
        }
        // Chosen in the list as a user would, so the map lights the zone up.
        auto* list = editor.findChild<QComboBox*>(QStringLiteral("zoneCombo"));
        if (list != nullptr) list->setCurrentIndex(list->findData(zone));
    }
    editor.move(40, 40);
    editor.show();
    return app.exec();
}
