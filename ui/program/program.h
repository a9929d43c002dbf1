// The program itself: start-up and shut-down, the second ticker, the time service, the tray
// presenter and the windows, each window created when first needed. Windows and the tray tell
// what the user asks for with signals; the program decides. Nothing here lives in a window, so
// closing one never stops the tip, the synchronisation schedule or the saving of changes.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "model/zone_model.h"
#include "platform/place_finder.h"
#include "platform/system_clock_setter.h"
#include "sync/query_clock.h"
#include "sync/time_query_port.h"
#include "sync/time_service.h"
#include "ui/main/change_lines.h"
#include "ui/main/clock_window.h"
#include "ui/program/change_notifier.h"
#include "ui/program/clock_list_saver.h"
#include "ui/program/second_ticker.h"
#include "ui/tray/tray_presenter.h"

namespace horavia {

class SetupDialog;
class ClockEditor;

struct ProgramOptions {
    // Makes the time query on the first synchronisation or test; empty: none can be made
    // (every query ends unanswered). The program's start loads it; tests build it directly.
    ServerQueryFactory serverQueries;
    TimeServerPorts timePorts;       // tests use servers of their own
    QueryTiming queryTiming;         // tests use a clock of their own
    QImage mapPicture;               // the clock editor's map; empty: the compiled-in one
    std::function<void()> openHelp;  // empty: the help page in the user's browser
    // The desktop's notification area; empty: this platform's.
    std::function<std::unique_ptr<NotificationArea>()> notificationArea;
    // Creates the converter window on first use; empty: the program's own.
    std::function<QWidget*()> createConverter;
    // A steady clock in milliseconds for telling double clicks on the icon; empty: the real one.
    std::function<qint64()> clickClockMs;
    // Makes the program start at log-on (true) or no longer (false), whenever "Load on startup"
    // is set in the preferences (each setup dialog's Close sets it); empty: nothing is written.
    // The program's start passes this platform's operation.
    std::function<void(bool start)> logOnStart;
};

class Program : public QObject {
    Q_OBJECT

  public:
    Program(AppState& state, SystemClockSetter& clockSetter, ProgramOptions options = {});
    ~Program() override;

    // Reads settings, catalogue and clocks, then, once the message boxes this raised have
    // closed, adds the tray icon, shows the clock window when it is to show and starts the
    // ticker and the start-up synchronisation. Returns at once; `started` is told whether the
    // program runs on (at once when no box was open): false when it is to end, for want of a
    // zone database or because it was asked to end while starting.
    void start(std::function<void(bool running)> started);
    // Saves the clock list and the preferences, closes every window and removes the icon;
    // runs once, however the program is asked to end, whatever windows are open. Asked while
    // a message box of the start-up is open, the settings have been read to the end already,
    // so that what is saved is what was stored.
    void shutDown();
    bool hasEnded() const { return ended_; }

    // Another start of the program asked for this one: show what there is to show.
    void bringForward();
    // The window a message box belongs to when no window of the program asks: the clock
    // window when it shows, else the first visible of editor, setup dialog and converter.
    QWidget* topmostWindow() const;

    // What a click on the icon brings forward: the first visible of clock editor, setup
    // dialog, converter and clock window; null when none shows.
    QWidget* foregroundCandidate() const;

    // What the tests look at; null while a window does not exist.
    ClockWindow* clockWindow() const { return clockWindow_.data(); }
    SetupDialog* setupDialog() const { return setup_.get(); }
    ClockEditor* clockEditor() const { return editor_.get(); }
    QWidget* converter() const { return converter_.get(); }
    // Started with the clock window, the icon is not asked for until the window has painted.
    bool isStartIconPending() const { return startIconPending_; }
    TrayPresenter& tray() { return tray_; }
    SecondTicker& ticker() { return ticker_; }
    TimeService& timeService() { return time_; }

  public slots:
    // The Setup command (menu, double click on the clock window): shows the setup dialog.
    void openSetup();

  signals:
    // The program is asked to end: open message boxes are to close unanswered.
    void endRequested();
    // The shut-down has run: nothing is left, the program ends.
    void ended();

  private slots:
    void openConverter();
    // Shows the clock window at the next time that suits every clock with working hours.
    void findMeetingTime();
    void toggleClockWindow();
    void syncNow();
    void openHelp();
    // Records the choice in the preferences (stored at once), then shows it.
    void showClockWindow(bool show);

  private:
    // The start after the start-up's message boxes; false when the program is to end.
    bool finishStart();
    void tick();
    // The notification-area icon asked for at start, unless the program has ended since.
    void addStartIcon();
    // The tip, and the clocks' lines in the menu where the host shows no tips.
    void showClocksInTray();
    void showClockLinesInTray();
    void saveAndClose();
    ClockWindow& ensureClockWindow();
    SetupDialog& ensureSetupDialog();
    ClockEditor& ensureClockEditor();
    bool bringOpenWindowForward();
    // Shows the window choice: the setup dialog's check box, the menu caption, then the clock
    // window shown or hidden, unless the clock editor is open: the window then follows the
    // choice the next time. Created anew when it was closed with its close box.
    void showWindowChoice(bool show);
    // The log-on entry, the window choice and the zone lists' order follow the preferences.
    void followPreferences(const PreferenceChange& change);
    void applyLogOnStart();
    void sortZoneLists();

    AppState& state_;
    ProgramOptions options_;
    TimeService time_;  // outlives every window that sends it requests
    SecondTicker ticker_;
    ClockListSaver saver_;
    TrayPresenter tray_;
    ChangeLineCache trayChanges_;  // the clocks' next changes in the menu's lines
    ChangeNotifier changeNotifier_;
    std::unique_ptr<SetupDialog> setup_;
    // Shared by the editor and the converter: the place table is read once, on the first search.
    PlaceFinder places_;
    std::unique_ptr<ClockEditor> editor_;
    std::unique_ptr<QWidget> converter_;
    QPointer<ClockWindow> clockWindow_;  // deleted by its close box
    int preferencesSubscription_ = -1;
    bool starting_ = false;
    bool endRequested_ = false;
    bool ended_ = false;
    // Started with the clock window shown: the icon follows the window's first paint (or the
    // first tick, whichever comes first), since adding it waits on the area's replies.
    bool startIconPending_ = false;
};

}  // namespace horavia
