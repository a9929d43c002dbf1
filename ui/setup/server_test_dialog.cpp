#include "ui/setup/server_test_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace horavia {

ServerTestDialog::ServerTestDialog(TimeQueryPort& query, ClockSource& clock,
                                   MessageBoxPort& messages, QWidget* parent)
    : QDialog(parent),
      progressList_(new QListWidget(this)),
      cancelButton_(new QPushButton(tr("Cancel"), this)),
      query_(query),
      clock_(clock),
      messages_(messages) {
    setWindowTitle(tr("Testing time servers..."));
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
    // Room for a long server name and a dozen rows, more where the font is large.
    const QFontMetrics metrics = fontMetrics();
    resize(QSize(280, 220).expandedTo(
        QSize(metrics.averageCharWidth() * 36, metrics.lineSpacing() * 14)));
}

void ServerTestDialog::closeEvent(QCloseEvent* event) {
    cancelled_ = true;
    event->accept();
}

void ServerTestDialog::measure(const std::string& host, std::size_t slot) {
    MeasureServer(host, query_, clock_,
                  [self = QPointer<ServerTestDialog>(this), host, slot](const ServerResult& r) {
                      if (!self) return;  // the window went with its owner
                      self->results_[slot] = r;
                      self->progressList_->addItem(QString::fromStdString(host));
                      self->progressList_->setCurrentRow(self->progressList_->count() - 1);
                      self->progressList_->scrollToItem(self->progressList_->currentItem());
                      self->measureNext();
                  });
}

void ServerTestDialog::testServers(const std::vector<std::string>& servers,
                                   const std::string& typedServer) {
    servers_ = servers;
    results_.assign(servers.size() + 1, ServerResult{});
    next_ = 0;
    chosen_.reset();
    // The typed server first, into the last slot; then the list, until Cancel.
    measure(typedServer, servers.size());
}

void ServerTestDialog::measureNext() {
    if (next_ >= servers_.size()) return finish(false);
    if (cancelled_) return finish(true);
    const std::size_t k = next_++;
    measure(servers_[k], k);
}

void ServerTestDialog::finish(bool stopped) {
    if (stopped) return endRun();
    // The window closes once the proposal is answered, or the notice read.
    const QPointer<ServerTestDialog> self(this);
    if (const auto best = ChooseServer(results_)) {
        const ServerResult& chosen = results_[*best];
        messages_.Ask(ProposalText(chosen), kAppTitle, MsgButtons::YesNo, MsgIcon::None,
                      [self, server = chosen.Server](MsgAnswer answer) {
                          if (!self) return;  // the window went with its owner meanwhile
                          if (answer == MsgAnswer::Yes) self->chosen_ = server;
                          self->endRun();
                      });
    } else {
        messages_.Ask(Message{MessageId::NoActiveServers}, kAppTitle, MsgButtons::Ok,
                      MsgIcon::Exclamation, [self](MsgAnswer) {
                          if (self) self->endRun();
                      });
    }
}

void ServerTestDialog::endRun() {
    close();
    emit testsFinished();
}

}  // namespace horavia
