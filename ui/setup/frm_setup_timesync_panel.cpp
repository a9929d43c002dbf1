// The setup dialog's "TimeSync" panel: the time server with its Test and Auto buttons, and
// when the computer's clock is synchronised.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "model/text_helpers.h"
#include "sync/server_choice.h"
#include "ui/setup/server_test_dialog.h"
#include "ui/setup/frm_setup.h"

namespace horavia {

namespace {

constexpr int kButtonPadding = 24;  // pixels beside a button's caption, both sides together

// Clears a flag when the scope ends, whichever way it ends.
class FlagWhileRunning {
  public:
    explicit FlagWhileRunning(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagWhileRunning() { flag_ = false; }
    FlagWhileRunning(const FlagWhileRunning&) = delete;
    FlagWhileRunning& operator=(const FlagWhileRunning&) = delete;

  private:
    bool& flag_;
};

}  // namespace

void frmSetup::CreateTimeSyncPanel(QWidget* panel) {
    lblSyncNote = new QLabel(QString::fromUtf8(kSyncNote), panel);
    lblSyncNote->setWordWrap(true);

    fraServer = new QGroupBox(QStringLiteral("Server"), panel);
    cmbSTServer = new QComboBox(fraServer);
    cmbSTServer->setEditable(true);
    // Enter in the field must not add the typed name to the list that Auto tests.
    cmbSTServer->setInsertPolicy(QComboBox::NoInsert);
    for (const char* host : kTimeServers) cmbSTServer->addItem(QString::fromUtf8(host));
    for (const char* host : kNtpServers) cmbSTServer->addItem(QString::fromUtf8(host));
    cmbSTServer->setCurrentIndex(2);
    cmbSTServer->setMinimumContentsLength(16);
    cmbSTServer->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmdTest = new QPushButton(QStringLiteral("Test"), fraServer);
    cmdAuto = new QPushButton(QStringLiteral("Auto"), fraServer);
    for (QPushButton* b : {cmdTest, cmdAuto}) {
        b->setAutoDefault(false);
        // As narrow as their captions allow, so the server names get the room.
        b->setMaximumWidth(b->fontMetrics().horizontalAdvance(b->text()) + kButtonPadding);
    }
    connect(cmdTest, &QPushButton::clicked, this, &frmSetup::cmdTest_Click);
    connect(cmdAuto, &QPushButton::clicked, this, &frmSetup::cmdAuto_Click);
    auto* serverRow = new QHBoxLayout(fraServer);
    serverRow->setContentsMargins(6, 2, 6, 4);
    serverRow->setSpacing(4);
    serverRow->addWidget(cmbSTServer, 1);
    serverRow->addWidget(cmdTest);
    serverRow->addWidget(cmdAuto);

    fraWhen = new QGroupBox(QStringLiteral("When"), panel);
    chkSTStartUp = new QCheckBox(QStringLiteral("When starting Horavia"), fraWhen);
    chkSTInt = new QCheckBox(QStringLiteral("Every"), fraWhen);
    txtSTInt = new QLineEdit(QStringLiteral("1"), fraWhen);
    txtSTInt->setMaximumWidth(txtSTInt->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    cmbSTInt = new QComboBox(fraWhen);
    for (const char* unit : kIntervalUnits) cmbSTInt->addItem(QString::fromUtf8(unit));
    cmbSTInt->setCurrentIndex(0);
    auto* when = new QGridLayout(fraWhen);
    when->setContentsMargins(6, 2, 6, 4);
    when->setHorizontalSpacing(4);
    when->setVerticalSpacing(2);
    when->addWidget(chkSTStartUp, 0, 0, 1, 4);
    when->addWidget(chkSTInt, 1, 0);
    when->addWidget(txtSTInt, 1, 1);
    when->addWidget(cmbSTInt, 1, 2);
    when->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(lblSyncNote);
    layout->addWidget(fraServer);
    layout->addWidget(fraWhen);
    layout->addStretch(1);

    UpdateServerButtons();
}

void frmSetup::SetTimeService(TimeService* time) {
    if (time_ != nullptr) disconnect(time_, nullptr, this, nullptr);
    time_ = time;
    if (time_ != nullptr) {
        connect(time_, &TimeService::busyChanged, this, &frmSetup::UpdateServerButtons);
    }
    UpdateServerButtons();
}

void frmSetup::ApplySyncPreferences(const Preferences& prefs) {
    chkSTStartUp->setChecked(prefs.STStartUp);
    chkSTInt->setChecked(prefs.STInt);
    txtSTInt->setText(QString::number(prefs.STIntNum));
    cmbSTInt->setCurrentIndex(ClampValue(prefs.STIntType, 0, cmbSTInt->count() - 1));
    const QString server = QString::fromStdString(prefs.STServer);
    const int listed = cmbSTServer->findText(server, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (listed >= 0) cmbSTServer->setCurrentIndex(listed);
    cmbSTServer->setEditText(server);
}

bool frmSetup::ServerTestPossible() const {
    return time_ != nullptr && !serverTestRunning_ && !time_->IsBusy();
}

void frmSetup::UpdateServerButtons() {
    const bool possible = ServerTestPossible();
    cmdTest->setEnabled(possible);
    cmdAuto->setEnabled(possible);
}

std::vector<std::string> frmSetup::ServerListEntries() const {
    std::vector<std::string> servers;
    servers.reserve(static_cast<std::size_t>(cmbSTServer->count()));
    for (int i = 0; i < cmbSTServer->count(); ++i) {
        servers.push_back(cmbSTServer->itemText(i).toStdString());
    }
    return servers;
}

void frmSetup::cmdTest_Click() {
    if (!ServerTestPossible()) return;
    {
        FlagWhileRunning running(serverTestRunning_);
        UpdateServerButtons();
        time_->TestServer(cmbSTServer->currentText().toStdString());
    }
    UpdateServerButtons();
}

void frmSetup::cmdAuto_Click() {
    if (!ServerTestPossible()) return;
    std::optional<std::string> chosen;
    {
        FlagWhileRunning running(serverTestRunning_);
        UpdateServerButtons();
        Services& s = state_.services;
        ServerTestDialog window(time_->Query(), s.clock, s.localZone, s.messages, this);
        serverTestWindow_ = &window;
        window.show();
        chosen = window.testServers(ServerListEntries(), cmbSTServer->currentText().toStdString());
    }
    if (chosen) cmbSTServer->setEditText(QString::fromStdString(*chosen));
    UpdateServerButtons();
}

}  // namespace horavia
