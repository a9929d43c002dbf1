// The small interfaces through which the model meets the outside world. Each has one real
// implementation in the platform layer and an in-memory fake for tests.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "model/day_count.h"
#include "model/instant.h"
#include "model/message.h"
#include "model/zone_time.h"
#include "tz/zone_rules.h"

namespace horavia {

inline constexpr const char* kAppTitle = "Horavia";

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Yes, No };

using MsgAnswered = std::function<void(MsgAnswer)>;

// Message boxes: text, title, buttons and icon in, the answer out through a callback once the
// box has closed. Nothing waits for a box: the caller returns at once, and what follows the
// answer runs in `answered`. Boxes open one at a time, in the order they were asked for, so
// that the user reads them in that order. The text comes as messages that the box turns into
// the user's language; the title is the program's name, which is not translated.
class MessageBoxPort {
  public:
    virtual ~MessageBoxPort() = default;
    // A question (or a notice whose closing the caller waits for). A question closed without
    // an answer counts as No; `answered` may be empty.
    virtual void Ask(const MessageLines& text, const std::string& title, MsgButtons buttons,
                     MsgIcon icon, MsgAnswered answered) = 0;
    // Runs `then` once every box open or waiting now has closed; at once when there is none.
    virtual void AfterOpenBoxes(std::function<void()> then) = 0;

    void Ask(const Message& text, const std::string& title, MsgButtons buttons, MsgIcon icon,
             MsgAnswered answered) {
        Ask(MessageLines{text}, title, buttons, icon, std::move(answered));
    }
    // A notice with an OK button that nobody waits for.
    void Tell(const MessageLines& text, const std::string& title, MsgIcon icon) {
        Ask(text, title, MsgButtons::Ok, icon, {});
    }
    void Tell(const Message& text, const std::string& title, MsgIcon icon) {
        Tell(MessageLines{text}, title, icon);
    }
};

// Boxes answered as soon as they are asked for, with nobody to wait for: messages written
// somewhere else (standard error), or a test's fake. None is ever left open.
class ImmediateMessageBoxes : public MessageBoxPort {
  public:
    using MessageBoxPort::Ask;
    void Ask(const MessageLines& text, const std::string& title, MsgButtons buttons, MsgIcon icon,
             MsgAnswered answered) override {
        const MsgAnswer answer = AnswerNow(text, title, buttons, icon);
        if (answered) answered(answer);
    }
    void AfterOpenBoxes(std::function<void()> then) override {
        if (then) then();
    }

  protected:
    virtual MsgAnswer AnswerNow(const MessageLines& text, const std::string& title,
                                MsgButtons buttons, MsgIcon icon) = 0;
};

// The computer's own zone as a timeline. Asking again follows a change of the computer's zone
// (the user chose another one); between such changes the same timeline answers for any
// instant, past or future.
class LocalZoneSource {
  public:
    virtual ~LocalZoneSource() = default;
    virtual std::shared_ptr<const ZoneRules> Rules() = 0;
    // The computer's clock reading at an instant, and a reading (a local day count, as
    // stored) read back as instants.
    DayCount ReadingAt(Instant t) { return ReadingOn(Rules().get(), t); }
    std::optional<LocalTimeLookup> LookUp(DayCount local) {
        // Through whole milliseconds on the time line, as the count was stored.
        if (!std::isfinite(local) || std::fabs(local) > 7'000'000.0) return std::nullopt;
        return LookUpReadingOn(Rules().get(), CivilTimeAt(UnixMsFromDayCount(local), 0));
    }
};

// "Now" on the computer's clock: the instant, and the local clock's reading as a day count.
class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual Instant NowUtc() = 0;
    virtual DayCount NowLocal() = 0;
};

// Fakes for tests and for runs without a desktop.
class FixedClock : public ClockSource {
  public:
    // A local reading and the bias in force with it (UTC = local + bias minutes).
    explicit FixedClock(DayCount now = 0, std::int32_t bias = 0) : now_(now), bias_(bias) {}
    Instant NowUtc() override { return InstantOfLocal(now_, bias_).value_or(Instant{}); }
    DayCount NowLocal() override { return now_; }
    void Set(DayCount now) { now_ = now; }
    void SetUtc(Instant now) { now_ = LocalDayCountAt(now, bias_); }

  private:
    DayCount now_;
    std::int32_t bias_;
};

// A computer zone that keeps one offset (seconds east of Greenwich).
class FixedLocalZone : public LocalZoneSource {
  public:
    explicit FixedLocalZone(std::int32_t offset = 0, bool isDst = false) { Set(offset, isDst); }
    std::shared_ptr<const ZoneRules> Rules() override { return rules_; }
    void Set(std::int32_t offset, bool isDst = false) {
        rules_ = std::make_shared<const FixedOffsetZone>(offset, isDst);
    }

  private:
    std::shared_ptr<const ZoneRules> rules_;
};

}  // namespace horavia
