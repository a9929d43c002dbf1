// Message boxes belong to the window that asks, or to the topmost clock window, never open
// below a window kept on top, and take the focus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "ui/main/qt_message_box.h"

namespace horavia {
namespace {

// What the box looked like once it had the focus; then it is answered with `answer`.
struct SeenBox {
    bool seen = false;
    QWidget* parent = nullptr;
    bool keptOnTop = false;
    bool active = false;
    QString text;
};

// Watches for the next box, notes it, and presses `answer`; `whileOpen` runs first if given.
class BoxAnswerer : public QObject {
  public:
    explicit BoxAnswerer(QMessageBox::StandardButton answer,
                         std::function<void()> whileOpen = nullptr)
        : answer_(answer), whileOpen_(std::move(whileOpen)) {
        connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
        poll_.start(10);
    }
    SeenBox seen;

  private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        // Give the box a moment to take the focus, as it asks to when shown.
        if (QApplication::activeWindow() != box && ++waits_ < 50) return;
        poll_.stop();
        seen = {true, box->parentWidget(), box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                QApplication::activeWindow() == box, box->text()};
        if (whileOpen_) {
            whileOpen_();
            return;
        }
        if (QAbstractButton* button = box->button(answer_)) button->click();
    }
    QMessageBox::StandardButton answer_;
    std::function<void()> whileOpen_;
    QTimer poll_;
    int waits_ = 0;
};

class MessageBoxes : public ::testing::Test {
  protected:
    MessageBoxes() {
        clockWindow.setWindowTitle(QStringLiteral("clocks"));
        messages.SetTopmostWindow(
            [this] { return clockWindow.isVisible() ? &clockWindow : nullptr; });
    }
    void TearDown() override {
        asker.hide();
        clockWindow.hide();
    }
    static void Activate(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget clockWindow;
    QWidget asker;
    QtMessageBoxes messages;
};

TEST_F(MessageBoxes, BelongToTheAskingWindowAndTakeTheFocus) {
    clockWindow.show();
    Activate(asker);
    BoxAnswerer answerer(QMessageBox::Yes);
    const MsgAnswer answer =
        messages.Show(MessageLines{{MessageId::ServerSilent}, {MessageId::ClockNotChanged}},
                      "Horavia", MsgButtons::YesNo, MsgIcon::Question);
    ASSERT_TRUE(answerer.seen.seen);
    EXPECT_EQ(answerer.seen.parent, &asker);
    EXPECT_TRUE(answerer.seen.active) << "the box takes the focus";
    EXPECT_FALSE(answerer.seen.keptOnTop) << "no window of the program is kept on top";
    EXPECT_EQ(
        answerer.seen.text,
        QStringLiteral("The time server did not answer.\nThe computer's clock was not changed."));
    EXPECT_EQ(answer, MsgAnswer::Yes);
}

TEST_F(MessageBoxes, WithoutAnAskingWindowBelongToTheClockWindowAndStayAboveIt) {
    clockWindow.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    clockWindow.show();
    Activate(asker);
    asker.hide();  // nothing of the program is active now, as when a tick asks
    QTest::qWait(20);
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    BoxAnswerer answerer(QMessageBox::No);
    const MsgAnswer answer = messages.Show(Message{MessageId::SyncQuestion, {}, 5}, "Horavia",
                                           MsgButtons::YesNo, MsgIcon::Question);
    ASSERT_TRUE(answerer.seen.seen);
    EXPECT_EQ(answerer.seen.parent, &clockWindow);
    EXPECT_TRUE(answerer.seen.keptOnTop) << "never below the clock window kept on top";
    EXPECT_TRUE(answerer.seen.active);
    EXPECT_EQ(answer, MsgAnswer::No);

    // With no window shown at all the box still opens, on its own, and takes the focus.
    clockWindow.hide();
    BoxAnswerer alone(QMessageBox::Ok);
    EXPECT_EQ(messages.Show(Message{MessageId::SetClockFailed}, "Horavia", MsgButtons::Ok,
                            MsgIcon::Exclamation),
              MsgAnswer::Ok);
    ASSERT_TRUE(alone.seen.seen);
    EXPECT_EQ(alone.seen.parent, nullptr);
    EXPECT_FALSE(alone.seen.keptOnTop);
}

TEST_F(MessageBoxes, AnOwnerClosedWhileTheBoxWaitsIsNoCrash) {
    auto* owner = new QWidget;
    Activate(*owner);
    QPointer<QWidget> guard = owner;
    BoxAnswerer answerer(QMessageBox::Yes, [owner] { delete owner; });
    EXPECT_EQ(messages.Show(Message{MessageId::SyncQuestion, {}, 5}, "Horavia", MsgButtons::YesNo,
                            MsgIcon::Question),
              MsgAnswer::No)
        << "a question nobody answered is a No";
    EXPECT_TRUE(guard.isNull());
}

}  // namespace
}  // namespace horavia
