// The tray form: never shown. Creating it starts the program (clock editor, settings,
// catalogue, main window, setup dialog, tray icon, start-up synchronisation) and closing it ends
// the program. It owns the popup menu shared by the tray icon and the main window.
#pragma once

#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "model/zone_model.h"
#include "platform/system_clock_setter.h"
#include "sync/server_time_query.h"
#include "sync/time_service.h"
#include "ui/main/frm_main.h"
#include "ui/main/main_window_host.h"
#include "ui/main/window_visibility.h"
#include "ui/tray/mdl_tray_icon.h"
#include "ui/tray/tray_message.h"

namespace horavia {

class SetupDialog;
class frmEdit;

struct TrayFormOptions {
    TimeServerPorts timePorts;       // tests use servers of their own
    QueryTiming queryTiming;         // tests use a clock of their own
    QImage mapPicture;               // the clock editor's map; empty: the compiled-in one
    std::function<void()> openHelp;  // empty: the help page in the user's browser
    std::function<bool()> notificationAreaAvailable;  // empty: ask the desktop
    // Creates the converter window on first use of "&Convert"; empty: the program's own.
    std::function<QWidget*()> createConverter;
    // A steady clock in milliseconds for telling double clicks on the icon; empty: the real one.
    std::function<qint64()> clickClockMs;
};

class frmTI : public QObject, public MainWindowHost, private PreferencesView {
    Q_OBJECT

  public:
    frmTI(AppState& state, SystemClockSetter& clockSetter, TrayFormOptions options = {});
    ~frmTI() override;

    // The start-up sequence. False when the program must end (no zone database).
    bool Form_Load();
    // The shut-down sequence; runs once, however many ways the program is asked to end.
    void Form_Unload();
    bool IsUnloaded() const { return unloaded_; }

    // A tray icon action, as its message number.
    void Form_MouseMove(int message);
    // An activation of the icon as the platform reports it, turned into its message.
    void TrayActivated(QSystemTrayIcon::ActivationReason reason);
    // Brings forward the first visible of: clock editor, setup dialog, converter, main window.
    bool ForceForeground();
    QWidget* ForegroundCandidate() const;
    // The window a message box belongs to when no window of the program asks: the main window
    // when it shows, else the first visible of the windows ForceForeground would choose.
    QWidget* TopmostClockWindow() const;
    // Another start of the program asked for this one: show what there is to show.
    void BringForward();

    void mnuPopupSetup_Click() override;
    void mnuPopupConvert_Click();
    void mnuPopupShow_Click();
    void mnuPopupSync_Click();
    void mnuPopupHelp_Click();
    void mnuPopupExit_Click();

    // Records the choice (setting, setup dialog's check box, menu caption, settings store),
    // then shows or hides the main window unless the clock editor is open: the window then
    // follows the choice the next time. Created anew when it was closed with its close box.
    void ShowMainWindow(bool show);

    // MainWindowHost
    void PopupMenuAt(const QPoint& globalPos, bool setupAsDefault) override;
    void TraySetTip(const std::string& tip) override;

  private:
    // What loading the settings and the setup dialog ask of the program: for them only.

    // PreferencesView: the settings reach the windows.
    void ApplyWindowPreferences(const Preferences& prefs) override;

    // What the setup dialog's Close and commands ask of the program.
    void RegisterStartUp();
    void SetAlwaysOnTop(bool onTop);
    void ApplyMainWindowFont(const std::string& name, std::int32_t points);
    void SortEditorList();
    void ShowEditorNew();
    void ShowEditorEdit(int slot);

  public:
    frmMain* MainWindow() const { return main_.data(); }
    horavia::SetupDialog* SetupDialog() const { return setup_.get(); }
    frmEdit* Editor() const { return editor_.get(); }
    QWidget* Converter() const { return converter_.get(); }
    TrayIcon& Tray() { return tray_; }
    TimeService& TimeSync() { return time_; }

    QMenu mnuPopup;
    QAction* mnuPopupSetup;
    QAction* mnuPopupConvert;
    QAction* mnuPopupShow;
    QAction* mnuPopupSync;
    QAction* mnuS0;
    QAction* mnuPopupHelp;
    QAction* mnuS1;
    QAction* mnuPopupExit;

  signals:
    // The shut-down has run: nothing is left, the program ends.
    void programEnded();

  private:
    void CreateMenu();
    frmMain* EnsureMainWindow();
    bool NotificationAreaAvailable() const;

    AppState& state_;
    TrayFormOptions options_;
    TimeService time_;  // outlives every window that sends it requests
    std::unique_ptr<horavia::SetupDialog> setup_;
    std::unique_ptr<frmEdit> editor_;
    std::unique_ptr<QWidget> converter_;
    QPointer<frmMain> main_;
    TrayIcon tray_;
    TrayClicks clicks_;
    QElapsedTimer clickClock_;
    bool unloaded_ = false;
    int clockSubscription_ = -1;
};

}  // namespace horavia
