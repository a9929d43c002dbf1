#include "model/clock_book.h"

#include <algorithm>

#include "model/text_helpers.h"

namespace horavia {

std::vector<std::string> ClockBook::RowKeys() const {
    std::vector<std::string> keys;
    keys.reserve(order_.size());
    for (int slot : order_) keys.push_back(ClockKey(slot));
    return keys;
}

int ClockBook::SlotAt(int position) const {
    if (position < 0 || position >= RowCount()) return -1;
    return order_[static_cast<std::size_t>(position)];
}

int ClockBook::PositionOf(int slot) const {
    const auto it = std::find(order_.begin(), order_.end(), slot);
    return it == order_.end() ? -1 : static_cast<int>(it - order_.begin());
}

const ClockEntry* ClockBook::Clock(int slot) const {
    if (slot < 0 || static_cast<std::size_t>(slot) >= clocks_.size()) return nullptr;
    return &clocks_[static_cast<std::size_t>(slot)];
}

std::vector<int> ClockBook::EnabledInOrder() const {
    std::vector<int> result;
    for (int slot : order_) {
        const ClockEntry* clock = Clock(slot);
        if (clock != nullptr && clock->Enabled) result.push_back(slot);
    }
    return result;
}

void ClockBook::Reset() {
    order_.clear();
    for (std::size_t n = 0; n < clocks_.size(); ++n) {
        if (!clocks_[n].Label.empty()) order_.push_back(static_cast<int>(n));
    }
    Announce({ClockChange::Kind::Reset});
}

void ClockBook::Replace(const ClockList& clocks) {
    clocks_ = clocks;
    Reset();
}

int ClockBook::Add(const ClockEntry& clock) {
    if (Trim(clock.Label).empty()) return -1;
    std::size_t n = 0;
    // An empty slot that still has a row (its label cleared behind the list's back) is not free.
    while (n < clocks_.size() && (!clocks_[n].Label.empty() || IsListed(static_cast<int>(n)))) {
        ++n;
    }
    if (n == clocks_.size()) clocks_.emplace_back();
    clocks_[n] = clock;
    const int slot = static_cast<int>(n);
    order_.push_back(slot);
    Announce({ClockChange::Kind::Added, slot, RowCount() - 1});
    return slot;
}

bool ClockBook::Edit(int slot, const ClockEntry& clock) {
    const int position = PositionOf(slot);
    if (position < 0 || Clock(slot) == nullptr || Trim(clock.Label).empty()) return false;
    ClockEntry& stored = clocks_[static_cast<std::size_t>(slot)];
    // A zone the program does not know keeps its stored text until another zone is chosen.
    std::string keptZone;
    if (clock.Zone == kZoneUnknown) {
        keptZone = clock.StoredZone.empty() ? stored.StoredZone : clock.StoredZone;
    }
    stored = clock;
    stored.StoredZone = std::move(keptZone);
    Announce({ClockChange::Kind::Changed, slot, position});
    return true;
}

bool ClockBook::Rename(int slot, const std::string& label) {
    const ClockEntry* clock = Clock(slot);
    if (clock == nullptr) return false;
    ClockEntry changed = *clock;
    changed.Label = label;
    return Edit(slot, changed);
}

bool ClockBook::Enable(int slot, bool enabled) {
    const ClockEntry* clock = Clock(slot);
    if (clock == nullptr) return false;
    ClockEntry changed = *clock;
    changed.Enabled = enabled;
    return Edit(slot, changed);
}

bool ClockBook::Delete(int slot) {
    const int position = PositionOf(slot);
    if (position < 0 || Clock(slot) == nullptr) return false;
    ClockEntry& clock = clocks_[static_cast<std::size_t>(slot)];
    clock.Label.clear();
    clock.Enabled = false;
    order_.erase(order_.begin() + position);
    Announce({ClockChange::Kind::Removed, slot, position});
    return true;
}

bool ClockBook::Move(int slot, int step) {
    const int position = PositionOf(slot);
    const int target = position + step;
    if (position < 0 || target < 0 || target >= RowCount()) return false;
    order_.erase(order_.begin() + position);
    order_.insert(order_.begin() + target, slot);
    Announce({ClockChange::Kind::Moved, slot, position, target});
    return true;
}

int ClockBook::Subscribe(Listener listener) {
    return listeners_.Subscribe(std::move(listener));
}

void ClockBook::Unsubscribe(int id) {
    listeners_.Unsubscribe(id);
}

void ClockBook::Announce(const ClockChange& change) {
    listeners_.Announce(change);
}

}  // namespace horavia
