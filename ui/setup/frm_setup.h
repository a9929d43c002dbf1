// The setup dialog: its tabs, and on the first one the list of clocks whose row order is the
// program's display order. Created once, hidden, at start-up and alive until the program ends.
// The panels are split over files: the frame here, the clock list in frm_setup_clock_list.cpp.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <string>

#include "model/zone_model.h"

namespace horavia {

inline constexpr const char* kSetupCaption = "Horavia Timezones";
inline constexpr const char* kSevereError = "Severe error, ending program";
inline constexpr const char* kDeleteQuestion =
    "Are you sure you want to delete this timezone permanently ?";
inline constexpr int kSetupWidthTwips = 5250;
inline constexpr int kSetupHeightTwips = 4230;
// The clock list's columns start in this ratio (name, on/off mark, zone).
inline constexpr std::array<int, 3> kColumnRatio{1764, 123, 3678};
inline constexpr int kKeyRole = Qt::UserRole;  // a row's ClockKey

class frmSetup : public QDialog, public ClockRows, public PreferencesView {
    Q_OBJECT

  public:
    // Ends the program at once; tests pass their own.
    using FatalExit = std::function<void()>;
    static void EndProgramAtOnce();

    // Creation is allowed only while the start-up raises state.StartupLoadFlag; otherwise the
    // user is told and the program ends.
    explicit frmSetup(AppState& state, FatalExit fatalExit = &frmSetup::EndProgramAtOnce);

    void Form_Load();
    void SetLVStyle();

    // The clock list: rows in display order, each keyed by its clock's ClockKey.
    void FillList(const ClockList& clocks, const ZoneCatalogue& catalogue) override;
    std::vector<std::string> RowKeys() const override;
    void AppendRow(const std::string& key, const ClockEntry& clock,
                   const std::string& zoneText) override;
    void UpdateRow(const std::string& key, const ClockEntry& clock,
                   const std::string& zoneText) override;

    // Commands of the clock list. New and Edit open the clock editor.
    void cmdNew_Click();
    void cmdEdit_Click();
    void LVSZones_DblClick();
    void cmdDelete_Click();
    void cmdUp_Click();
    void cmdDn_Click();
    // An in-place rename has finished: a blank name is refused (cancel), any other is kept as
    // typed, surrounding blanks included.
    void LVSZones_AfterLabelEdit(bool& cancel, const QString& newText);
    void cmdClose_Click();
    void cmdHelp_Click();
    // A close request: from the close box it runs Close and keeps the dialog; from the program
    // ending it goes through.
    void Form_QueryUnload(bool& cancel, bool fromCloseBox);
    void CloseForShutDown();

    // Shown by ShowMainWindow on the Settings panel.
    void SetShowWindowCheck(bool checked);

    // The settings panels take their values here when the settings are loaded.
    void ApplyWindowPreferences(const Preferences& prefs) override;
    void ApplySyncPreferences(const Preferences& prefs) override;
    void ApplyDefaultFormat(const Preferences& prefs) override;

    // The selected row's position (0 = first), -1 when none.
    int SelectedRow() const;
    void SelectRow(int position);

    QTabWidget* TabStrip;
    std::array<QWidget*, 4> picTab{};  // the panels of "Timezones", "Settings", ...
    QTreeWidget* LVSZones;
    QPushButton* cmdNew;
    QPushButton* cmdEdit;
    QPushButton* cmdDelete;
    QPushButton* cmdUp;
    QPushButton* cmdDn;
    QPushButton* cmdClose;
    QPushButton* cmdHelp;

  public slots:
    // Esc runs Close.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateFrame();
    void CreateClockListPanel(QWidget* panel);
    void SetColumnWidths();
    QTreeWidgetItem* MakeRow(const std::string& key, const ClockEntry& clock,
                             const std::string& zoneText) const;
    void WriteRow(QTreeWidgetItem* row, const ClockEntry& clock, const std::string& zoneText) const;
    QTreeWidgetItem* RowOfKey(const std::string& key) const;
    // The slot of the selected row, -1 when none is selected or its key names no clock.
    int SelectedSlot() const;
    void MoveSelectedRow(int step);

    AppState& state_;
    FatalExit fatalExit_;
    bool closingForShutDown_ = false;
    bool columnsSized_ = false;
};

}  // namespace horavia
