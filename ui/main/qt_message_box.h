// Message boxes on Qt: text, title, OK or Yes/No, an icon; the answer comes back once the box
// has closed, through the event loop, never from a loop of the box's own.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "model/services.h"

namespace horavia {

class QtMessageBoxes : public MessageBoxPort {
  public:
    QtMessageBoxes() = default;
    // Boxes still open close without telling anyone: those who asked are gone too.
    ~QtMessageBoxes() override;
    QtMessageBoxes(const QtMessageBoxes&) = delete;
    QtMessageBoxes& operator=(const QtMessageBoxes&) = delete;

    // topmostWindow: the window a box belongs to when no window of the program asks (the
    // active one); may return nullptr.
    void SetTopmostWindow(std::function<QWidget*()> topmostWindow);

    // The box belongs to the window that asks (the program's active window) or else to the
    // topmost clock window: it opens above it, stays above windows kept on top while one of
    // the program's windows is, and takes the focus. It blocks the program's other windows
    // while it is open, as a question always did. One box at a time: a box asked for while
    // another is open opens once that one has closed.
    using MessageBoxPort::Ask;
    void Ask(const MessageLines& text, const std::string& title, MsgButtons buttons, MsgIcon icon,
             MsgAnswered answered) override;
    void AfterOpenBoxes(std::function<void()> then) override;

    // The window a box opened now would belong to.
    QWidget* OwnerNow() const;
    // The box open now; null when none is.
    QMessageBox* OpenBox() const { return openBox_.data(); }

    // The program is ending: open boxes close unanswered (a question counts as No) and no
    // further box is shown.
    void DismissAll();

  private:
    struct Request {
        QString text;
        QString title;
        MsgButtons buttons;
        MsgIcon icon;
        MsgAnswered answered;
    };
    // Opens the first waiting box, or, with none left, runs what waits for the boxes.
    void OpenNext();
    void Show(const Request& request);
    // The box opened as `serial` has closed; yes: with its Yes button.
    void Closed(std::uint64_t serial, bool yes);
    static void Answer(Request& request, bool yes);

    std::function<QWidget*()> topmostWindow_;
    std::deque<Request> waiting_;
    std::optional<Request> open_;  // the request whose box is open
    QPointer<QMessageBox> openBox_;
    std::uint64_t serial_ = 0;  // counts the boxes opened
    std::vector<std::function<void()>> afterBoxes_;
    bool dismissed_ = false;
    QObject context_;  // the boxes' signals arrive here, and only while this object lives
};

QMessageBox::Icon QtIconOf(MsgIcon icon);

// True while a shown window of the program is kept above other windows.
bool AnyWindowKeptOnTop();

}  // namespace horavia
