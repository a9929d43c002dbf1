// The program's preferences with their one owner: each change is stored and announced to the
// listeners, so that the windows, the icon and the schedule follow it wherever it was made.
#pragma once

#include <string>
#include <vector>

#include "model/listener_list.h"
#include "model/preferences.h"
#include "model/settings_store.h"

namespace horavia {

// The preferences an announcement names, in table order.
struct PreferenceChange {
    std::vector<const PreferenceField*> fields;

    bool Touches(bool Preferences::*field) const;
    bool Touches(std::int32_t Preferences::*field) const;
    bool Touches(std::string Preferences::*field) const;
};

class PreferenceBook {
  public:
    using Listener = ListenerList<PreferenceChange>::Listener;

    explicit PreferenceBook(SettingsStore& store) : store_(store) {}
    PreferenceBook(const PreferenceBook&) = delete;
    PreferenceBook& operator=(const PreferenceBook&) = delete;

    const Preferences& Values() const { return values_; }

    // Reads every preference; nothing is announced (nothing shows them yet).
    void Load(SettingReaders& readers);
    // Writes every preference but STLast.
    void SaveAll() const;

    // Stores one preference (written at once, changed or not) and announces it when it
    // changed. True when it changed.
    bool Set(bool Preferences::*field, bool value);
    bool Set(std::int32_t Preferences::*field, std::int32_t value);
    bool Set(std::string Preferences::*field, std::string value);
    // The font's face and size, announced once when they changed. Not written: the setup
    // dialog's Close (or the program's end) writes the font with every other choice.
    bool SetFont(std::string name, std::int32_t points);
    // Every preference but STLast as chosen together (the setup dialog's Close): all written
    // in one write and announced once, changed or not, for the Close applies each choice again
    // (a log-on entry removed behind the program's back returns, and so does a window's place
    // in the top band).
    void Apply(const Preferences& chosen);

    // The last scheduled synchronisation: kept and stored by the scheduler alone, announced
    // to no one.
    DayCount& LastSync() { return values_.STLast; }

    // Listeners are told after each change; the id unsubscribes.
    int Subscribe(Listener listener);
    void Unsubscribe(int id);

  private:
    // Which preferences an announcement names: those that changed, or all that were written.
    enum class Told { Changed, Written };
    // Takes `next`, writes the `written` preferences in one write and announces. True when
    // any preference changed.
    bool Take(const Preferences& next, const std::vector<const PreferenceField*>& written,
              Told told);
    SettingsStore& store_;
    Preferences values_;
    ListenerList<PreferenceChange> listeners_;
};

}  // namespace horavia
