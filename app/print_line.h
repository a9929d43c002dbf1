// Lines for scripts: whatever a clock's label or time holds, it prints on one line.
#pragma once

#include <QString>

namespace horavia {

// The text with every control character (C0 and C1 controls, DEL) and the Unicode line and
// paragraph separators replaced by a space, so that it cannot break or forge a line.
QString OneLine(const QString& text);

}  // namespace horavia
