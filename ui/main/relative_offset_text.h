// The marker after a clock's time that says how far its zone is from the computer's: "+9 h",
// "−3 h 30", "±0", "+9 h tomorrow", in the user's language.
#pragma once

#include <QString>

#include "model/relative_offset.h"

namespace horavia {

QString RelativeOffsetText(const RelativeOffset& offset);

}  // namespace horavia
