#include "platform/notification_area.h"

namespace horavia {

NotificationArea::~NotificationArea() = default;

}  // namespace horavia
