#include "app/root_notice.h"

#include <cstdio>

#include "ui/main/message_text.h"

namespace horavia {

void TellIfRunningAsRoot(const Platform& platform) {
    if (!platform.RunsAsRoot()) return;
    std::fprintf(stderr, "horavia: %s\n",
                 MessageUtf8({Message{MessageId::RunningAsRootLine}}).c_str());
}

}  // namespace horavia
