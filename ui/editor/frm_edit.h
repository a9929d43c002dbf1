// The clock editor: one clock's label, format, on/off state and zone, the zone chosen from a
// sorted list or by clicking the world map. Created once, hidden, and shown modally by the
// setup dialog's New and Edit; OK writes the clock and its setup-list row, Cancel discards.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

#include "model/zone_model.h"
#include "ui/editor/map_picture.h"

namespace horavia {

inline constexpr const char* kNewClockLabel = "(no name)";

class frmEdit : public QDialog {
    Q_OBJECT

  public:
    // `mapPicture` replaces the map compiled into the program (tests use small pictures).
    explicit frmEdit(AppState& state, QWidget* parent = nullptr, QImage mapPicture = {});

    // The setup dialog's New: a fresh clock in the lowest free slot once OK is pressed.
    void PrepareNew();
    // The setup dialog's Edit: the fields of `slot`; false (nothing prepared) when the slot
    // holds no clock.
    bool PrepareEdit(int slot);
    // Prepare and show modally; the dialog's result (Accepted after OK).
    int ShowNew();
    int ShowEdit(int slot);

    // Handlers and routines, named as the form's own.
    void Form_Load();
    void SortList();
    void FillList();
    void cmbZone_Set(int index);
    void cmbZone_Click();
    void cmbZone_KeyPress();
    void cmbZone_Change();
    void txtLabel_GotFocus();
    void cmdOK_Click();
    void cmdCancel_Click();
    void UpdateMap();
    void picZones_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // The zone the map was last coloured for; empty until the first colouring.
    std::optional<int> MapZone() const { return mapZone_; }

    QLabel* lblLabel;
    QLineEdit* txtLabel;
    QCheckBox* chkActive;
    QLabel* lblFormat;
    QLineEdit* txtFormat;
    QLabel* lblFormatHint;
    QComboBox* cmbZone;
    MapPicture* picZones;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

  public slots:
    // Esc and the window's close box take the Cancel way out.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void PlaceControls();
    // OK is offered only when OK can store a valid clock: a zone chosen and a label that is
    // not blank, so setup-list rows keep unique keys.
    bool CanStore() const;
    // The clock as the controls show it.
    ClockEntry EnteredClock() const;
    void UpdateOkState();

    AppState& state_;
    QImage givenPicture_;
    std::optional<int> mapZone_;
};

}  // namespace horavia
