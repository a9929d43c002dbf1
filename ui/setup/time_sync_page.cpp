#include "ui/setup/time_sync_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "model/text_helpers.h"
#include "sync/time_service.h"
#include "ui/setup/server_test_dialog.h"
#include "ui/setup/sync_interval.h"

namespace horavia {

namespace {

constexpr int kButtonPadding = 24;  // pixels beside a button's caption, both sides together

bool Ticked(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}

}  // namespace

TimeSyncPage::TimeSyncPage(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
    const Preferences& prefs = state.preferences.Values();
    auto* note = new QLabel(tr(kSyncNote), this);
    note->setWordWrap(true);

    //: Group box title: the time server.
    auto* serverBox = new QGroupBox(tr("Server"), this);
    serverCombo_ = new QComboBox(serverBox);
    serverCombo_->setObjectName(QStringLiteral("serverCombo"));
    serverCombo_->setEditable(true);
    serverCombo_->setAccessibleName(tr("Server"));
    // Enter in the field must not add the typed name to the list that Auto tests.
    serverCombo_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* host : kTimeServers) serverCombo_->addItem(QString::fromUtf8(host));
    for (const char* host : kNtpServers) serverCombo_->addItem(QString::fromUtf8(host));
    for (const char* host : kNtsServers) serverCombo_->addItem(QString::fromUtf8(host));
    const QString server = QString::fromStdString(prefs.STServer);
    const int listed =
        serverCombo_->findText(server, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    serverCombo_->setCurrentIndex(listed >= 0 ? listed : 2);
    serverCombo_->setEditText(server);
    serverCombo_->setMinimumContentsLength(16);
    serverCombo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    //: Tests the time server once.
    testButton_ = new QPushButton(tr("Test"), serverBox);
    //: Tests every listed time server and proposes the best.
    autoButton_ = new QPushButton(tr("Auto"), serverBox);
    testButton_->setObjectName(QStringLiteral("testButton"));
    autoButton_->setObjectName(QStringLiteral("autoButton"));
    for (QPushButton* b : {testButton_, autoButton_}) {
        b->setAutoDefault(false);
        // As narrow as their captions allow, so the server names get the room.
        b->setMaximumWidth(b->fontMetrics().horizontalAdvance(b->text()) + kButtonPadding);
    }
    connect(testButton_, &QPushButton::clicked, this, &TimeSyncPage::testServer);
    connect(autoButton_, &QPushButton::clicked, this, &TimeSyncPage::findBestServer);
    auto* serverRow = new QHBoxLayout(serverBox);
    serverRow->setContentsMargins(6, 2, 6, 4);
    serverRow->setSpacing(4);
    serverRow->addWidget(serverCombo_, 1);
    serverRow->addWidget(testButton_);
    serverRow->addWidget(autoButton_);

    //: Group box title: when the computer's clock is synchronised.
    auto* whenBox = new QGroupBox(tr("When"), this);
    syncAtStartCheck_ = new QCheckBox(tr("When sta&rting Horavia"), whenBox);
    syncIntervalCheck_ = new QCheckBox(tr("E&very"), whenBox);
    syncAtStartCheck_->setObjectName(QStringLiteral("syncAtStartCheck"));
    syncIntervalCheck_->setObjectName(QStringLiteral("syncIntervalCheck"));
    syncAtStartCheck_->setChecked(prefs.STStartUp);
    syncIntervalCheck_->setChecked(prefs.STInt);
    intervalEdit_ = new QLineEdit(QString::number(prefs.STIntNum), whenBox);
    intervalEdit_->setObjectName(QStringLiteral("intervalEdit"));
    intervalEdit_->setMaximumWidth(
        intervalEdit_->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    intervalUnitCombo_ = new QComboBox(whenBox);
    intervalUnitCombo_->setObjectName(QStringLiteral("intervalUnitCombo"));
    intervalEdit_->setAccessibleName(tr("Sync interval"));
    intervalUnitCombo_->setAccessibleName(tr("Sync interval unit"));
    for (const char* unit : kIntervalUnits) intervalUnitCombo_->addItem(tr(unit));
    intervalUnitCombo_->setCurrentIndex(
        ClampValue(prefs.STIntType, 0, intervalUnitCombo_->count() - 1));
    auto* when = new QGridLayout(whenBox);
    when->setContentsMargins(6, 2, 6, 4);
    when->setHorizontalSpacing(4);
    when->setVerticalSpacing(2);
    when->addWidget(syncAtStartCheck_, 0, 0, 1, 4);
    when->addWidget(syncIntervalCheck_, 1, 0);
    when->addWidget(intervalEdit_, 1, 1);
    when->addWidget(intervalUnitCombo_, 1, 2);
    when->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(note);
    layout->addWidget(serverBox);
    layout->addWidget(whenBox);
    layout->addStretch(1);

    updateServerButtons();
}

void TimeSyncPage::setTimeService(TimeService* time) {
    if (time_ != nullptr) disconnect(time_, nullptr, this, nullptr);
    time_ = time;
    if (time_ != nullptr) {
        connect(time_, &TimeService::busyChanged, this, &TimeSyncPage::updateServerButtons);
    }
    updateServerButtons();
}

void TimeSyncPage::storeInto(Preferences& prefs) const {
    prefs.STStartUp = Ticked(syncAtStartCheck_);
    prefs.STInt = Ticked(syncIntervalCheck_);
    prefs.STIntType = std::max(0, intervalUnitCombo_->currentIndex());
    prefs.STIntNum = IntervalFromText(intervalEdit_->text().toStdString(), prefs.STIntType);
    prefs.STServer = serverCombo_->currentText().toStdString();
}

bool TimeSyncPage::serverTestPossible() const {
    return time_ != nullptr && !serverTestRunning_ && !time_->IsBusy();
}

void TimeSyncPage::updateServerButtons() {
    const bool possible = serverTestPossible();
    testButton_->setEnabled(possible);
    autoButton_->setEnabled(possible);
}

std::vector<std::string> TimeSyncPage::listedServers() const {
    std::vector<std::string> servers;
    servers.reserve(static_cast<std::size_t>(serverCombo_->count()));
    for (int i = 0; i < serverCombo_->count(); ++i) {
        servers.push_back(serverCombo_->itemText(i).toStdString());
    }
    return servers;
}

void TimeSyncPage::testServer() {
    if (!serverTestPossible()) return;
    serverTestRunning_ = true;
    updateServerButtons();
    time_->TestServer(serverCombo_->currentText().toStdString(),
                      [page = QPointer<TimeSyncPage>(this)] {
                          if (page) page->endServerTest();
                      });
}

void TimeSyncPage::findBestServer() {
    if (!serverTestPossible()) return;
    serverTestRunning_ = true;
    updateServerButtons();
    Services& s = state_.services;
    auto* dialog = new ServerTestDialog(time_->Query(), s.clock, s.messages, window());
    serverTestDialog_ = dialog;
    connect(dialog, &ServerTestDialog::testsFinished, this, [this, dialog] {
        if (const auto& chosen = dialog->chosenServer()) {
            serverCombo_->setEditText(QString::fromStdString(*chosen));
        }
        dialog->deleteLater();
        endServerTest();
    });
    dialog->show();
    dialog->testServers(listedServers(), serverCombo_->currentText().toStdString());
}

void TimeSyncPage::endServerTest() {
    serverTestRunning_ = false;
    updateServerButtons();
}

void TimeSyncPage::closeServerTest() {
    if (serverTestDialog_) serverTestDialog_->close();
}

}  // namespace horavia
