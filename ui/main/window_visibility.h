// Showing or hiding the main window, and the log-on start entry.
#pragma once

#include <QString>
#include <string>

#include "model/startup_entry.h"
#include "model/zone_model.h"

namespace horavia {

inline constexpr const char* kMenuShowCaption = "S&how";
inline constexpr const char* kMenuHideCaption = "&Hide";

// Everything that shows the choice of ShowMainWindow; the tray form implements it.
class VisibilityTargets {
  public:
    virtual ~VisibilityTargets() = default;
    // The setup dialog's "Show window" check box.
    virtual void SetShowWindowCheck(bool checked) = 0;
    // The caption of the tray menu's Show/Hide item.
    virtual void SetShowMenuCaption(const QString& caption) = 0;
    virtual bool IsEditorVisible() const = 0;
    // Creates the main window first when it was closed with its close box.
    virtual void SetMainWindowVisible(bool visible) = 0;
};

// Records the choice (setting, check box, menu caption, settings store), then shows or hides
// the main window unless the clock editor is open: the window then follows the choice the
// next time.
void ShowMainWindow(AppState& state, VisibilityTargets& targets, bool show);

// Empties every copy of the log-on entry, then writes the program (or the empty text when
// StartUp is off) under the user's Run key. Failed writes are ignored.
void RegisterStartUp(AppState& state, const std::string& quotedProgramPath);

// This program's file in double quotes, as the log-on entry names it, with the system's own
// separators (backslashes on Windows).
std::string QuotedProgramPath();

}  // namespace horavia
