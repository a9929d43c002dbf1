// The small interfaces through which the model meets the outside world. Each has one real
// implementation in the platform layer and an in-memory fake for tests.
#pragma once

#include <cstdint>
#include <string>

#include "model/day_count.h"

namespace horavia {

inline constexpr const char* kAppTitle = "Horavia";

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Yes, No };

// A modal message box: text, title, buttons and icon in, the answer out.
class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    virtual MsgAnswer Show(const std::string& text, const std::string& title, MsgButtons buttons,
                           MsgIcon icon) = 0;
};

// The computer's own zone at the current instant: UTC = local + bias (minutes).
struct LocalZoneState {
    std::int32_t bias = 0;
    bool isDst = false;
};

class LocalZoneSource {
  public:
    virtual ~LocalZoneSource() = default;
    virtual LocalZoneState Query() = 0;
};

// "Now" on the computer's clock, as a local day count.
class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual DayCount NowLocal() = 0;
};

// Fakes for tests and for runs without a desktop.
class FixedClock : public ClockSource {
  public:
    explicit FixedClock(DayCount now = 0) : now_(now) {}
    DayCount NowLocal() override { return now_; }
    void Set(DayCount now) { now_ = now; }

  private:
    DayCount now_;
};

class FixedLocalZone : public LocalZoneSource {
  public:
    explicit FixedLocalZone(LocalZoneState state = {}) : state_(state) {}
    LocalZoneState Query() override { return state_; }
    void Set(LocalZoneState state) { state_ = state; }

  private:
    LocalZoneState state_;
};

}  // namespace horavia
