// Lines for scripts: whatever a clock's label or time holds, it prints on one line.
#pragma once

#include <QString>

namespace horavia {

// The text with every control character (C0 and C1 controls, DEL), the Unicode line and
// paragraph separators and the bidirectional controls (embeddings, overrides, isolates and
// the direction marks) replaced by a space, so that it can neither break or forge a line nor
// reorder how a terminal shows it.
QString OneLine(const QString& text);

}  // namespace horavia
