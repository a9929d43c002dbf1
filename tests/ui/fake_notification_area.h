// A notification area that is there or not, with a host of the test's choice, and that
// appears when the test says so.
#pragma once

#include "platform/notification_area.h"

namespace horavia::testing {

class FakeNotificationArea final : public NotificationArea {
  public:
    FakeNotificationArea(bool present, TrayHostStyle style) : present_(present), style_(style) {}

    bool isPresent() override { return present_; }
    TrayHostStyle hostStyle() override { return style_; }

    // The panel starts: the area is there from now on.
    void appear() {
        present_ = true;
        emit appeared();
    }
    // Another panel, whose host treats the icon its own way, takes the area over.
    void takeOver(TrayHostStyle style) {
        style_ = style;
        appear();
    }

  private:
    bool present_;
    TrayHostStyle style_;
};

}  // namespace horavia::testing
