// Shows one of the program's dialogs over this computer's zone database, for looking at it at
// other fonts and scales (screenshots; see tools/dialog_screenshots.sh):
//   dialogs_preview setup|settings|timesync|format|servertest|editor|convert [POINTS]
// POINTS sets the application font's size, as a desktop's font setting would; QT_SCALE_FACTOR
// sets the scale.
#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "model/registry.h"
#include "model/zone_model.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/localized_zone_names.h"
#include "platform/place_finder.h"
#include "platform/qt_locale.h"
#include "platform/stderr_messages.h"
#include "platform/system_time.h"
#include "translations/program_translations.h"
#include "ui/convert/converter_window.h"
#include "ui/editor/clock_editor.h"
#include "ui/setup/server_test_dialog.h"
#include "ui/setup/setup_dialog.h"
#include "ui/setup/time_sync_page.h"

namespace {

using namespace horavia;

// The first servers answer at once, so the progress list fills; the rest never answer, so the
// window stays open.
class InstantQuery : public TimeQueryPort {
  public:
    bool StartQuery(const std::string&, AnswerHandler done) override {
        if (++asked_ <= 9) QTimer::singleShot(20, [done = std::move(done)] { done(TimeAnswer{}); });
        return true;
    }

  private:
    int asked_ = 0;
};

void StoreClocks(SettingsStore& store) {
    const char* clocks[][2] = {{"London", "GMT Standard Time"},
                               {"Denver", "Mountain Standard Time"},
                               {"Berlin", "W. Europe Standard Time"},
                               {"Adelaide", "Cen. Australia Standard Time"},
                               {"Kathmandu", "Nepal Standard Time"}};
    int n = 0;
    for (const auto& [label, zone] : clocks) {
        const std::string key = "S" + std::to_string(n++);
        store.Save(key + "Dis", label);
        store.Save(key + "Zon", zone);
        store.Save(key + "Ena", "True");
    }
    store.Save("SZoneNum", std::to_string(n));
    store.Save("SVersion", "2");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ProgramTranslations translations;  // LANGUAGE=ar shows the dialogs in Arabic
    const LoadedTranslations language = translations.install(UserLanguages());
    SetPlaceNamesLanguage(language.language);
    const QString which = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("setup");
    if (argc > 2) {
        QFont font = QApplication::font();
        font.setPointSize(QString::fromLocal8Bit(argv[2]).toInt());
        QApplication::setFont(font);
    }
    MemoryRegistry registry;  // not read: the zones come from the zone source
    std::unique_ptr<TzZoneSource> systemZones = MakeSystemTzZoneSource();
    // The zones' texts in the same language, as the program shows them.
    LocalizedZoneSource localizedZones(*systemZones, CompiledLocalizedZoneNames(language.language));
    ZoneSource* zones = &localizedZones;
    MemorySettingsStore store;
    StoreClocks(store);
    StderrMessages messages;
    SystemLocalZone localZone;
    SystemClock clock;
    AppState state{Services{store, registry, messages, localZone, clock, zones}, LocaleFromQt()};
    state.LoadSettings();
    if (!state.LoadCatalogue()) return 1;

    InstantQuery query;
    std::unique_ptr<QWidget> window;
    const QStringList tabs{"setup", "settings", "timesync", "format"};
    if (tabs.contains(which)) {
        auto setup = std::make_unique<SetupDialog>(state);
        setup->findChild<QTabWidget*>(QStringLiteral("tabs"))
            ->setCurrentIndex(static_cast<int>(tabs.indexOf(which)));
        window = std::move(setup);
    } else if (which == QLatin1String("servertest")) {
        auto test = std::make_unique<ServerTestDialog>(query, clock, messages);
        std::vector<std::string> servers(kTimeServers.begin(), kTimeServers.end());
        test->testServers(servers, kDefaultServer);
        window = std::move(test);
    } else if (which == QLatin1String("editor")) {
        auto editor = std::make_unique<ClockEditor>(state);
        editor->prepareClock(1);  // Denver, whose zone text is the longest of the clocks
        window = std::move(editor);
    } else if (which == QLatin1String("convert")) {
        window = std::make_unique<ConverterWindow>(state, messages);
    } else {
        std::fprintf(stderr, "unknown dialog %s\n", argv[1]);
        return 2;
    }
    window->move(40, 40);
    window->show();
    return QApplication::exec();
}
