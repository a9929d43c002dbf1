// What the setup dialog asks of the program around it: the main window, the clock editor and
// the log-on entry, which are created after the dialog. The tray form implements it.
#pragma once

#include <cstdint>
#include <string>

namespace horavia {

class SetupHost {
  public:
    virtual ~SetupHost() = default;
    // Writes or clears the log-on entry per the StartUp setting.
    virtual void RegisterStartUp() = 0;
    virtual void SetAlwaysOnTop(bool onTop) = 0;
    virtual void ApplyMainWindowFont(const std::string& name, std::int32_t points) = 0;
    // The clock editor: re-sort its zone list by SortBy, or open it modally.
    virtual void SortEditorList() = 0;
    virtual void ShowEditorNew() = 0;
    virtual void ShowEditorEdit(int slot) = 0;
};

}  // namespace horavia
