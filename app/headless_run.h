// Loading the settings and the catalogue exactly as the program does at start-up, for the
// options that run without a display.
#pragma once

#include <memory>

#include "model/zone_model.h"

namespace horavia {

class HeadlessServices;

// Owns the real services (settings file, zone database, computer's clock and zone, locale)
// and a state loaded from them; messages go to standard error.
class HeadlessRun {
  public:
    HeadlessRun();
    ~HeadlessRun();
    // False when there is no zone database or the settings file cannot be read (the message
    // has been written to standard error).
    bool Load();
    // Writes to standard error why the settings could not be read or saved, if they could
    // not; true when it did.
    bool ReportSettingsProblem();
    AppState& State() { return *state_; }

  private:
    std::unique_ptr<HeadlessServices> services_;
    std::unique_ptr<AppState> state_;
};

}  // namespace horavia
