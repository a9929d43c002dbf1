// The one line a run as root starts with.
#pragma once

#include "platform/platform.h"

namespace horavia {

// Under root (as `sudo -E` starts the program, with a user's configuration folder), says so on
// standard error, in the user's language: links to the settings are then followed only when
// root owns them.
void TellIfRunningAsRoot(const Platform& platform);

}  // namespace horavia
