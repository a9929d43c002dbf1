// The converter window "Horavia - Convert": a time typed in one zone, shown in another.
#pragma once

#include <QWidget>

#include "model/services.h"
#include "model/zone_model.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace horavia {

class SwapPicture;

class frmConvert : public QWidget {
    Q_OBJECT

  public:
    frmConvert(AppState& app, MessageBoxPort& messages, QWidget* parent = nullptr);

    // The controls, in their design order.
    SwapPicture* picSwap;
    QComboBox* cmbTo;
    QLineEdit* txtTo;
    QComboBox* cmbFrom;
    QLineEdit* txtFrom;
    QLabel* Label1;

    // Fills both lists from the zone order; runs once, on the first showing.
    void Form_Load();
    bool IsLoaded() const { return loaded_; }

    void cmbFrom_Click() { UpdateResult(); }
    void cmbTo_Click() { UpdateResult(); }
    void txtFrom_Change() { UpdateResult(); }
    void txtFrom_LostFocus() { UpdateResult(); }
    void txtFrom_GotFocus() { SelectAllText(txtFrom); }
    void txtTo_GotFocus() { SelectAllText(txtTo); }
    void picSwap_Click();

    // Why the window is asked to close: its close box, or the program itself (shut-down).
    enum class UnloadMode { CloseBox, Program };
    // True when the unload is cancelled: the close box only hides the window, so the zones
    // and the typed time are there at the next opening.
    bool Form_QueryUnload(UnloadMode mode);

  protected:
    void showEvent(QShowEvent* event) override;
    // A close from the window system is the close box; the program's own close() unloads.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void UpdateResult();
    static int ZoneOf(const QComboBox* combo);
    static void SelectAllText(QLineEdit* box);

    AppState& app_;
    MessageBoxPort& messages_;
    bool loaded_ = false;
};

}  // namespace horavia
