// Cost of one tick of the main window (the clock texts, the layout, the resize and the paint)
// with ordinary and with pathological settings: a format or a label of a megabyte, a huge
// font size. The counters give the window's size against the virtual desktop's.
//
// Run offscreen: QT_QPA_PLATFORM=offscreen build/bench/bench_main_window_tick
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <memory>
#include <string>

#include "model/zone_model.h"
#include "platform/system_clock_setter.h"
#include "sync/time_service.h"
#include "ui/main/clock_window.h"

namespace horavia {
namespace {

constexpr double kOneSecond = 1.0 / 86400;

class SilentMessages : public ImmediateMessageBoxes {
  protected:
    MsgAnswer AnswerNow(const MessageLines&, const std::string&, MsgButtons, MsgIcon) override {
        return MsgAnswer::Ok;
    }
};

struct Settings {
    std::string label = "Zulu";
    std::string format;  // the clock's own; empty uses the default
    std::string fontSize = "10";
    bool tenClocks = false;  // the pseudo-clocks and three zones, as bench/ten_clocks.sh writes
};

// A program state with one clock on UTC, loaded from the given settings as at start-up.
struct Loaded {
    explicit Loaded(const Settings& s) {
        const std::string zone = std::string(kZoneKeyPathNt) + "\\W. Europe Standard Time";
        RegWriteString(registry, RegRoot::LocalMachine, zone, "Display", "(UTC+01:00) Berlin");
        RegWriteString(registry, RegRoot::LocalMachine, zone, "Std", "W. Europe Standard Time");
        registry.SetValue(RegRoot::LocalMachine, zone, "TZI",
                          std::string("\xC4\xFF\xFF\xFF", 4) + std::string(40, '\0'));
        store.Save("SVersion", "2");
        store.Save("SZoneNum", "1");
        store.Save("S0Dis", s.label);
        store.Save("S0Fmt", s.format);
        store.Save("S0Zon", "0");
        store.Save("S0Ena", "True");
        if (s.tenClocks) {
            const char* clocks[][2] = {{"Julian", "2"},
                                       {"Stardate", "4"},
                                       {"People", "5"},
                                       {"Mars", "6"},
                                       {"Unix", "7"},
                                       {"Swatch", "8"},
                                       {"Berlin", "W. Europe Standard Time"},
                                       {"Paris", "W. Europe Standard Time"},
                                       {"Rome", "W. Europe Standard Time"}};
            int n = 1;
            for (const auto& clock : clocks) {
                const std::string key = "S" + std::to_string(n++);
                store.Save(key + "Dis", clock[0]);
                store.Save(key + "Zon", clock[1]);
                store.Save(key + "Ena", "True");
            }
            store.Save("SZoneNum", "10");
        }
        store.Save("FontSize", s.fontSize);
        state.LoadSettings();
        state.LoadCatalogue();
        window = std::make_unique<ClockWindow>(state);
        window->applyFont(state.preferences.Values().FontName, state.preferences.Values().FontSize);
        window->show();
        window->refresh();
    }

    MemorySettingsStore store;
    MemoryRegistry registry;
    SilentMessages messages;
    FixedLocalZone localZone;
    FixedClock clock{FromCivil(2026, 7, 1, 12, 0, 0)};
    AppState state{Services{store, registry, messages, localZone, clock}, EnglishUnitedStates()};
    std::unique_ptr<ClockWindow> window;
};

std::string Repeated(const std::string& piece, std::size_t bytes) {
    std::string out;
    out.reserve(bytes + piece.size());
    while (out.size() < bytes) out += piece;
    return out;
}

void BenchTick(benchmark::State& bench, const Settings& settings) {
    Loaded program(settings);
    for (auto _ : bench) {
        // What the program's tick does for a shown window: texts, layout, tip, repaint.
        program.clock.Set(program.clock.NowLocal() + kOneSecond);
        program.state.RefreshLocalZone();
        program.window->refresh();
        benchmark::DoNotOptimize(program.state.TipText());
        program.window->repaint();
    }
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    bench.counters["window_w"] = program.window->frameGeometry().width();
    bench.counters["window_h"] = program.window->frameGeometry().height();
    bench.counters["desktop_w"] = desktop.width();
    bench.counters["desktop_h"] = desktop.height();
}

constexpr std::size_t kMegabyte = 1 << 20;

BENCHMARK_CAPTURE(BenchTick, ordinary, Settings{});
BENCHMARK_CAPTURE(BenchTick, ten_clocks, Settings{"Zulu", "", "10", true});
BENCHMARK_CAPTURE(BenchTick, format_1MB_of_fields,
                  Settings{"Zulu", Repeated("hh:nn:ss ", kMegabyte), "10"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchTick, format_1MB_of_literal_text,
                  Settings{"Zulu", Repeated("\"literal\" ", kMegabyte), "10"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchTick, label_1MB, Settings{Repeated("Label ", kMegabyte), "", "10"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchTick, font_size_int32_max, Settings{"Zulu", "", "2147483647"})
    ->Unit(benchmark::kMillisecond);

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
