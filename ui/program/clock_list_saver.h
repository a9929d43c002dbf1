// Saves the clock list as soon as it changes: a burst of changes (a move repeated, an edit that
// renames and re-enables) reaches the settings file as one atomic write, once control is back
// in the event loop.
#pragma once

#include <QObject>
#include <QTimer>

#include "model/zone_model.h"

namespace horavia {

class ClockListSaver : public QObject {
    Q_OBJECT

  public:
    explicit ClockListSaver(AppState& state, QObject* parent = nullptr);
    ~ClockListSaver() override;

    // Writes the list whether or not it changed (a value already stored is no write).
    void saveNow();

  signals:
    // The list changed (told at once; the write follows).
    void clockListChanged();

  private:
    void save();

    AppState& state_;
    QTimer timer_;
    int subscription_ = -1;
};

}  // namespace horavia
