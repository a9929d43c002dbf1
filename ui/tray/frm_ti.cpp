#include "ui/tray/frm_ti.h"

#include <QGuiApplication>
#include <QStyleHints>

#include "ui/convert/frm_convert.h"
#include "ui/editor/frm_edit.h"
#include "ui/main/help_page.h"
#include "ui/main/program_icon.h"
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

frmTI::frmTI(AppState& state, SystemClockSetter& clockSetter, TrayFormOptions options)
    : state_(state),
      options_(std::move(options)),
      time_(state, clockSetter, options_.timePorts, options_.queryTiming) {
    CreateMenu();
    tray_.SetContextMenu(&mnuPopup);
    clickClock_.start();
    connect(&tray_, &TrayIcon::activated, this, &frmTI::TrayActivated);
    // The tip shows a changed clock at once, whether or not the main window exists.
    clockSubscription_ = state_.book.Subscribe([this](const ClockChange&) {
        if (tray_.IsAdded()) TraySetTip(state_.TipText());
    });
}

frmTI::~frmTI() {
    state_.book.Unsubscribe(clockSubscription_);
    state_.services.settings.SetProblemHandler({});
    delete main_.data();
}

void frmTI::CreateMenu() {
    mnuPopupSetup = mnuPopup.addAction(QStringLiteral("&Setup"));
    mnuPopupConvert = mnuPopup.addAction(QStringLiteral("&Convert"));
    mnuPopupShow = mnuPopup.addAction(QString::fromUtf8(kMenuShowCaption));
    mnuPopupSync = mnuPopup.addAction(QStringLiteral("Sync Now!"));
    mnuS0 = mnuPopup.addSeparator();
    mnuPopupHelp = mnuPopup.addAction(QStringLiteral("&Help"));
    mnuS1 = mnuPopup.addSeparator();
    mnuPopupExit = mnuPopup.addAction(QStringLiteral("E&xit"));
    connect(mnuPopupSetup, &QAction::triggered, this, [this] { mnuPopupSetup_Click(); });
    connect(mnuPopupConvert, &QAction::triggered, this, [this] { mnuPopupConvert_Click(); });
    connect(mnuPopupShow, &QAction::triggered, this, [this] { mnuPopupShow_Click(); });
    connect(mnuPopupSync, &QAction::triggered, this, [this] { mnuPopupSync_Click(); });
    connect(mnuPopupHelp, &QAction::triggered, this, [this] { mnuPopupHelp_Click(); });
    connect(mnuPopupExit, &QAction::triggered, this, [this] { mnuPopupExit_Click(); });
}

bool frmTI::Form_Load() {
    // A settings file that cannot be read or written is told once; the program goes on.
    state_.services.settings.SetProblemHandler([this](const SettingsProblem& problem) {
        state_.services.messages.Show(SettingsProblemText(problem), kAppTitle, MsgButtons::Ok,
                                      MsgIcon::Exclamation);
    });
    editor_ = std::make_unique<frmEdit>(state_, nullptr, options_.mapPicture);

    {
        // What a first start or a migration writes reaches the file in one write.
        SettingsBatch batch(state_.services.settings);
        state_.LoadSettings(*this);  // creates the main window
        if (!state_.LoadCatalogue([this] { editor_->SortList(); })) return false;
    }

    // The setup dialog shows the settings and clocks as loaded.
    using horavia::SetupDialog;
    setup_ = std::make_unique<SetupDialog>(state_);
    connect(setup_.get(), &SetupDialog::startUpChosen, this, &frmTI::RegisterStartUp);
    connect(setup_.get(), &SetupDialog::windowChoiceMade, this, &frmTI::ShowMainWindow);
    connect(setup_.get(), &SetupDialog::sortOrderChosen, this, &frmTI::SortEditorList);
    connect(setup_.get(), &SetupDialog::alwaysOnTopChosen, this, &frmTI::SetAlwaysOnTop);
    connect(setup_.get(), &SetupDialog::fontChosen, this, [this](const QString& name, int points) {
        ApplyMainWindowFont(name.toStdString(), points);
    });
    connect(setup_.get(), &SetupDialog::newClockRequested, this, &frmTI::ShowEditorNew);
    connect(setup_.get(), &SetupDialog::editClockRequested, this, &frmTI::ShowEditorEdit);
    setup_->setTimeService(&time_);

    EnsureMainWindow()->Form_Paint();  // now with the clocks
    tray_.TrayAdd(kAppTitle, ProgramIcon());
    tray_.TrayHook();
    if (!NotificationAreaAvailable() && !state_.prefs.ShowWnd) {
        // Without a notification area the main window is the only way in.
        ShowMainWindow(true);
    }

    if (state_.prefs.STStartUp) time_.SyncTime();
    return true;
}

void frmTI::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    SettingsBatch batch(state_.services.settings);  // preferences and geometry in one write
    state_.SaveSettings();
    if (converter_) converter_->close();
    if (setup_) setup_->closeForShutDown();
    if (editor_) editor_->close();
    if (main_) main_->CloseForShutDown();  // writes the window's geometry
    tray_.TrayRemove();
    emit programEnded();
}

