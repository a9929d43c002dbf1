// Messages for runs without a display: written to standard error; questions answer No.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "model/services.h"

namespace horavia {

class StderrMessages : public ImmediateMessageBoxes {
  public:
    using Renderer = std::function<std::string(const MessageLines&)>;
    // text: the messages in the user's language. Without it (a build without the translated
    // texts) each message is written as its number and arguments.
    explicit StderrMessages(Renderer text = {}) : text_(std::move(text)) {}

  protected:
    MsgAnswer AnswerNow(const MessageLines& text, const std::string& title, MsgButtons buttons,
                        MsgIcon) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(),
                     (text_ ? text_(text) : Plain(text)).c_str());
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }

  private:
    static std::string Plain(const MessageLines& text) {
        std::string plain;
        for (const Message& m : text) {
            if (!plain.empty()) plain += '\n';
            plain += "message " + std::to_string(static_cast<int>(m.id));
            for (const std::string& arg : m.args) plain += " | " + arg;
            if (m.count) plain += " | " + std::to_string(*m.count);
        }
        return plain;
    }
    Renderer text_;
};

}  // namespace horavia
