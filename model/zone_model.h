// The program-wide state of the zone model: catalogue, clocks, preferences and the
// computer's zone, with the services they are read from. One object is built at start-up and
// passed by reference; tests build as many as they like.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "model/clock_book.h"
#include "model/clock_list.h"
#include "model/day_count.h"
#include "model/locale_info.h"
#include "model/meeting_search.h"
#include "model/preference_book.h"
#include "model/registry.h"
#include "model/services.h"
#include "model/setting_readers.h"
#include "model/settings_store.h"
#include "model/zone_catalogue.h"
#include "model/zone_catalogue_loader.h"
#include "model/zone_source.h"
#include "model/zone_time.h"

namespace horavia {

inline constexpr const char* kShortFormat = "hh:nn";
inline constexpr std::size_t kTipBudget = 122;  // the tray tip field, less a safety margin

struct Services {
    SettingsStore& settings;
    RegistryBackend& registry;
    MessageBoxPort& messages;
    LocalZoneSource& localZone;
    ClockSource& clock;
    // Where the zones come from; without one they are read from the registry.
    ZoneSource* zones = nullptr;
};

class AppState {
  public:
    AppState(Services services, LocaleInfo locale);

    Services services;
    LocaleInfo locale;
    SettingReaders readers;

    ZoneCatalogue catalogue;

  private:
    ClockList clocks_;

  public:
    // The clocks in display order and what the user does to them; the windows show it. The
    // clocks change only through it, so that every change is announced.
    ClockBook book{clocks_};
    const ClockList& Clocks() const { return clocks_; }
    // More clocks are stored than are read: the stored list is never written over.
    bool clockListOverLimit = false;
    // The preferences, changed only through their owner, which stores and announces.
    PreferenceBook preferences{services.settings};
    // The computer's own zone, as last read.
    std::shared_ptr<const ZoneRules> computerZone = std::make_shared<const FixedOffsetZone>(0);

    // Re-reads the computer's own zone (it follows the user's choice of another zone).
    void RefreshLocalZone();

    void LoadSettings();
    void SaveSettings();

    // Builds the catalogue (transition moments of the current local year), sorts the zone
    // order with `sortList` (by default the model's own sort by SortBy), then loads the
    // clocks, listed in slot order. False when there is no zone at all: the caller ends the
    // program.
    bool LoadCatalogue(const std::function<void()>& sortList = {});

    // The text of one clock at local time t: its full format (or the default) or "hh:nn".
    // formatLimit: only the format's first bytes are used (for a display, which cannot show
    // what a format of megabytes would write).
    std::string ZoneTimeText(int clockIndex, bool full, Instant t,
                             std::size_t formatLimit = std::string::npos) const;

    // The enabled clocks in display order, as clock indices.
    std::vector<int> EnabledClocksInOrder() const;

    // The enabled clocks that have working hours (their own or the default ones), in display
    // order, as the meeting search takes them, with the clock index of each.
    struct ClocksAtWork {
        std::vector<MeetingClock> clocks;
        std::vector<int> indices;
    };
    ClocksAtWork EnabledClocksAtWork() const;

    // The tray tip: "Label: hh:nn" joined with " - ", kept under the budget, or "Horavia";
    // now, or at t.
    std::string TipText();
    std::string TipText(Instant t);

    // Writes the clock list in display order; nothing while more clocks are stored than read.
    void SaveClockList();
};

// The length in characters (code points) of a UTF-8 text.
std::size_t TextLength(const std::string& utf8);

}  // namespace horavia
