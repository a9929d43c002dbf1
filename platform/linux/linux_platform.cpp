// The platform on Linux: the zones from the tz database, the log-on entry as an XDG autostart
// entry, the clock set through timedated, and the termination signals.
#include <unistd.h>

#include <QCoreApplication>

#include "platform/background_zone_source.h"
#include "platform/linux/autostart_entry.h"
#include "platform/linux/system_clock_setter.h"
#include "platform/linux/termination_signals.h"
#include "platform/linux/tz_zone_source.h"
#include "platform/linux/zone_file.h"
#include "platform/platform.h"

namespace horavia {

namespace {

class TerminationWatch final : public PlatformWatch {
  public:
    explicit TerminationWatch(std::function<void()> onRequest) {
        QObject::connect(&termination_, &TerminationSignals::terminationRequested, &termination_,
                         [onRequest = std::move(onRequest)](int) { onRequest(); });
    }

  private:
    TerminationSignals termination_;
};

class LinuxPlatform final : public Platform {
  public:
    std::unique_ptr<ZoneSource> CreateZoneSource() override {
        // The table is read here (the toolkit's resources); only the zone files on the thread.
        return std::make_unique<BackgroundZoneSource>(
            [table = ZoneTableResourceText().toStdString()]() -> std::unique_ptr<ZoneSource> {
                return std::make_unique<TzZoneSource>(table);
            });
    }

    std::shared_ptr<const ZoneRules> ZoneRulesOfTzId(const std::string& tzId) override {
        std::optional<ZoneTimeline> timeline = LoadZoneTimeline(tzId);  // a plain id only
        if (!timeline) return nullptr;
        return std::make_shared<const ZoneTimeline>(std::move(*timeline));
    }

    std::unique_ptr<SystemClockSetter> CreateClockSetter() override {
        return std::make_unique<LinuxSystemClockSetter>();
    }

    std::unique_ptr<PlatformWatch> WatchTerminationRequests(
        std::function<void()> onRequest) override {
        return std::make_unique<TerminationWatch>(std::move(onRequest));
    }

    bool RunsAsRoot() const override { return ::geteuid() == 0; }

    // The entry starts this program's file, which it names in double quotes. It is written
    // afresh each time: the old entry (or a link of the user's in its place) is removed first,
    // so the new file has the default permissions and no link is written through.
    bool EnableLogOnStart() override {
        autostart_.WriteRunText(std::string());
        return autostart_.WriteRunText('"' + QCoreApplication::applicationFilePath().toStdString() +
                                       '"');
    }
    bool DisableLogOnStart() override { return autostart_.WriteRunText(std::string()); }
    bool IsLogOnStartEnabled() const override {
        const std::optional<std::string> text = autostart_.ReadRunText();
        return text && !text->empty();
    }

  private:
    // The folder is the one of the environment the program started with.
    AutostartEntry autostart_{UserAutostartFolder()};
};

}  // namespace

std::unique_ptr<Platform> CreatePlatform() {
    return std::make_unique<LinuxPlatform>();
}

}  // namespace horavia
