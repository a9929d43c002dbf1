// Messages for runs without a display: written to standard error; questions answer No.
#pragma once

#include <cstdio>

#include "model/services.h"

namespace horavia {

class StderrMessages : public MessageBoxPort {
  public:
    MsgAnswer Show(const std::string& text, const std::string& title, MsgButtons buttons,
                   MsgIcon) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
    }
};

}  // namespace horavia
