// A message box that records what it was asked to show and gives a set answer.
#pragma once

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
        return buttons == MsgButtons::YesNo ? answer : MsgAnswer::Ok;
    }
    std::vector<Shown> shown;
    MsgAnswer answer = MsgAnswer::Yes;
};

}  // namespace horavia::testing
