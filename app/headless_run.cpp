#include "app/headless_run.h"

#include "platform/linux/tz_registry.h"
#include "platform/qt_locale.h"
#include "platform/qt_settings_store.h"
#include "platform/stderr_messages.h"
#include "platform/system_time.h"

namespace horavia {

class HeadlessServices {
  public:
    QtSettingsStore settings;
    std::unique_ptr<TzRegistry> registry = MakeSystemTzRegistry();
    StderrMessages messages;
    SystemLocalZone localZone;
    SystemClock clock;
};

HeadlessRun::HeadlessRun() : services_(std::make_unique<HeadlessServices>()) {
    auto& s = *services_;
    state_ = std::make_unique<AppState>(
        Services{s.settings, *s.registry, s.messages, s.localZone, s.clock}, LocaleFromQt());
}

HeadlessRun::~HeadlessRun() = default;

bool HeadlessRun::Load() {
    PreferencesView noWindows;
    state_->LoadSettings(noWindows);
    return state_->LoadCatalogue();
}

}  // namespace horavia
