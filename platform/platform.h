// What the program needs from the operating system beyond Qt, behind one interface. Each
// platform has one implementation, which CMake picks; the program reaches it only through here.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "model/services.h"
#include "model/zone_source.h"
#include "platform/system_clock_setter.h"

namespace horavia {

// Something that keeps working for as long as its owner keeps it.
class PlatformWatch {
  public:
    virtual ~PlatformWatch() = default;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // The computer's time zones, for the zone catalogue.
    virtual std::unique_ptr<ZoneSource> CreateZoneSource() = 0;

    // The timeline of a tz id ("America/Lima") as the system's zone database has it; nullptr
    // where the platform keeps no zones by tz id (Windows: the caller takes the catalogue
    // zone's).
    virtual std::shared_ptr<const ZoneRules> ZoneRulesOfTzId(const std::string& tzId) = 0;

    // Sets the computer's clock.
    virtual std::unique_ptr<SystemClockSetter> CreateClockSetter() = 0;

    // Calls onRequest on the event loop each time the program is asked from outside to end
    // (log-out, a service manager, Ctrl+C), for as long as the returned object lives.
    virtual std::unique_ptr<PlatformWatch> WatchTerminationRequests(
        std::function<void()> onRequest) = 0;

    // Whether the program runs as the superuser, who may be reading another user's settings
    // (started with that user's environment).
    virtual bool RunsAsRoot() const = 0;

    // Starting the program when the user logs on ("Load on startup"): the XDG autostart entry
    // on Linux, the user's Run value on Windows. Enabling names this program's own file;
    // disabling leaves no entry that starts it. False when the entry could not be written,
    // removed or read.
    virtual bool EnableLogOnStart() = 0;
    virtual bool DisableLogOnStart() = 0;
    virtual bool IsLogOnStartEnabled() const = 0;
};

// This platform's implementation.
std::unique_ptr<Platform> CreatePlatform();

}  // namespace horavia
