// A message box that records what it was asked to show and gives a set answer at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/services.h"

namespace horavia::testing {

class RecordingMessages : public ImmediateMessageBoxes {
  public:
    struct Shown {
        MessageLines message;
        std::string text;  // as the user reads it, when a renderer is set (see Renderer)
        std::string title;
        MsgButtons buttons;
        MsgIcon icon;
    };
    // Tests that can render messages (those with Qt) set this once, so that text holds what the
    // user reads; model tests compare the messages themselves.
    static std::function<std::string(const MessageLines&)>& Renderer() {
        static std::function<std::string(const MessageLines&)> render;
        return render;
    }

    std::vector<Shown> shown;
    MsgAnswer answer = MsgAnswer::Yes;
    std::function<void(const std::string&)> onShow;

  protected:
    MsgAnswer AnswerNow(const MessageLines& message, const std::string& title, MsgButtons buttons,
                        MsgIcon icon) override {
        const std::string text = Renderer() ? Renderer()(message) : std::string();
        shown.push_back({message, text, title, buttons, icon});
        if (onShow) onShow(text);  // what happens while the box is open
        return buttons == MsgButtons::YesNo ? answer : MsgAnswer::Ok;
    }
};

}  // namespace horavia::testing
