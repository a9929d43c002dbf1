// The user's clocks in display order, with what the user can do to them. Every change is
// announced to the listeners, so that windows show the list without owning any of it.
#pragma once

#include <string>
#include <vector>

#include "model/clock_list.h"
#include "model/listener_list.h"

namespace horavia {

struct ClockChange {
    enum class Kind {
        Reset,    // the whole list is new: read it again
        Added,    // `slot` was appended as the last row
        Changed,  // `slot`'s label, format, zone or on/off changed; it stays at `position`
        Removed,  // `slot`'s row at `position` is gone; the slot is empty now
        Moved,    // `slot`'s row went from `position` to `target`
    };
    Kind kind = Kind::Reset;
    int slot = -1;
    int position = -1;
    int target = -1;
};

class ClockBook {
  public:
    using Listener = ListenerList<ClockChange>::Listener;

    explicit ClockBook(ClockList& clocks) : clocks_(clocks) {}
    ClockBook(const ClockBook&) = delete;
    ClockBook& operator=(const ClockBook&) = delete;

    const ClockList& Clocks() const { return clocks_; }
    // The slots of the rows, first to last, and their row keys as saved.
    const std::vector<int>& Order() const { return order_; }
    std::vector<std::string> RowKeys() const;
    int RowCount() const { return static_cast<int>(order_.size()); }
    // The slot shown at a row, -1 outside the list; a slot's row, -1 when it has none.
    int SlotAt(int position) const;
    int PositionOf(int slot) const;
    const ClockEntry* Clock(int slot) const;
    // The enabled clocks in display order, as slots.
    std::vector<int> EnabledInOrder() const;

    // One row per non-empty slot, in slot order (after the clocks were loaded or replaced).
    void Reset();
    // The whole list anew, rows as Reset makes them.
    void Replace(const ClockList& clocks);
    // Stores a new clock in the first empty slot (or a new one at the end) and appends its row.
    // Returns the slot; -1 for a blank label, which never makes a row.
    int Add(const ClockEntry& clock);
    // Replaces a listed clock; a blank label is refused. False when nothing changed.
    bool Edit(int slot, const ClockEntry& clock);
    bool Rename(int slot, const std::string& label);
    bool Enable(int slot, bool enabled);
    // Empties the slot (free for the next new clock) and removes its row.
    bool Delete(int slot);
    // Moves a row by `step` rows; false when it would leave the list.
    bool Move(int slot, int step);

    // Listeners are told after each change; the id unsubscribes.
    int Subscribe(Listener listener);
    void Unsubscribe(int id);

  private:
    bool IsListed(int slot) const { return PositionOf(slot) >= 0; }
    void Announce(const ClockChange& change);

    ClockList& clocks_;
    std::vector<int> order_;
    ListenerList<ClockChange> listeners_;
};

}  // namespace horavia
