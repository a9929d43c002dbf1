#include "ui/setup/server_test_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace horavia {

ServerTestDialog::ServerTestDialog(TimeQueryPort& query, ClockSource& clock,
                                   LocalZoneSource& localZone, MessageBoxPort& messages,
                                   QWidget* parent)
    : QDialog(parent),
      progressList_(new QListWidget(this)),
      cancelButton_(new QPushButton(QStringLiteral("Cancel"), this)),
      query_(query),
      clock_(clock),
      localZone_(localZone),
      messages_(messages) {
    setWindowTitle(QStringLiteral("Testing time servers..."));
    setModal(false);
    progressList_->setObjectName(QStringLiteral("progressList"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &ServerTestDialog::cancel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(progressList_);
    layout->addLayout(buttons);
    resize(280, 220);
}

void ServerTestDialog::closeEvent(QCloseEvent* event) {
    cancelled_ = true;
    event->accept();
}

void ServerTestDialog::measure(const std::string& host, ServerResult& result) {
    result = MeasureServer(host, query_, clock_, localZone_);
    progressList_->addItem(QString::fromStdString(host));
    progressList_->setCurrentRow(progressList_->count() - 1);
    progressList_->scrollToItem(progressList_->currentItem());
}

std::optional<std::string> ServerTestDialog::testServers(const std::vector<std::string>& servers,
                                                         const std::string& typedServer) {
    std::optional<std::string> accepted;
    const std::size_t n = servers.size();
    std::vector<ServerResult> results(n + 1);

    // The typed server first, into the last slot; then the list, until Cancel.
    measure(typedServer, results[n]);
    bool stopped = false;
    for (std::size_t k = 0; k < n; ++k) {
        if (cancelled_) {
            stopped = true;
            break;
        }
        measure(servers[k], results[k]);
    }

    if (!stopped) {
        if (const auto best = ChooseServer(results)) {
            const ServerResult& chosen = results[*best];
            if (messages_.Show(ProposalText(chosen), kAppTitle, MsgButtons::YesNo, MsgIcon::None) ==
                MsgAnswer::Yes) {
                accepted = chosen.Server;
            }
        } else {
            messages_.Show(kNoActiveServersText, kAppTitle, MsgButtons::Ok, MsgIcon::Exclamation);
        }
    }
    close();
    return accepted;
}

}  // namespace horavia