bool frmTI::NotificationAreaAvailable() const {
    return options_.notificationAreaAvailable ? options_.notificationAreaAvailable()
                                              : TrayIcon::IsNotificationAreaAvailable();
}

frmMain* frmTI::EnsureMainWindow() {
    if (!main_) {
        main_ = new frmMain(state_, *this, time_);
        connect(main_.data(), &frmMain::hideRequested, this, [this] { ShowMainWindow(false); });
        main_->ApplyFont(state_.prefs.FontName, state_.prefs.FontSize);
        main_->Form_Load();
    }
    return main_.data();
}

void frmTI::TrayActivated(QSystemTrayIcon::ActivationReason reason) {
    const qint64 now = options_.clickClockMs ? options_.clickClockMs() : clickClock_.elapsed();
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    Form_MouseMove(clicks_.MessageFor(reason, now, interval));
}

void frmTI::Form_MouseMove(int message) {
    switch (DecodeTrayMessage(message, state_.prefs.SingleClick)) {
        case TrayCommand::ForceForeground:
            ForceForeground();
            break;
        case TrayCommand::ShowHide:
            mnuPopupShow_Click();
            break;
        case TrayCommand::PopupMenu:
            PopupMenuAt(QCursor::pos(), false);
            break;
        case TrayCommand::None:
            break;
    }
}

QWidget* frmTI::ForegroundCandidate() const {
    for (QWidget* window :
         {static_cast<QWidget*>(editor_.get()), static_cast<QWidget*>(setup_.get()),
          converter_.get(), static_cast<QWidget*>(main_.data())}) {
        if (window != nullptr && window->isVisible()) return window;
    }
    return nullptr;
}

QWidget* frmTI::TopmostClockWindow() const {
    if (main_ && main_->isVisible()) return main_.data();
    return ForegroundCandidate();
}

bool frmTI::ForceForeground() {
    QWidget* window = ForegroundCandidate();
    if (window == nullptr) return false;
    BringToFront(window);
    return window->isActiveWindow();
}

void frmTI::BringForward() {
    if (ForegroundCandidate() != nullptr) {
        ForceForeground();
    } else {
        ShowMainWindow(true);
        if (main_) BringToFront(main_.data());
    }
}

void frmTI::mnuPopupSetup_Click() {
    if (setup_->isVisible()) {
        ForceForeground();
        return;
    }
    // The dialog puts the window back into the top band when it closes.
    if (main_) main_->SetAlwaysOnTop(false);
    setup_->show();
    setup_->raise();
    setup_->activateWindow();
}

void frmTI::mnuPopupConvert_Click() {
    if (!converter_) {
        converter_.reset(options_.createConverter
                             ? options_.createConverter()
                             : new frmConvert(state_, state_.services.messages));
    }
    // Shown without waiting for it; the close box only hides it.
    if (converter_) BringToFront(converter_.get());
}

void frmTI::mnuPopupShow_Click() {
    ShowMainWindow(!state_.prefs.ShowWnd);
}

void frmTI::mnuPopupSync_Click() {
    time_.SyncTime();
}

void frmTI::mnuPopupHelp_Click() {
    if (options_.openHelp) {
        options_.openHelp();
    } else {
        OpenHelp(state_.services.messages);
    }
}

void frmTI::mnuPopupExit_Click() {
    Form_Unload();
}

void frmTI::PopupMenuAt(const QPoint& globalPos, bool setupAsDefault) {
    mnuPopup.setDefaultAction(setupAsDefault ? mnuPopupSetup : nullptr);
    mnuPopup.popup(globalPos);
}

void frmTI::ShowMainWindow(bool show) {
    state_.prefs.ShowWnd = show;
    if (setup_) setup_->setShowWindowChecked(show);
    mnuPopupShow->setText(QString::fromUtf8(show ? kMenuHideCaption : kMenuShowCaption));
    SavePreference(state_.prefs, state_.services.settings, &Preferences::ShowWnd);
    if (editor_ && editor_->isVisible()) return;
    if (show) {
        EnsureMainWindow()->show();
    } else if (main_) {
        main_->hide();
    }
}

void frmTI::TraySetTip(const std::string& tip) {
    tray_.TraySetTip(tip);
}

void frmTI::ApplyWindowPreferences(const Preferences& prefs) {
    EnsureMainWindow()->ApplyFont(prefs.FontName, prefs.FontSize);
    ShowMainWindow(prefs.ShowWnd);
}

void frmTI::RegisterStartUp() {
    horavia::RegisterStartUp(state_, QuotedProgramPath());
}

void frmTI::SetAlwaysOnTop(bool onTop) {
    if (main_) main_->SetAlwaysOnTop(onTop);
}

void frmTI::ApplyMainWindowFont(const std::string& name, std::int32_t points) {
    // A main window created later takes the font from the preferences.
    if (main_) main_->ApplyFont(name, points);
}

void frmTI::SortEditorList() {
    if (editor_) editor_->SortList();
}

void frmTI::ShowEditorNew() {
    if (editor_) editor_->ShowNew();
}

void frmTI::ShowEditorEdit(int slot) {
    if (editor_) editor_->ShowEdit(slot);
}

}  // namespace horavia
