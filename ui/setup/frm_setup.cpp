#include "ui/setup/frm_setup.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "ui/main/help_page.h"
#include "ui/main/twips.h"
#include "ui/setup/compact_tab_style.h"
#include "ui/setup/sync_interval.h"

namespace horavia {

namespace {

QSize SetupOuterSize(const QWidget* dialog) {
    const double tpp = TwipsPerPixel(dialog);
    return {PixelsFromTwips(kSetupWidthTwips, tpp), PixelsFromTwips(kSetupHeightTwips, tpp)};
}

QPushButton* MakeButton(const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setAutoDefault(false);  // Enter in the list must not run a command
    return button;
}

}  // namespace

void frmSetup::EndProgramAtOnce() {
    std::exit(EXIT_FAILURE);
}

frmSetup::frmSetup(AppState& state, FatalExit fatalExit)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      state_(state),
      fatalExit_(std::move(fatalExit)) {
    setWindowTitle(QString::fromUtf8(kSetupCaption));
    setModal(false);
    CreateFrame();
    Form_Load();
    FillList();
    clockSubscription_ =
        state_.book.Subscribe([this](const ClockChange& change) { ShowClockChange(change); });
}

frmSetup::~frmSetup() {
    state_.book.Unsubscribe(clockSubscription_);
}

void frmSetup::CreateFrame() {
    TabStrip = new QTabWidget(this);
    auto* tabStyle = new CompactTabStyle;
    tabStyle->setParent(TabStrip);
    TabStrip->tabBar()->setStyle(tabStyle);
    const char* captions[] = {"Timezones", "Settings", "TimeSync", "Default Format"};
    for (std::size_t i = 0; i < picTab.size(); ++i) {
        picTab[i] = new QWidget(TabStrip);
        TabStrip->addTab(picTab[i], QString::fromUtf8(captions[i]));
    }
    CreateClockListPanel(picTab[0]);
    CreateSettingsPanel(picTab[1]);
    CreateTimeSyncPanel(picTab[2]);
    CreateFormatPanel(picTab[3]);

    cmdClose = MakeButton("&Close", this);
    cmdHelp = MakeButton("&Help", this);
    connect(cmdClose, &QPushButton::clicked, this, &frmSetup::cmdClose_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmSetup::cmdHelp_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    buttons->addWidget(cmdHelp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(TabStrip, 1);
    layout->addLayout(buttons);
}

void frmSetup::Form_Load() {
    SetFixedOuterSize(*this, SetupOuterSize(this));
    if (!state_.StartupLoadFlag) {
        state_.services.messages.Show(kSevereError, kAppTitle, MsgButtons::Ok, MsgIcon::Critical);
        if (fatalExit_) fatalExit_();
        return;
    }
    SetLVStyle();
}

void frmSetup::showEvent(QShowEvent* event) {
    // The window manager's frame is known once the dialog has been shown.
    SetFixedOuterSize(*this, SetupOuterSize(this));
    QDialog::showEvent(event);
    if (!columnsSized_) {
        columnsSized_ = true;
        SetColumnWidths();
    }
}

void frmSetup::reject() {
    cmdClose_Click();
}

void frmSetup::cmdClose_Click() {
    // Any state other than unticked counts as ticked.
    const auto ticked = [](const QCheckBox* box) { return box->checkState() != Qt::Unchecked; };
    Preferences& p = state_.prefs;
    SettingsBatch batch(state_.services.settings);  // one write of the settings file

    state_.SaveClockList();
    p.AlwaysOnTop = ticked(chkAOT);
    p.StartUp = ticked(chkStartUp);
    if (host_) host_->RegisterStartUp();
    p.ShowWnd = ticked(chkSWnd);
    emit windowChoiceMade(p.ShowWnd);
    p.SingleClick = ticked(chkSingleClick);
    p.SortBy = std::max(0, cmbSort->currentIndex());
    if (host_) host_->SortEditorList();
    p.AMPM = optAMPM->isChecked();
    p.STStartUp = ticked(chkSTStartUp);
    p.STInt = ticked(chkSTInt);
    p.STIntType = std::max(0, cmbSTInt->currentIndex());
    // The field keeps its text as typed; only the stored number is mended.
    p.STIntNum = IntervalFromText(txtSTInt->text().toStdString(), p.STIntType);
    p.STServer = cmbSTServer->currentText().toStdString();
    p.DefaultFormat = txtDefaultFormat->text().toStdString();
    state_.SaveSettings();
    hide();
    // The Setup command took the main window out of the top band while the dialog was open.
    if (host_) host_->SetAlwaysOnTop(p.AlwaysOnTop);
}

void frmSetup::cmdHelp_Click() {
    OpenHelp(state_.services.messages);
}

void frmSetup::Form_QueryUnload(bool& cancel, bool fromCloseBox) {
    if (!fromCloseBox) return;
    cmdClose_Click();
    cancel = true;
}

void frmSetup::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_QueryUnload(cancel, !closingForShutDown_);
    // Not QDialog's own handling, which would run Close a second time through reject().
    if (cancel) {
        event->ignore();
    } else {
        event->accept();
    }
}

void frmSetup::CloseForShutDown() {
    closingForShutDown_ = true;
    close();
}

void frmSetup::CloseServerTest() {
    if (serverTestWindow_) serverTestWindow_->close();
}

}  // namespace horavia
