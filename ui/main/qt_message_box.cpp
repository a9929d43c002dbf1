#include "ui/main/qt_message_box.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include "ui/main/message_text.h"

namespace horavia {

namespace {

bool IsOrdinaryWindow(const QWidget* w) {
    if (w == nullptr || !w->isVisible()) return false;
    const Qt::WindowType type = w->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen;
}

}  // namespace

QMessageBox::Icon QtIconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

bool AnyWindowKeptOnTop() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows) {
        if (IsOrdinaryWindow(w) && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return true;
    }
    return false;
}

void QtMessageBoxes::SetTopmostWindow(std::function<QWidget*()> topmostWindow) {
    topmostWindow_ = std::move(topmostWindow);
}

QWidget* QtMessageBoxes::OwnerNow() const {
    QWidget* owner = QApplication::activeModalWidget();
    if (!IsOrdinaryWindow(owner)) owner = QApplication::activeWindow();
    if (IsOrdinaryWindow(owner)) return owner;
    owner = topmostWindow_ ? topmostWindow_() : nullptr;
    return IsOrdinaryWindow(owner) ? owner : nullptr;
}

MsgAnswer QtMessageBoxes::Show(const MessageLines& text, const std::string& title,
                               MsgButtons buttons, MsgIcon icon) {
    if (dismissed_) return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    const QString body = MessageText(text);
    // On the heap: the owner may be closed (and delete its children) while the box waits.
    QPointer<QMessageBox> box = new QMessageBox(QtIconOf(icon), QString::fromStdString(title), body,
                                                QMessageBox::NoButton, OwnerNow());
    box->setTextFormat(Qt::PlainText);
    if (buttons == MsgButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    // Never below a clock window kept on top, where it would look like a hang.
    if (AnyWindowKeptOnTop()) box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QTimer::singleShot(0, box, [box] {
        box->raise();
        box->activateWindow();
    });
    open_.push_back(box);
    const int answer = box->exec();
    std::erase(open_, box);
    std::erase(open_, nullptr);
    const bool yes = box && answer == QMessageBox::Yes;
    delete box.data();
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return yes ? MsgAnswer::Yes : MsgAnswer::No;
}

void QtMessageBoxes::DismissAll() {
    dismissed_ = true;
    for (const QPointer<QMessageBox>& box : open_) {
        if (box) box->done(0);
    }
}

}  // namespace horavia
