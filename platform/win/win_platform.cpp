// The platform on Windows: the zones from the registry, the log-on entry as the user's Run value,
// and the system's clock. Windows asks a program to end at log-off through the session manager,
// which Qt already reports (commitDataRequest), so there is nothing further to watch.
#include "model/registry_zone_source.h"
#include "platform/platform.h"
#include "platform/win/run_entry_win.h"
#include "platform/win/system_clock_setter_win.h"
#include "platform/win/win_registry.h"

namespace horavia {

namespace {

class WinPlatform final : public Platform {
  public:
    std::unique_ptr<ZoneSource> CreateZoneSource() override {
        return std::make_unique<RegistryZoneSource>(std::make_unique<WinRegistry>());
    }

    // The registry's zones are not named by tz id.
    std::shared_ptr<const ZoneRules> ZoneRulesOfTzId(const std::string&) override {
        return nullptr;
    }

    std::unique_ptr<SystemClockSetter> CreateClockSetter() override {
        return std::make_unique<WinSystemClockSetter>();
    }

    std::unique_ptr<PlatformWatch> WatchTerminationRequests(std::function<void()>) override {
        return std::make_unique<PlatformWatch>();
    }

    // The settings live in the user's own registry hive: no other user's files are at stake.
    bool RunsAsRoot() const override { return false; }

    bool EnableLogOnStart() override {
        WinRegistry registry;
        const std::string text = ProgramRunEntryText();
        return WriteRunEntry(registry, text) && !text.empty();
    }
    bool DisableLogOnStart() override {
        WinRegistry registry;
        return WriteRunEntry(registry, std::string());
    }
    bool IsLogOnStartEnabled() const override {
        WinRegistry registry;
        const std::optional<std::string> text = ReadRunEntry(registry);
        return text && !text->empty();
    }
};

}  // namespace

std::unique_ptr<Platform> CreatePlatform() {
    return std::make_unique<WinPlatform>();
}

}  // namespace horavia
