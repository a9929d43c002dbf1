// horavia --find TEXT: the places and zones a text names, for scripts.
#pragma once

#include <QString>
#include <QTextStream>

namespace horavia {

// Prints the matches for `text` best first, at most 20, one per line: the place, a TAB, the tz
// id, a TAB, the catalogue zone's display text. Returns 0 when something matched, 1 when
// nothing did (nothing printed) and 2 when there is no zone catalogue (a message on standard
// error). Reads neither the settings nor the clock list. The display texts are in `language`
// (a translation's name, "de"; empty: English) where the program has them.
int RunFindCommand(const QString& text, QTextStream& out, const QString& language = {});

}  // namespace horavia
