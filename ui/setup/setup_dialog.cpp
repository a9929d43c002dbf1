#include "ui/setup/setup_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/main/accessibility.h"
#include "ui/main/help_page.h"
#include "ui/main/scrolling_page.h"
#include "ui/setup/clock_list_page.h"
#include "ui/setup/command_button.h"
#include "ui/setup/default_format_page.h"
#include "ui/setup/time_sync_page.h"

namespace horavia {

SetupDialog::SetupDialog(AppState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      state_(state),
      tabs_(new QTabWidget(this)) {
    setWindowTitle(tr(kSetupCaption));
    setModal(false);
    InstallAccessibleInterfaces();

    tabs_->setObjectName(QStringLiteral("tabs"));
    // Screen readers list the page holder as a focusable object of its own, though it hands
    // its focus to the tab bar.
    tabs_->setAccessibleName(tr("Setup pages"));
    // All four captions in full side by side: the dialog is as wide as they need.
    tabs_->setUsesScrollButtons(false);
    tabs_->setElideMode(Qt::ElideNone);
    clockListPage_ = new ClockListPage(state_, tabs_);
    settingsPage_ = new SettingsPage(state_.preferences.Values(), tabs_);
    timeSyncPage_ = new TimeSyncPage(state_, tabs_);
    defaultFormatPage_ = new DefaultFormatPage(state_.preferences.Values(), tabs_);
    tabs_->addTab(new ScrollingPage(clockListPage_), tr("&Timezones"));
    tabs_->addTab(new ScrollingPage(settingsPage_), tr("&Settings"));
    tabs_->addTab(new ScrollingPage(timeSyncPage_), tr("TimeS&ync"));
    tabs_->addTab(new ScrollingPage(defaultFormatPage_), tr("Default &Format"));
    connect(clockListPage_, &ClockListPage::newClockRequested, this,
            &SetupDialog::newClockRequested);
    connect(clockListPage_, &ClockListPage::editClockRequested, this,
            &SetupDialog::editClockRequested);
    // The chosen font shows at once; Close writes it with the other choices.
    connect(settingsPage_, &SettingsPage::fontChosen, this,
            [this](const QString& name, int points) {
                state_.preferences.SetFont(name.toStdString(), points);
            });
    connect(settingsPage_, &SettingsPage::clockStyleChosen, defaultFormatPage_,
            &DefaultFormatPage::followClockStyle);

    closeButton_ = MakeCommandButton(tr("&Close"), "closeButton", this);
    helpButton_ = MakeCommandButton(tr("&Help"), "helpButton", this);
    connect(closeButton_, &QPushButton::clicked, this, &SetupDialog::saveAndHide);
    connect(helpButton_, &QPushButton::clicked, this, &SetupDialog::openHelp);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    buttons->addWidget(helpButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    // The layout's minimum is the dialog's: every caption fits at any font and scale.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    // On a low screen the pages scroll, and the dialog stays inside the screen.
    new WorkAreaFit(*this);
}

QSize SetupDialog::startingSize() const {
    const QSize outer(kSetupWidth, kSetupHeight);
    // The window manager's frame is known once the dialog has been shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    return (outer - frame.expandedTo(QSize(0, 0))).expandedTo(minimumSize());
}

void SetupDialog::setTimeService(TimeService* time) {
    timeSyncPage_->setTimeService(time);
}

void SetupDialog::setFontChooser(FontChooser chooser) {
    settingsPage_->setFontChooser(std::move(chooser));
}

void SetupDialog::setShowWindowChecked(bool checked) {
    settingsPage_->setShowWindowChecked(checked);
}

std::vector<std::string> SetupDialog::rowKeys() const {
    return clockListPage_->rowKeys();
}

void SetupDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Sized once; later showings keep the size the user gave it.
    if (!firstShowDone_) {
        firstShowDone_ = true;
        resize(startingSize());
        FitInsideItsWorkArea(*this);
        clockListPage_->fitColumns();
    }
}

void SetupDialog::reject() {
    saveAndHide();
}

void SetupDialog::saveAndHide() {
    Preferences chosen = state_.preferences.Values();
    chosen.AlwaysOnTop = settingsPage_->alwaysOnTop();
    chosen.StartUp = settingsPage_->startUp();
    chosen.ShowWnd = settingsPage_->showWindow();
    chosen.SingleClick = settingsPage_->singleClick();
    chosen.SortBy = settingsPage_->sortOrder();
    chosen.AMPM = settingsPage_->amPm();
    chosen.ShowOffset = settingsPage_->showOffset();
    chosen.DayNight = settingsPage_->dayNight();
    chosen.WorkDefault = settingsPage_->workDefault();
    chosen.WorkHours = settingsPage_->workHoursText();
    chosen.WorkDays = settingsPage_->workDaysText();
    chosen.MeetLength = settingsPage_->meetLength();
    chosen.ChangeLines = settingsPage_->changeLines();
    chosen.ChangeDays = settingsPage_->changeDays();
    chosen.ChangeNotify = settingsPage_->changeNotify();
    timeSyncPage_->storeInto(chosen);
    chosen.DefaultFormat = defaultFormatPage_->defaultFormat();

    SettingsBatch batch(state_.services.settings);  // one write of the settings file
    state_.SaveClockList();
    // Hidden first: the program took the clock window out of the top band while the dialog
    // showed, and the choices apply to the desktop as it is without it.
    hide();
    state_.preferences.Apply(chosen);
}

void SetupDialog::openHelp() {
    OpenHelp(state_.services.messages);
}

void SetupDialog::closeEvent(QCloseEvent* event) {
    if (closingForShutDown_) {
        event->accept();
        return;
    }
    saveAndHide();
    // Not QDialog's own handling, which would run Close a second time through reject().
    event->ignore();
}

void SetupDialog::closeForShutDown() {
    timeSyncPage_->closeServerTest();
    closingForShutDown_ = true;
    close();
}

}  // namespace horavia
