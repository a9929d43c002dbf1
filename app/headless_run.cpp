#include "app/headless_run.h"

#include <QCoreApplication>
#include <cstdio>

#include "app/root_notice.h"
#include "platform/platform.h"
#include "platform/qt_locale.h"
#include "platform/qt_settings_store.h"
#include "platform/stderr_messages.h"
#include "platform/system_time.h"
#include "ui/main/message_text.h"

namespace horavia {

class HeadlessServices {
  public:
    QtSettingsStore settings;
    std::unique_ptr<Platform> platform = CreatePlatform();
    MemoryRegistry noRegistry;  // not read: the zones come from the zone source
    std::unique_ptr<ZoneSource> zones = platform->CreateZoneSource();
    StderrMessages messages{MessageUtf8};
    SystemLocalZone localZone;
    SystemClock clock;
};

HeadlessRun::HeadlessRun() : services_(std::make_unique<HeadlessServices>()) {
    auto& s = *services_;
    state_ = std::make_unique<AppState>(
        Services{s.settings, s.noRegistry, s.messages, s.localZone, s.clock, s.zones.get()},
        LocaleFromQt());
}

HeadlessRun::~HeadlessRun() = default;

bool HeadlessRun::Load() {
    TellIfRunningAsRoot(*services_->platform);
    state_->LoadSettings();
    const auto problem = services_->settings.Problem();
    if (problem && problem->kind == SettingsProblem::Kind::Read) {
        // Clocks made up from the defaults would be a wrong answer.
        ReportSettingsProblem();
        return false;
    }
    if (!state_->LoadCatalogue()) return false;
    if (state_->clockListOverLimit) {
        //: Written to standard error; %n is the most clocks the program keeps.
        const QString line = QCoreApplication::translate(
            "HeadlessRun", "more than %n clocks are stored; only the first %n are read", nullptr,
            kMaxClocks);
        std::fprintf(stderr, "horavia: %s\n", line.toLocal8Bit().constData());
    }
    return true;
}

bool HeadlessRun::ReportSettingsProblem() {
    const auto problem = services_->settings.Problem();
    if (!problem) return false;
    std::fprintf(stderr, "horavia: %s\n", MessageUtf8({SettingsProblemLine(*problem)}).c_str());
    return true;
}

}  // namespace horavia
