// The listeners of an owner that announces its changes.
#pragma once

#include <functional>
#include <map>
#include <utility>

namespace horavia {

template <class Change>
class ListenerList {
  public:
    using Listener = std::function<void(const Change&)>;

    // The id unsubscribes.
    int Subscribe(Listener listener) {
        const int id = next_++;
        listeners_.emplace(id, std::move(listener));
        return id;
    }
    void Unsubscribe(int id) { listeners_.erase(id); }

    void Announce(const Change& change) const {
        // A listener may unsubscribe (a window closing) while the change is told.
        const std::map<int, Listener> listeners = listeners_;
        for (const auto& [id, listener] : listeners) {
            if (listeners_.count(id) != 0) listener(change);
        }
    }

  private:
    std::map<int, Listener> listeners_;
    int next_ = 0;
};

}  // namespace horavia
