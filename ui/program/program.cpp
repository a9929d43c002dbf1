#include "ui/program/program.h"

#include "ui/convert/converter_window.h"
#include "ui/editor/clock_editor.h"
#include "ui/main/help_page.h"
#include "ui/setup/setup_dialog.h"

namespace horavia {

namespace {

void BringToFront(QWidget* window) {
    if (window->isMinimized()) {
        window->showNormal();
    } else {
        window->show();
    }
    window->raise();
    window->activateWindow();
}

}  // namespace

Program::Program(AppState& state, SystemClockSetter& clockSetter, ProgramOptions options)
    : state_(state),
      options_(std::move(options)),
      time_(state, clockSetter, options_.serverQueries, options_.timePorts, options_.queryTiming),
      ticker_(state.services.clock),
      saver_(state),
      tray_(state.preferences.Values(),
            options_.notificationArea ? options_.notificationArea() : nullptr,
            options_.clickClockMs) {
    connect(&ticker_, &SecondTicker::tick, this, &Program::tick);
    connect(&tray_, &TrayPresenter::setupRequested, this, &Program::openSetup);
    connect(&tray_, &TrayPresenter::convertRequested, this, &Program::openConverter);
    connect(&tray_, &TrayPresenter::meetingRequested, this, &Program::findMeetingTime);
    connect(&tray_, &TrayPresenter::showHideRequested, this, &Program::toggleClockWindow);
    connect(&tray_, &TrayPresenter::syncRequested, this, &Program::syncNow);
    connect(&tray_, &TrayPresenter::helpRequested, this, &Program::openHelp);
    connect(&tray_, &TrayPresenter::exitRequested, this, &Program::shutDown);
    connect(&tray_, &TrayPresenter::foregroundRequested, this, &Program::bringOpenWindowForward);
    connect(&time_, &TimeService::busyChanged, &tray_, &TrayPresenter::setSynchronising);
    connect(&time_, &TimeService::queryRunningChanged, &tray_, &TrayPresenter::setQueryRunning);
    // A host that shows no tips shows the clocks in the menu from the first moment.
    connect(&tray_, &TrayPresenter::iconAdded, this, &Program::showClockLinesInTray);
    // The tip shows a changed clock at once, not at the next tick.
    connect(&saver_, &ClockListSaver::clockListChanged, this, [this] {
        if (tray_.isIconAdded()) showClocksInTray();
    });
    preferencesSubscription_ = state_.preferences.Subscribe(
        [this](const PreferenceChange& change) { followPreferences(change); });
}

Program::~Program() {
    state_.preferences.Unsubscribe(preferencesSubscription_);
    state_.services.settings.SetProblemHandler({});
    delete clockWindow_.data();
}

void Program::start(std::function<void(bool)> started) {
    MessageBoxPort& messages = state_.services.messages;
    // A settings file that cannot be read or written is told once; the program goes on.
    state_.services.settings.SetProblemHandler([&messages](const SettingsProblem& problem) {
        messages.Tell(SettingsProblemText(problem), kAppTitle, MsgIcon::Exclamation);
    });
    starting_ = true;
    bool loaded = false;
    {
        // What a first start or a migration writes reaches the file in one write.
        SettingsBatch batch(state_.services.settings);
        state_.LoadSettings();
        loaded = state_.LoadCatalogue();
    }
    if (loaded && state_.clockListOverLimit) {
        messages.Tell(ClockLimitText(), kAppTitle, MsgIcon::Exclamation);
    }
    // The windows, the icon and a start-up question come after what the start-up told.
    messages.AfterOpenBoxes([this, loaded, started = std::move(started)] {
        const bool running = loaded && finishStart();
        if (started) started(running);
    });
}

bool Program::finishStart() {
    starting_ = false;
    if (endRequested_) {
        saveAndClose();
        return false;
    }

    tray_.setWindowShown(state_.preferences.Values().ShowWnd);
    if (state_.preferences.Values().ShowWnd) {
        // The window first, as soon as it can be: the user waits for it, not for the icon.
        ClockWindow& window = ensureClockWindow();
        startIconPending_ = true;
        // Queued: the painted window reaches the screen before the icon's replies are awaited.
        connect(&window, &ClockWindow::firstPainted, this, &Program::addStartIcon,
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
        window.show();
    } else {
        tray_.addIcon(kAppTitle);
        // Without a notification area the clock window is the only way in. It stays when an
        // area appears later: the user can see it, and hides it from the icon when it suits them.
        if (!tray_.isIconAdded()) showClockWindow(true);
    }
    ticker_.start();
    if (state_.preferences.Values().STStartUp) time_.SyncTime();
    return !ended_;
}

void Program::shutDown() {
    if (endRequested_) return;
    endRequested_ = true;
    emit endRequested();
    if (!starting_) saveAndClose();
}

void Program::saveAndClose() {
    ended_ = true;
    ticker_.stop();
    {
        // The clock list and the preferences, whatever windows are open, in one write.
        SettingsBatch batch(state_.services.settings);
        saver_.saveNow();
        state_.SaveSettings();
        if (auto* converter = qobject_cast<ConverterWindow*>(converter_.get())) {
            converter->closeForShutDown();
        } else if (converter_) {
            converter_->close();
        }
        if (setup_) setup_->closeForShutDown();  // a running server test first
        if (editor_) editor_->close();
        if (clockWindow_) clockWindow_->closeForShutDown();  // writes the window's geometry
    }
    tray_.removeIcon();
    emit ended();
}

void Program::addStartIcon() {
    if (!startIconPending_ || ended_) return;
    startIconPending_ = false;
    tray_.addIcon(kAppTitle);
}

void Program::tick() {
    addStartIcon();
    state_.RefreshLocalZone();
    if (clockWindow_ && clockWindow_->isVisible()) clockWindow_->refresh();
    showClocksInTray();
    if (state_.preferences.Values().ChangeNotify) {
        changeNotifier_.check(state_, state_.services.clock.NowUtc(),
                              [this](const QString& title, const QString& text) {
                                  return tray_.showMessage(title, text);
                              });
    }
    time_.RequestUpdateTime();
}

void Program::showClocksInTray() {
    tray_.setTip(state_.TipText());
    showClockLinesInTray();
}

void Program::showClockLinesInTray() {
    if (!tray_.showsClockLines()) return;
    std::vector<std::string> lines;
    const Instant now = state_.services.clock.NowUtc();
    // Each clock's next change within the chosen days follows its line, greyed as well.
    const ChangeLines& changes =
        trayChanges_.At(state_, now, state_.preferences.Values().ChangeDays);
    for (int index : state_.EnabledClocksInOrder()) {
        const auto clock = static_cast<std::size_t>(index);
        lines.push_back(state_.Clocks()[clock].Label + ": " +
                        state_.ZoneTimeText(index, false, now));
        if (clock < changes.clocks.size() && !changes.clocks[clock].isEmpty()) {
            lines.push_back(changes.clocks[clock].toStdString());
        }
    }
    tray_.setClockLines(lines);
}

ClockWindow& Program::ensureClockWindow() {
    if (!clockWindow_) {
        clockWindow_ = new ClockWindow(state_);
        connect(clockWindow_, &ClockWindow::hideRequested, this,
                [this] { showClockWindow(false); });
        connect(clockWindow_, &ClockWindow::setupRequested, this, &Program::openSetup);
        connect(clockWindow_, &ClockWindow::menuRequested, this,
                [this](const QPoint& at, QContextMenuEvent::Reason reason) {
                    tray_.popUpMenu(at, true, clockWindow_.data(), reason);
                });
        clockWindow_->applyFont(state_.preferences.Values().FontName,
                                state_.preferences.Values().FontSize);
        clockWindow_->restorePlace();
        // While the setup dialog is open the window stays out of the top band.
        if (setup_ && setup_->isVisible()) clockWindow_->setAlwaysOnTop(false);
    }
    return *clockWindow_;
}

QWidget* Program::foregroundCandidate() const {
    for (QWidget* window :
         {static_cast<QWidget*>(editor_.get()), static_cast<QWidget*>(setup_.get()),
          converter_.get(), static_cast<QWidget*>(clockWindow_.data())}) {
        if (window != nullptr && window->isVisible()) return window;
    }
    return nullptr;
}

QWidget* Program::topmostWindow() const {
    if (clockWindow_ && clockWindow_->isVisible()) return clockWindow_.data();
    return foregroundCandidate();
}

bool Program::bringOpenWindowForward() {
    QWidget* window = foregroundCandidate();
    if (window == nullptr) return false;
    BringToFront(window);
    return window->isActiveWindow();
}

void Program::bringForward() {
    if (foregroundCandidate() != nullptr) {
        bringOpenWindowForward();
    } else {
        showClockWindow(true);
        if (clockWindow_) BringToFront(clockWindow_.data());
    }
}

void Program::openSetup() {
    SetupDialog& setup = ensureSetupDialog();
    if (setup.isVisible()) {
        bringOpenWindowForward();
        return;
    }
    // The dialog puts the window back into the top band when it closes.
    if (clockWindow_) clockWindow_->setAlwaysOnTop(false);
    setup.show();
    setup.raise();
    setup.activateWindow();
}

void Program::openConverter() {
    if (!converter_) {
        converter_.reset(
            options_.createConverter
                ? options_.createConverter()
                : new ConverterWindow(state_, state_.services.messages, nullptr, &places_));
    }
    // Shown without waiting for it; the close box only hides it.
    if (converter_) BringToFront(converter_.get());
}

void Program::findMeetingTime() {
    showClockWindow(true);
    ClockWindow& window = ensureClockWindow();
    window.findMeetingTime();
    if (window.isVisible()) BringToFront(&window);
}

void Program::toggleClockWindow() {
    showClockWindow(!state_.preferences.Values().ShowWnd);
}

void Program::syncNow() {
    time_.SyncNow();
}

void Program::openHelp() {
    if (options_.openHelp) {
        options_.openHelp();
    } else {
        OpenHelp(state_.services.messages);
    }
}

void Program::showClockWindow(bool show) {
    // A change is shown by its announcement; the same choice again is shown here.
    if (!state_.preferences.Set(&Preferences::ShowWnd, show)) showWindowChoice(show);
}

void Program::showWindowChoice(bool show) {
    if (setup_) setup_->setShowWindowChecked(show);
    tray_.setWindowShown(show);
    if (editor_ && editor_->isVisible()) return;
    if (show) {
        ensureClockWindow().show();
    } else if (clockWindow_) {
        clockWindow_->hide();
    }
}

SetupDialog& Program::ensureSetupDialog() {
    if (!setup_) {
        setup_ = std::make_unique<SetupDialog>(state_);
        setup_->setTimeService(&time_);
        connect(setup_.get(), &SetupDialog::newClockRequested, this,
                [this] { ensureClockEditor().editNewClock(); });
        connect(setup_.get(), &SetupDialog::editClockRequested, this,
                [this](int slot) { ensureClockEditor().editClock(slot); });
    }
    return *setup_;
}

ClockEditor& Program::ensureClockEditor() {
    if (!editor_)
        editor_ = std::make_unique<ClockEditor>(state_, nullptr, options_.mapPicture, &places_);
    return *editor_;
}

void Program::followPreferences(const PreferenceChange& change) {
    const Preferences& chosen = state_.preferences.Values();
    if (change.Touches(&Preferences::StartUp)) applyLogOnStart();
    if (change.Touches(&Preferences::ShowWnd)) showWindowChoice(chosen.ShowWnd);
    if (change.Touches(&Preferences::SortBy)) sortZoneLists();
    if (change.Touches(&Preferences::ChangeNotify)) changeNotifier_.again();
    if (change.Touches(&Preferences::ChangeDays)) showClockLinesInTray();
}

void Program::applyLogOnStart() {
    if (options_.logOnStart) options_.logOnStart(state_.preferences.Values().StartUp);
}

void Program::sortZoneLists() {
    if (editor_) {
        editor_->sortZoneList();
    } else {
        SortZoneOrder(state_.catalogue, state_.preferences.Values().SortBy);
    }
}

}  // namespace horavia
