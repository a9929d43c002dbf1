#include <QStandardPaths>

#include "platform/config_folder.h"

namespace horavia {

// The user's local application data (%LOCALAPPDATA%). The settings themselves live in the
// registry; the folder still names the one running instance per user.
QString UserConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

}  // namespace horavia
