#include "app/win/console_run.h"

#include <ostream>

#include "platform/platform.h"
#include "platform/stderr_messages.h"
#include "platform/system_time.h"
#include "platform/win/registry_settings_store.h"
#include "platform/win/win_locale.h"
#include "platform/win/win_registry.h"

namespace horavia {

struct ConsoleServices {
    std::unique_ptr<Platform> platform = CreatePlatform();
    WinRegistry registry;  // the settings; the zones come from the zone source
    std::unique_ptr<ZoneSource> zones = platform->CreateZoneSource();
    RegistrySettingsStore settings{registry};
    StderrMessages messages;
    SystemLocalZone localZone;
    SystemClock clock;
};

ConsoleRun::ConsoleRun() : services_(std::make_unique<ConsoleServices>()) {
    auto& s = *services_;
    state_ = std::make_unique<AppState>(
        Services{s.settings, s.registry, s.messages, s.localZone, s.clock, s.zones.get()},
        LocaleFromWindows());
}

ConsoleRun::~ConsoleRun() = default;

bool ConsoleRun::Load() {
    state_->LoadSettings();
    return state_->LoadCatalogue();
}

void WriteClockLines(AppState& state, std::ostream& out) {
    const Instant now = state.services.clock.NowUtc();
    for (int index : state.EnabledClocksInOrder()) {
        const ClockEntry& clock = state.Clocks()[static_cast<std::size_t>(index)];
        out << clock.Label << '\t' << state.ZoneTimeText(index, true, now) << '\n';
    }
}

void WriteTipLine(AppState& state, std::ostream& out) {
    out << state.TipText() << '\n';
}

}  // namespace horavia
