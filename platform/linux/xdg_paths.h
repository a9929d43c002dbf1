// Where the user's configuration lives, by the XDG base-directory rules: the settings file
// and the autostart entry both start from here.
#pragma once

#include <QString>

#include "platform/config_folder.h"

namespace horavia {

// $HOME when it is set and not empty; otherwise the user's home from the password database
// (a program started without HOME, e.g. by a service manager, still finds the user's files);
// "/" when neither knows one.
QString UserHomeFolder();

// UserConfigFolder (platform/config_folder.h) is $XDG_CONFIG_HOME when it is an absolute path;
// otherwise (unset, empty or relative, which the XDG rules say to ignore) the home folder's
// ".config".

}  // namespace horavia
