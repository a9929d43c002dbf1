// Message boxes belong to the window that asks, or to the topmost clock window, never open
// below a window kept on top, and take the focus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "ui/main/message_text.h"
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
    Qt::WindowModality modality = Qt::NonModal;
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
        seen = {true,
                box->parentWidget(),
                box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
                QApplication::activeWindow() == box,
                box->text(),
                box->windowModality()};
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
    std::optional<MsgAnswer> answer;
    messages.Ask(MessageLines{{MessageId::ServerSilent}, {MessageId::ClockNotChanged}}, "Horavia",
                 MsgButtons::YesNo, MsgIcon::Question, [&](MsgAnswer a) { answer = a; });
    EXPECT_FALSE(answer) << "Ask returns while the box is open";
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
    ASSERT_TRUE(answerer.seen.seen);
    EXPECT_EQ(answerer.seen.parent, &asker);
    EXPECT_TRUE(answerer.seen.active) << "the box takes the focus";
    EXPECT_FALSE(answerer.seen.keptOnTop) << "no window of the program is kept on top";
    EXPECT_EQ(answerer.seen.modality, Qt::ApplicationModal);
    EXPECT_EQ(
        answerer.seen.text,
        QStringLiteral("The time server did not answer.\nThe computer's clock was not changed."));
    EXPECT_EQ(answer, MsgAnswer::Yes);
    EXPECT_EQ(messages.OpenBox(), nullptr);
}

TEST_F(MessageBoxes, WithoutAnAskingWindowBelongToTheClockWindowAndStayAboveIt) {
    clockWindow.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    clockWindow.show();
    Activate(asker);
    asker.hide();  // nothing of the program is active now, as when a tick asks
    QTest::qWait(20);
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    BoxAnswerer answerer(QMessageBox::No);
    std::optional<MsgAnswer> answer;
    messages.Ask(Message{MessageId::SyncQuestion, {}, 5}, "Horavia", MsgButtons::YesNo,
                 MsgIcon::Question, [&](MsgAnswer a) { answer = a; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
    ASSERT_TRUE(answerer.seen.seen);
    EXPECT_EQ(answerer.seen.parent, &clockWindow);
    EXPECT_TRUE(answerer.seen.keptOnTop) << "never below the clock window kept on top";
    EXPECT_TRUE(answerer.seen.active);
    EXPECT_EQ(answer, MsgAnswer::No);

    // With no window shown at all the box still opens, on its own, and takes the focus.
    clockWindow.hide();
    BoxAnswerer alone(QMessageBox::Ok);
    answer.reset();
    messages.Ask(Message{MessageId::SetClockFailed}, "Horavia", MsgButtons::Ok,
                 MsgIcon::Exclamation, [&](MsgAnswer a) { answer = a; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
    EXPECT_EQ(answer, MsgAnswer::Ok);
    ASSERT_TRUE(alone.seen.seen);
    EXPECT_EQ(alone.seen.parent, nullptr);
    EXPECT_FALSE(alone.seen.keptOnTop);
}

TEST_F(MessageBoxes, AnOwnerClosedWhileTheBoxWaitsIsNoCrash) {
    auto* owner = new QWidget;
    Activate(*owner);
    QPointer<QWidget> guard = owner;
    BoxAnswerer answerer(QMessageBox::Yes, [owner] { delete owner; });
    std::optional<MsgAnswer> answer;
    messages.Ask(Message{MessageId::SyncQuestion, {}, 5}, "Horavia", MsgButtons::YesNo,
                 MsgIcon::Question, [&](MsgAnswer a) { answer = a; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 5000));
    EXPECT_EQ(answer, MsgAnswer::No) << "a question nobody answered is a No";
    EXPECT_TRUE(guard.isNull());
}

// Boxes asked for one after another open one after another, in that order: the second only
// once the first has closed. What waits for the boxes runs once the last has closed. At the
// end, the open box closes unanswered and the waiting ones are answered without showing.
TEST_F(MessageBoxes, OpenOneAtATimeInOrderAndCloseUnansweredAtTheEnd) {
    std::vector<std::string> log;
    const auto note = [&log](const char* what) {
        return [&log, what](MsgAnswer a) {
            log.push_back(std::string(what) + (a == MsgAnswer::Yes  ? " yes"
                                               : a == MsgAnswer::No ? " no"
                                                                    : " ok"));
        };
    };
    messages.Tell(Message{MessageId::SetClockFailed}, "Horavia", MsgIcon::Exclamation);
    messages.Ask(Message{MessageId::DeleteClockQuestion}, "Horavia", MsgButtons::YesNo,
                 MsgIcon::Question, note("question"));
    messages.AfterOpenBoxes([&log] { log.push_back("after"); });
    QMessageBox* first = messages.OpenBox();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->text(), MessageText(Message{MessageId::SetClockFailed}));
    EXPECT_EQ(first->windowModality(), Qt::ApplicationModal);
    first->button(QMessageBox::Ok)->click();
    QMessageBox* second = messages.OpenBox();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->text(), MessageText(Message{MessageId::DeleteClockQuestion}));
    EXPECT_EQ(second->defaultButton(), second->button(QMessageBox::Yes));
    EXPECT_EQ(second->escapeButton(), second->button(QMessageBox::No));
    EXPECT_TRUE(log.empty());
    second->button(QMessageBox::Yes)->click();
    EXPECT_EQ(log, (std::vector<std::string>{"question yes", "after"}));

    log.clear();
    messages.Ask(Message{MessageId::SyncQuestion, {}, 5}, "Horavia", MsgButtons::YesNo,
                 MsgIcon::Question, note("open"));
    messages.Ask(Message{MessageId::SetClockFailed}, "Horavia", MsgButtons::Ok,
                 MsgIcon::Exclamation, note("notice"));
    messages.Ask(Message{MessageId::DeleteClockQuestion}, "Horavia", MsgButtons::YesNo,
                 MsgIcon::Question, note("waiting"));
    QPointer<QMessageBox> open = messages.OpenBox();
    messages.DismissAll();
    EXPECT_EQ(log, (std::vector<std::string>{"open no", "notice ok", "waiting no"}));
    EXPECT_EQ(messages.OpenBox(), nullptr);
    EXPECT_FALSE(open && open->isVisible());
    messages.Ask(Message{MessageId::DeleteClockQuestion}, "Horavia", MsgButtons::YesNo,
                 MsgIcon::Question, note("later"));
    EXPECT_EQ(log.back(), "later no") << "after the end, answered at once";
    EXPECT_EQ(messages.OpenBox(), nullptr);
}

}  // namespace
}  // namespace horavia
