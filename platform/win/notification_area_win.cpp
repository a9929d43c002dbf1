// The taskbar's notification area is always there; when the taskbar is re-created the
// toolkit adds the icon again by itself.
#include "platform/notification_area.h"

namespace horavia {

namespace {

class TaskbarNotificationArea final : public NotificationArea {
  public:
    bool isPresent() override { return true; }
    TrayHostStyle hostStyle() override { return TrayHostStyle::ClickActivates; }
};

}  // namespace

std::unique_ptr<NotificationArea> CreateNotificationArea() {
    return std::make_unique<TaskbarNotificationArea>();
}

}  // namespace horavia
