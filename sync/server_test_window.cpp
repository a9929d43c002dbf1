#include "sync/server_test_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace horavia {

frmSTAuto::frmSTAuto(TimeQueryPort& query, ClockSource& clock, LocalZoneSource& localZone,
                     MessageBoxPort& messages, QWidget* parent)
    : QDialog(parent),
      lstProgress(new QListWidget(this)),
      cmdCancel(new QPushButton(QStringLiteral("Cancel"), this)),
      query_(query),
      clock_(clock),
      localZone_(localZone),
      messages_(messages) {
    setWindowTitle(QStringLiteral("Testing time servers..."));
    setModal(false);
    lstProgress->setObjectName(QStringLiteral("lstProgress"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstProgress);
    layout->addLayout(buttons);
    resize(280, 220);
}

void frmSTAuto::closeEvent(QCloseEvent* event) {
    bCancel = true;
    event->accept();
}

void frmSTAuto::TestServer(const std::string& host, ServerResult& result) {
    result = MeasureServer(host, query_, clock_, localZone_);
    lstProgress->addItem(QString::fromStdString(host));
    lstProgress->setCurrentRow(lstProgress->count() - 1);
    lstProgress->scrollToItem(lstProgress->currentItem());
}

std::optional<std::string> frmSTAuto::DoIt(const std::vector<std::string>& servers,
                                           const std::string& comboText) {
    std::optional<std::string> accepted;
    const std::size_t n = servers.size();
    std::vector<ServerResult> results(n + 1);

    // The combo's own text first, into the last slot; then the list, until Cancel.
    TestServer(comboText, results[n]);
    bool cancelled = false;
    for (std::size_t k = 0; k < n; ++k) {
        if (bCancel) {
            cancelled = true;
            break;
        }
        TestServer(servers[k], results[k]);
    }

    if (!cancelled) {
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
