// Measures how the running program scales with the number of clocks, on the real settings
// file and the computer's zone database, offscreen: the window's start (settings, catalogue,
// clocks, first paint), one tick (texts, layout, repaint, tray tip), the setup dialog's Close
// and the program's Exit. The settings folder is prepared by bench/clock_scale.sh.
// The window is as tall as its rows: offscreen, every row is drawn on each repaint.
//   bench_clock_scale SETTINGS_FOLDER [TICKS]
// Prints one "name wall-milliseconds cpu-milliseconds" line per measure.
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <vector>

#include "model/registry.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/qt_locale.h"
#include "platform/qt_settings_store.h"
#include "platform/stderr_messages.h"
#include "platform/system_time.h"
#include "ui/program/program.h"
#include "ui/setup/setup_dialog.h"

namespace {

using namespace horavia;

class NoClockSetter : public SystemClockSetter {
  public:
    void SetTime(Instant, ClockSetPrompt, SetHandler done) override {
        done(ClockSetResult::Failed);
    }
};

// The measured program has no icon to keep up to date.
class NoNotificationArea : public NotificationArea {
  public:
    bool isPresent() override { return false; }
    TrayHostStyle hostStyle() override { return TrayHostStyle::ClickActivates; }
};

// Wall-clock and CPU time of one step: on a busy machine the CPU time is the steadier figure.
class Stopwatch {
  public:
    Stopwatch() { Restart(); }
    void Restart() {
        wall_.start();
        cpu_ = CpuMs();
    }
    double WallMs() const { return static_cast<double>(wall_.nsecsElapsed()) / 1e6; }
    double CpuMsSince() const { return CpuMs() - cpu_; }

  private:
    static double CpuMs() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }
    QElapsedTimer wall_;
    double cpu_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: bench_clock_scale SETTINGS_FOLDER [TICKS]\n";
        return 2;
    }
    const int ticks = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 5;
    QTextStream out(stdout);

    QtSettingsStore settings(QString::fromLocal8Bit(argv[1]));
    MemoryRegistry registry;  // not read: the zones come from the zone source
    std::unique_ptr<TzZoneSource> zones = MakeSystemTzZoneSource();
    StderrMessages messages;
    SystemLocalZone localZone;
    SystemClock systemClock;
    FixedClock clock(systemClock.NowLocal());  // moved on by a second per tick
    AppState state(Services{settings, registry, messages, localZone, clock, zones.get()},
                   LocaleFromQt());
    NoClockSetter clockSetter;
    ProgramOptions options;
    options.notificationArea = [] { return std::make_unique<NoNotificationArea>(); };
    options.openHelp = [] {};
    Program tray(state, clockSetter, options);

    const auto report = [&out](const char* name, double wallMs, double cpuMs) {
        out << name << ' ' << wallMs << ' ' << cpuMs << '\n' << Qt::flush;
    };
    Stopwatch watch;
    bool running = false;
    tray.start([&running](bool runs) { running = runs; });
    if (!running) return 1;
    QCoreApplication::processEvents();  // the first paint
    report("start", watch.WallMs(), watch.CpuMsSince());

    // The tick's own work (texts, layout, tray tip), and the whole tick with the repaint it
    // asks for, whose cost grows with the window's drawn area.
    std::vector<std::pair<double, double>> workMs, tickMs;  // CPU, wall
    for (int i = 0; i < ticks; ++i) {
        clock.Set(clock.NowLocal() + 1.0 / 86400.0);
        watch.Restart();
        tray.ticker().tickIfNewSecond();
        workMs.emplace_back(watch.CpuMsSince(), watch.WallMs());
        QCoreApplication::processEvents();
        tickMs.emplace_back(watch.CpuMsSince(), watch.WallMs());
    }
    for (auto* times : {&workMs, &tickMs}) {
        std::sort(times->begin(), times->end());
        const auto median = (*times)[times->size() / 2];
        report(times == &workMs ? "work" : "tick", median.second, median.first);
    }

    tray.openSetup();
    watch.Restart();
    tray.setupDialog()->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    report("close", watch.WallMs(), watch.CpuMsSince());

    watch.Restart();
    tray.shutDown();
    report("exit", watch.WallMs(), watch.CpuMsSince());
    return 0;
}
