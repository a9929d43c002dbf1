// The converter window "Horavia - Convert": a time typed in one zone, shown in another.
#pragma once

#include <QWidget>
#include <memory>

#include "model/services.h"
#include "model/zone_model.h"
#include "ui/convert/converter_rows.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace horavia {

class PlaceFinder;
class MapStrip;
class MinuteTicker;
class PlaceSearchBox;
class SwapPicture;

class ConverterWindow : public QWidget {
    Q_OBJECT

  public:
    // `places` is the program's place finder, shared with other windows; without one the
    // window has its own.
    ConverterWindow(AppState& app, MessageBoxPort& messages, QWidget* parent = nullptr,
                    PlaceFinder* places = nullptr);
    ~ConverterWindow() override;

    // The close box only hides the window, so the zones and the typed time are there at the
    // next opening; the program's shut-down closes it for good.
    void closeForShutDown();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void updateResult();
    void swapZones();
    // The map strip at the converter's moment, with both zones highlighted; nothing while the
    // strip is hidden.
    void updateMap();
    // Stacks the rows where they do not fit side by side in the work area, or puts them side
    // by side again where they do.
    void fitRowsToScreen(const QRect& workArea);
    void setZoneListChars(int chars);

  private:
    // Fills both lists from the zone order; once, on the first showing.
    void fillZoneLists();
    static int zoneOf(const QComboBox* combo);
    // Chooses catalogue zone `zone` in `combo` when the list offers it.
    static void selectZone(QComboBox* combo, int zone);
    static void selectAllText(QLineEdit* box);
    // Shows or hides the map strip as the ConvMap preference says.
    void followMapPreference();

    AppState& app_;
    MessageBoxPort& messages_;
    std::unique_ptr<PlaceFinder> ownPlaces_;
    bool listsFilled_ = false;
    bool closingForShutDown_ = false;

    SwapPicture* swapButton_;
    QComboBox* toZoneCombo_;
    QLineEdit* toTimeEdit_;
    QComboBox* fromZoneCombo_;
    QLineEdit* fromTimeEdit_;
    QLabel* equalsLabel_;
    PlaceSearchBox* fromPlaceSearch_;
    PlaceSearchBox* toPlaceSearch_;
    QCheckBox* mapCheck_;
    MapStrip* mapStrip_;
    MinuteTicker* minuteTicker_;
    ConverterControls rows_{};
    bool rowsStacked_ = false;
    int preferencesSubscription_ = -1;
};

}  // namespace horavia
