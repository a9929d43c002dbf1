// What the windowing system lets a program do with its own top-level windows.
#pragma once

#include <QString>

namespace horavia {

struct WindowLimits {
    bool positionsKnown = true;  // a window's position can be read and set
    bool keepsOnTop = true;      // a window can be kept above the others
};

// The limits under the Qt platform plugin of this name (QGuiApplication::platformName()). A
// Wayland compositor alone decides where windows go and which is on top: a client can neither
// read nor set its windows' positions, nor keep one above the others.
WindowLimits WindowLimitsOf(const QString& platformName);
// The limits of the platform the application runs on.
WindowLimits CurrentWindowLimits();

}  // namespace horavia
