// A message box that answers OK at once and shows nothing: the fuzzers read bad settings on
// purpose, and every reader's complaint would otherwise wait for an answer.
#pragma once

#include <string>

#include "model/services.h"

namespace horavia {

class QuietMessages : public ImmediateMessageBoxes {
  protected:
    MsgAnswer AnswerNow(const MessageLines&, const std::string&, MsgButtons, MsgIcon) override {
        return MsgAnswer::Ok;
    }
};

}  // namespace horavia
