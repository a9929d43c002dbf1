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

QtMessageBoxes::~QtMessageBoxes() {
    waiting_.clear();
    open_.reset();
    afterBoxes_.clear();
    delete openBox_.data();
}

void QtMessageBoxes::Ask(const MessageLines& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon, MsgAnswered answered) {
    Request request{MessageText(text), QString::fromStdString(title), buttons, icon,
                    std::move(answered)};
    if (dismissed_) return Answer(request, false);
    waiting_.push_back(std::move(request));
    // While an answer is being handed on, the boxes asked for before wait first.
    if (!open_ && waiting_.size() == 1) OpenNext();
}

void QtMessageBoxes::AfterOpenBoxes(std::function<void()> then) {
    if (!then) return;
    if (!open_ && waiting_.empty()) return then();
    afterBoxes_.push_back(std::move(then));
}

void QtMessageBoxes::Answer(Request& request, bool yes) {
    if (!request.answered) return;
    const MsgAnswered answered = std::move(request.answered);
    if (request.buttons == MsgButtons::Ok) return answered(MsgAnswer::Ok);
    answered(yes ? MsgAnswer::Yes : MsgAnswer::No);
}

void QtMessageBoxes::OpenNext() {
    while (!open_ && !waiting_.empty()) {
        Request next = std::move(waiting_.front());
        waiting_.pop_front();
        if (dismissed_) {
            Answer(next, false);
            continue;
        }
        open_ = std::move(next);
        Show(*open_);
    }
    if (open_ || !waiting_.empty()) return;
    std::vector<std::function<void()>> after;
    after.swap(afterBoxes_);
    for (const auto& then : after) then();
}

void QtMessageBoxes::Show(const Request& request) {
    // On the heap: the owner may be closed (and delete its children) while the box is open.
    auto* box = new QMessageBox(QtIconOf(request.icon), request.title, request.text,
                                QMessageBox::NoButton, OwnerNow());
    // Blocking every window of the program, as these boxes always have; open() would block
    // only the owner. First: a message box sets its window flags anew when told its modality.
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    if (request.buttons == MsgButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    // Never below a clock window kept on top, where it would look like a hang.
    if (AnyWindowKeptOnTop()) box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const std::uint64_t serial = ++serial_;
    QObject::connect(box, &QDialog::finished, &context_, [this, box, serial](int result) {
        box->deleteLater();
        Closed(serial, result == QMessageBox::Yes);
    });
    // Deleted with its owner, the box says nothing more: it counts as closed unanswered, told
    // once the owner's deletion is over.
    QObject::connect(box, &QObject::destroyed, &context_, [this, serial] {
        QTimer::singleShot(0, &context_, [this, serial] { Closed(serial, false); });
    });
    QTimer::singleShot(0, box, [box] {
        box->raise();
        box->activateWindow();
    });
    openBox_ = box;
    box->show();
}

void QtMessageBoxes::Closed(std::uint64_t serial, bool yes) {
    if (!open_ || serial != serial_) return;  // told already
    Request closed = std::move(*open_);
    open_.reset();
    openBox_ = nullptr;
    Answer(closed, yes);
    OpenNext();
}

void QtMessageBoxes::DismissAll() {
    dismissed_ = true;
    if (openBox_) {
        openBox_->done(0);
    } else {
        OpenNext();
    }
}

}  // namespace horavia
