// Cost of one planning step in the clock window: a Right key moves every clock a quarter hour,
// which lays the rows out at the new instant (times, working-hours marks, the planning line)
// and repaints them. With 10 and with 100 clocks, all with working hours.
//
// Run offscreen: QT_QPA_PLATFORM=offscreen build/bench/bench_plan_step
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <memory>
#include <string>

#include "model/zone_model.h"
#include "platform/system_clock_setter.h"
#include "sync/time_service.h"
#include "ui/main/clock_window.h"

namespace horavia {
namespace {

class SilentMessages : public ImmediateMessageBoxes {
  protected:
    MsgAnswer AnswerNow(const MessageLines&, const std::string&, MsgButtons, MsgIcon) override {
        return MsgAnswer::Ok;
    }
};

// A program state with `count` clocks, every other one on Berlin, the rest on UTC, and the
// default working hours on; the window shown.
struct Loaded {
    explicit Loaded(int count) {
        const std::string zone = std::string(kZoneKeyPathNt) + "\\W. Europe Standard Time";
        RegWriteString(registry, RegRoot::LocalMachine, zone, "Display", "(UTC+01:00) Berlin");
        RegWriteString(registry, RegRoot::LocalMachine, zone, "Std", "W. Europe Standard Time");
        registry.SetValue(RegRoot::LocalMachine, zone, "TZI",
                          std::string("\xC4\xFF\xFF\xFF", 4) + std::string(40, '\0'));
        store.Save("SVersion", "2");
        store.Save("SZoneNum", std::to_string(count));
        for (int n = 0; n < count; ++n) {
            const std::string key = "S" + std::to_string(n);
            store.Save(key + "Dis", "Clock " + std::to_string(n));
            store.Save(key + "Zon", n % 2 == 0 ? "0" : "W. Europe Standard Time");
            store.Save(key + "Ena", "True");
        }
        store.Save("WorkDefault", "True");
        state.LoadSettings();
        state.LoadCatalogue();
        window = std::make_unique<ClockWindow>(state);
        window->show();
        window->refresh();
        QCoreApplication::processEvents();
    }

    MemorySettingsStore store;
    MemoryRegistry registry;
    SilentMessages messages;
    FixedLocalZone localZone;
    FixedClock clock{FromCivil(2026, 7, 1, 12, 0, 0)};
    AppState state{Services{store, registry, messages, localZone, clock}, EnglishUnitedStates()};
    std::unique_ptr<ClockWindow> window;
};

void BenchPlanStep(benchmark::State& bench, int clocks) {
    Loaded program(clocks);
    for (auto _ : bench) {
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QCoreApplication::sendEvent(program.window.get(), &right);
        QCoreApplication::processEvents();  // the repaint the step asked for
    }
    bench.counters["rows"] = program.window->paintLayout().rows;
}

BENCHMARK_CAPTURE(BenchPlanStep, clocks_10, 10)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchPlanStep, clocks_100, 100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace horavia

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
