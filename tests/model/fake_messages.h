// A message box that records what it was asked to show and gives a set answer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/services.h"

namespace horavia::testing {

class RecordingMessages : public MessageBoxPort {
  public:
    struct Shown {
        std::string text;
        std::string title;
        MsgButtons buttons;
        MsgIcon icon;
    };
    MsgAnswer Show(const std::string& text, const std::string& title, MsgButtons buttons,
                   MsgIcon icon) override {
        shown.push_back({text, title, buttons, icon});
        if (onShow) onShow(text);  // what happens while the box waits
        return buttons == MsgButtons::YesNo ? answer : MsgAnswer::Ok;
    }
    std::vector<Shown> shown;
    MsgAnswer answer = MsgAnswer::Yes;
    std::function<void(const std::string&)> onShow;
};

}  // namespace horavia::testing
