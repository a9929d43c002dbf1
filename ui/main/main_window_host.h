// What the main window asks of the program around it: the tray form implements it.
#pragma once

#include <QPoint>
#include <string>

namespace horavia {

class MainWindowHost {
  public:
    virtual ~MainWindowHost() = default;
    // Pops up the tray menu at a screen position, "&Setup" marked as the default item or not.
    virtual void PopupMenuAt(const QPoint& globalPos, bool setupAsDefault) = 0;
    // The Setup command of the tray menu.
    virtual void mnuPopupSetup_Click() = 0;
    virtual void TraySetTip(const std::string& tip) = 0;
};

}  // namespace horavia
