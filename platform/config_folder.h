// Where the user's configuration lives on this platform: the settings file's folder is made
// below it. One implementation per platform, chosen in CMake (linux/xdg_paths.cpp,
// win/config_folder_win.cpp).
#pragma once

#include <QString>

namespace horavia {

QString UserConfigFolder();

}  // namespace horavia
