// The clock editor: one clock's label, format, on/off state, zone and working hours, the zone
// chosen from a sorted list or by clicking the world map. Opened modally for a new clock or for one
// of the list, without waiting for it; OK stores the clock in the clock list, Cancel discards.
#pragma once

#include <QDialog>
#include <QImage>
#include <memory>
#include <optional>

#include "model/zone_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace horavia {

class PlaceFinder;
class PlaceSearchBox;
struct PlaceMatch;
class WorldMapView;
class WorkingHoursBox;

// A new clock's label until the user names it or takes a place's name.
inline constexpr const char* kNewClockLabel =
    QT_TRANSLATE_NOOP("horavia::ClockEditor", "(no name)");

class ClockEditor : public QDialog {
    Q_OBJECT

  public:
    // `mapPicture` replaces the map compiled into the program (tests use small pictures).
    // `places` is the program's place finder, shared with other windows; without one the
    // editor has its own. The zone list is filled, sorted by the SortBy preference, at once.
    explicit ClockEditor(AppState& state, QWidget* parent = nullptr, QImage mapPicture = {},
                         PlaceFinder* places = nullptr);
    ~ClockEditor() override;

    // A fresh clock, stored in the lowest free slot once OK is pressed; then opened modally.
    // Returns at once; finished tells the dialog's result (Accepted after OK).
    void editNewClock();
    // The fields of the clock in `slot`, opened modally; false, without opening, when the
    // slot holds no clock.
    bool editClock(int slot);
    // The same preparations without showing.
    void prepareNewClock();
    bool prepareClock(int slot);

    // Re-sorts the zone order by the SortBy preference and refills the list, with no zone
    // chosen; the map keeps its colours.
    void sortZoneList();

    // The zone the map was last coloured for; empty until the first colouring.
    std::optional<int> mapZone() const { return mapZone_; }

  signals:
    // OK stored the clock in `slot` (a new clock's slot is known only now).
    void clockStored(int slot);

  public slots:
    // Esc and the window's close box take the Cancel way out.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void storeClock();
    void zoneChosen();
    void updateMap();
    void pickZoneAt(QPoint pixel);
    // The map's arrow keys: the zone `step` places before or after in the list.
    void stepZone(int step);
    void takePlace(const horavia::PlaceMatch& place);

  private:
    void openModally();
    void createControls();
    void placeControls();
    void fillZoneList();
    // Chooses the zone with catalogue index `zone`; a zone the list does not offer leaves the
    // choice as it is.
    void selectZone(int zone);
    void selectLabelText();
    // OK is offered only when OK can store a valid clock: a zone chosen, a label that is not
    // blank, so the clock list keeps unique keys, and working hours, if ticked, that make a
    // shift. Empty when it can; else why not.
    QString whyNotStorable() const;
    bool canStore() const { return whyNotStorable().isEmpty(); }
    // Only clocks of a zone, and UTC, keep working hours.
    bool zoneTakesHours() const;
    // A clock's own working hours; without them, unticked over the preferences' default
    // hours, ready to be ticked.
    void showHours(const std::optional<WorkingHours>& own);
    // The clock as the controls show it.
    ClockEntry enteredClock() const;
    void updateOkState();
    // Keeps the place found for the chosen zone (or none) and says so under the search field.
    void keepPlace(std::optional<ClockPlace> place);

    AppState& state_;
    // The slot being edited; -1 while a new clock is made.
    int editSlot_ = -1;
    std::optional<int> mapZone_;
    std::unique_ptr<PlaceFinder> ownPlaces_;
    int markedZone_ = -1;  // the zone of the place marked on the map
    // The clock's place: the one found in the place search while its zone stays chosen.
    std::optional<ClockPlace> place_;

    QLabel* labelCaption_ = nullptr;
    QLineEdit* labelEdit_ = nullptr;
    QCheckBox* enabledCheck_ = nullptr;
    QLabel* formatCaption_ = nullptr;
    QLineEdit* formatEdit_ = nullptr;
    QLabel* formatHint_ = nullptr;
    PlaceSearchBox* placeSearch_ = nullptr;
    QLabel* placeNote_ = nullptr;
    QComboBox* zoneCombo_ = nullptr;
    WorldMapView* worldMap_ = nullptr;
    WorkingHoursBox* hoursBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace horavia
