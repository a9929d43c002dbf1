#include "ui/program/clock_list_saver.h"

namespace horavia {

ClockListSaver::ClockListSaver(AppState& state, QObject* parent) : QObject(parent), state_(state) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ClockListSaver::save);
    subscription_ = state_.book.Subscribe([this](const ClockChange& change) {
        // A list read anew from the settings is what they hold: nothing to write.
        if (change.kind != ClockChange::Kind::Reset) timer_.start();
        emit clockListChanged();
    });
}

ClockListSaver::~ClockListSaver() {
    state_.book.Unsubscribe(subscription_);
}

void ClockListSaver::saveNow() {
    save();
}

void ClockListSaver::save() {
    timer_.stop();
    SettingsBatch batch(state_.services.settings);  // one write for the whole list
    state_.SaveClockList();
}

}  // namespace horavia
