// Loading the settings and the catalogue from the Windows registry, as the program does at
// start-up, for the command-line program.
#pragma once

#include <iosfwd>
#include <memory>

#include "model/zone_model.h"

namespace horavia {

struct ConsoleServices;

// Owns the real services (the registry, the settings in it, the computer's clock and zone, the
// user's locale) and a state loaded from them; messages go to standard error.
class ConsoleRun {
  public:
    ConsoleRun();
    ~ConsoleRun();
    // False when there is no zone database (the message has been written).
    bool Load();
    AppState& State() { return *state_; }

  private:
    std::unique_ptr<ConsoleServices> services_;
    std::unique_ptr<AppState> state_;
};

// One line per enabled clock in display order: the label, a TAB, the time in the full format.
void WriteClockLines(AppState& state, std::ostream& out);
// The notification-area tip line.
void WriteTipLine(AppState& state, std::ostream& out);

}  // namespace horavia
