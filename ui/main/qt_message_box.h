// Modal message boxes on Qt: text, title, OK or Yes/No, an icon; the answer comes back.
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <functional>
#include <vector>

#include "model/services.h"

namespace horavia {

class QtMessageBoxes : public MessageBoxPort {
  public:
    // topmostWindow: the window a box belongs to when no window of the program asks (the
    // active one); may return nullptr.
    void SetTopmostWindow(std::function<QWidget*()> topmostWindow);

    // The box belongs to the window that asks (the program's active window) or else to the
    // topmost clock window: it opens above it, stays above windows kept on top while one of
    // the program's windows is, and takes the focus.
    using MessageBoxPort::Show;
    MsgAnswer Show(const MessageLines& text, const std::string& title, MsgButtons buttons,
                   MsgIcon icon) override;

    // The window a box opened now would belong to.
    QWidget* OwnerNow() const;

    // The program is ending: open boxes close unanswered (a question counts as No) and no
    // further box is shown.
    void DismissAll();

  private:
    std::function<QWidget*()> topmostWindow_;
    std::vector<QPointer<QMessageBox>> open_;
    bool dismissed_ = false;
};

QMessageBox::Icon QtIconOf(MsgIcon icon);

// True while a shown window of the program is kept above other windows.
bool AnyWindowKeptOnTop();

}  // namespace horavia
