// The setup dialog: its tabs, and on the first one the list of the program's clocks in display
// order, whose commands go to the program's clock list. Created once, hidden, at start-up and alive until the program ends.
// The panels are split over files: the frame and Close here, the clock list in
// frm_setup_clock_list.cpp, the preference panels in frm_setup_*_panel.cpp.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "model/zone_model.h"
#include "sync/time_service.h"
#include "ui/setup/setup_host.h"

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

inline constexpr std::array<const char*, 4> kSortEntries{"Name (Up)", "Name (Down)",
                                                         "GMT Offset (Up)", "GMT Offset (Down)"};
inline constexpr std::array<const char*, 5> kIntervalUnits{"Seconds", "Minutes", "Hours", "Days",
                                                           "Weeks"};
// Public servers of the Time Protocol (TCP port 37); the third spreads the load over all of
// NIST's servers and is the default server.
inline constexpr std::array<const char*, 13> kTimeServers{
    "time-a-g.nist.gov",    "time-b-g.nist.gov",   "time.nist.gov",       "time-c-g.nist.gov",
    "time-d-g.nist.gov",    "time-e-g.nist.gov",   "time-a-wwv.nist.gov", "time-b-wwv.nist.gov",
    "time-c-wwv.nist.gov",  "time-d-wwv.nist.gov", "time-e-wwv.nist.gov", "utcnist.colorado.edu",
    "utcnist2.colorado.edu"};
// NTP servers, offered after the Time Protocol's: national time institutes and the NTP pool.
inline constexpr std::array<const char*, 3> kNtpServers{"ntp:time.nist.gov", "ntp:ptbtime1.ptb.de",
                                                        "ntp:pool.ntp.org"};
inline constexpr const char* kSyncNote = "Synchronizes your computer's clock with an atomic clock.";

struct FormatLegendLine {
    const char* letters;
    const char* meaning;
};
inline constexpr std::array<FormatLegendLine, 7> kFormatLegend{{
    {"h", "Hours (0-23)"},
    {"hh", "Hours with leading zeros (00-23)"},
    {"nn", "Minutes (0-59)"},
    {"ss", "Seconds (0-59)"},
    {"AM/PM", "AM or PM, if used then hours will be 0-12"},
    {"d", "Day of the month (1-31)"},
    {"ddd", "Day of the week (Mon-Sun)"},
}};

// The font sample's caption: name, a blank, the size, " pts".
QString FontSampleText(const std::string& name, std::int32_t points);

class frmSetup : public QDialog, public PreferencesView {
    Q_OBJECT

  public:
    // Ends the program at once; tests pass their own.
    using FatalExit = std::function<void()>;
    static void EndProgramAtOnce();
    // The font dialog: preset to a font, the chosen font out, empty when cancelled.
    using FontChooser = std::function<std::optional<QFont>(const QFont& preset, QWidget* parent)>;
    static std::optional<QFont> ChooseWithFontDialog(const QFont& preset, QWidget* parent);

    // Creation is allowed only while the start-up raises state.StartupLoadFlag; otherwise the
    // user is told and the program ends.
    explicit frmSetup(AppState& state, FatalExit fatalExit = &frmSetup::EndProgramAtOnce);
    ~frmSetup() override;

    void Form_Load();
    void SetLVStyle();

    // The main window, the clock editor and the log-on entry, once they exist. Without a host
    // Close still stores everything and New, Edit, Test and Auto do nothing.
    void SetHost(SetupHost* host) { host_ = host; }
    // The program's time service, which Test and Auto use; the buttons follow its busy state.
    void SetTimeService(TimeService* time);
    void SetFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }

    // The clock list shows the program's clocks in display order, each row keyed by its
    // clock's ClockKey; these are the keys it shows.
    std::vector<std::string> RowKeys() const;

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
    // Saves the clock list and every preference, applies them and hides the dialog.
    void cmdClose_Click();
    void cmdHelp_Click();
    // The font chooser: applied to the main window at once, stored only by Close.
    void cmdFont_Click();
    // The server in the combo's text, tested once.
    void cmdTest_Click();
    // Every server of the list tested; the best one that answered is offered for the combo.
    void cmdAuto_Click();
    // A close request: from the close box it runs Close and keeps the dialog; from the program
    // ending it goes through.
    void Form_QueryUnload(bool& cancel, bool fromCloseBox);
    void CloseForShutDown();
    // The program ending: a running server test stops before its next server and closes.
    void CloseServerTest();

    // The "Show window" check box follows the choice wherever it is made.
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
    QTreeWidget* LVSZones = nullptr;
    QPushButton* cmdNew;
    QPushButton* cmdEdit;
    QPushButton* cmdDelete;
    QPushButton* cmdUp;
    QPushButton* cmdDn;
    QPushButton* cmdClose;
    QPushButton* cmdHelp;

    // Panel "Settings".
    QCheckBox* chkSWnd;
    QCheckBox* chkStartUp;
    QCheckBox* chkAOT;
    QCheckBox* chkSingleClick;
    QLabel* lblSort;
    QComboBox* cmbSort;
    QWidget* Frame1;  // borderless, holds the two option buttons
    QRadioButton* optAMPM;
    QRadioButton* opt24;
    QLabel* lblFontTitle;
    QLabel* lblFont;  // the sample
    QPushButton* cmdFont;

    // Panel "TimeSync".
    QLabel* lblSyncNote;
    QGroupBox* fraServer;
    QComboBox* cmbSTServer;
    QPushButton* cmdTest;
    QPushButton* cmdAuto;
    QGroupBox* fraWhen;
    QCheckBox* chkSTStartUp;
    QCheckBox* chkSTInt;
    QLineEdit* txtSTInt;
    QComboBox* cmbSTInt;

    // Panel "Default Format".
    QLineEdit* txtDefaultFormat;

  signals:
    // Close has recorded the "Show window" choice in ShowWnd: the window is to follow it.
    void windowChoiceMade(bool show);

  public slots:
    // Esc runs Close.
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateFrame();
    void CreateClockListPanel(QWidget* panel);
    void CreateSettingsPanel(QWidget* panel);
    void CreateTimeSyncPanel(QWidget* panel);
    void CreateFormatPanel(QWidget* panel);
    void ShowFontSample(const std::string& name, std::int32_t points);
    // Test and Auto share the program's time query: offered only while it is free.
    bool ServerTestPossible() const;
    void UpdateServerButtons();
    std::vector<std::string> ServerListEntries() const;
    void SetColumnWidths();
    QTreeWidgetItem* MakeRow(int slot) const;
    void WriteRow(QTreeWidgetItem* row, int slot) const;
    void FillList();
    void ShowClockChange(const ClockChange& change);
    // The slot of the selected row, -1 when none is selected or its key names no clock.
    int SelectedSlot() const;
    void MoveSelectedRow(int step);

    AppState& state_;
    FatalExit fatalExit_;
    SetupHost* host_ = nullptr;
    FontChooser fontChooser_ = &frmSetup::ChooseWithFontDialog;
    bool closingForShutDown_ = false;
    bool columnsSized_ = false;
    int clockSubscription_ = -1;
    bool serverTestRunning_ = false;
    QPointer<QWidget> serverTestWindow_;  // the Auto run's window while it runs
    TimeService* time_ = nullptr;
};

}  // namespace horavia
