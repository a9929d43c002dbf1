// In-memory stand-ins for the time query, the clock setter and the message box.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/services.h"
#include "platform/system_clock_setter.h"
#include "sync/time_query_port.h"
#include "ui/main/message_text.h"

namespace horavia::test {

// Answers from a queue: the server's instant or nullopt for a failed query. StartQuery answers
// from the event loop, one query at a time.
class FakeTimeQuery : public TimeQueryPort {
  public:
    std::deque<std::optional<Instant>> answers;
    std::vector<std::string> servers;
    std::function<void()> duringWait;  // runs while the query waits, like a tick would
    // Adds what an NTP or NTS query tells beyond the time (offset, delay, authentication,
    // the reason of a failure) to each answer.
    std::function<void(const std::string& server, TimeAnswer& answer)> details;
    // Why a failed query brought no time.
    QueryFailure failure = QueryFailure::NoAnswer;
    std::int64_t retryInMs = 0;

    bool StartQuery(const std::string& sServer, AnswerHandler done) override {
        if (waiting_) return false;
        waiting_ = true;
        QMetaObject::invokeMethod(
            &context_,
            [this, sServer, done] {
                TimeAnswer answer;
                answer.answered = Answer(sServer, answer.serverUtc, answer.lRespons);
                if (details) details(sServer, answer);
                if (!answer.answered) {
                    answer.failure = failure;
                    answer.retryInMs = retryInMs;
                }
                waiting_ = false;
                done(answer);
            },
            Qt::QueuedConnection);
        return true;
    }

  private:
    bool Answer(const std::string& sServer, Instant& serverUtc, std::int32_t& lRespons) {
        servers.push_back(sServer);
        if (duringWait) duringWait();
        lRespons = 42;
        if (answers.empty()) return false;
        const auto answer = answers.front();
        answers.pop_front();
        if (!answer) return false;
        serverUtc = *answer;
        return true;
    }

    QObject context_;
    bool waiting_ = false;
};

// Runs the event loop until done() or the guard's time is up.
inline void RunUntil(const std::function<bool()>& done, qint64 guardMs = 5000) {
    QElapsedTimer wall;
    wall.start();
    while (!done() && wall.elapsed() < guardMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// Answers at once, or, held, once the test says (as a password dialog would keep it waiting).
class FakeClockSetter : public SystemClockSetter {
  public:
    ClockSetResult result = ClockSetResult::Set;
    bool held = false;
    std::vector<Instant> calls;
    std::vector<ClockSetPrompt> prompts;
    void SetTime(Instant utc, ClockSetPrompt prompt, SetHandler done) override {
        calls.push_back(utc);
        prompts.push_back(prompt);
        if (held) {
            waiting_.push_back(std::move(done));
        } else {
            done(result);
        }
    }
    bool IsWaiting() const { return !waiting_.empty(); }
    // The system answers the oldest call still waiting.
    void Answer(ClockSetResult answer) {
        SetHandler done = std::move(waiting_.front());
        waiting_.pop_front();
        done(answer);
    }

  private:
    std::deque<SetHandler> waiting_;
};

struct ShownMessage {
    std::string text;  // as the user reads it, in English
    MessageLines message;
    std::string title;
    MsgButtons buttons;
    MsgIcon icon;
};

// Answers each box at once with `answer` (OK for a notice), or, held, keeps it open until the
// test closes it, as the user does from the event loop.
class FakeMessageBox : public MessageBoxPort {
  public:
    MsgAnswer answer = MsgAnswer::Yes;
    bool held = false;
    std::vector<ShownMessage> shown;
    std::function<void()> whileOpen;  // runs while the box is "open", before its answer

    using MessageBoxPort::Ask;
    void Ask(const MessageLines& message, const std::string& title, MsgButtons buttons,
             MsgIcon icon, MsgAnswered answered) override {
        shown.push_back({MessageUtf8(message), message, title, buttons, icon});
        if (whileOpen) whileOpen();
        open_.push_back({buttons, std::move(answered)});
        if (!held) Close(answer);
    }
    void AfterOpenBoxes(std::function<void()> then) override {
        if (open_.empty()) return then();
        afterBoxes_.push_back(std::move(then));
    }
    bool IsOpen() const { return !open_.empty(); }
    // Closes the oldest open box: a question with `reply`, a notice with OK.
    void Close(MsgAnswer reply) {
        Open closed = std::move(open_.front());
        open_.pop_front();
        if (closed.answered)
            closed.answered(closed.buttons == MsgButtons::Ok ? MsgAnswer::Ok : reply);
        if (!open_.empty()) return;
        std::vector<std::function<void()>> after;
        after.swap(afterBoxes_);
        for (const auto& then : after) then();
    }

  private:
    struct Open {
        MsgButtons buttons;
        MsgAnswered answered;
    };
    std::deque<Open> open_;
    std::vector<std::function<void()>> afterBoxes_;
};

}  // namespace horavia::test
