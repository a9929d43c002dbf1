// The window "Testing time servers...": tests every server of the list and the one typed,
// then proposes the best that answered.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "model/services.h"
#include "sync/server_choice.h"
#include "sync/time_query_port.h"

class QListWidget;
class QPushButton;

namespace horavia {

class ServerTestDialog : public QDialog {
    Q_OBJECT

  public:
    ServerTestDialog(TimeQueryPort& query, ClockSource& clock, MessageBoxPort& messages,
                     QWidget* parent = nullptr);

    // Starts the run and returns at once: tests `typedServer` first, then each list entry in
    // order until Cancel, and asks whether to use the best server that answered. Once the run
    // is over the window is closed, whatever happened, and testsFinished follows.
    void testServers(const std::vector<std::string>& servers, const std::string& typedServer);
    // The host name the user said Yes to, once the run is over.
    const std::optional<std::string>& chosenServer() const { return chosen_; }

  signals:
    void testsFinished();

  protected:
    // Closing the window during a run stops it like Cancel.
    void closeEvent(QCloseEvent* event) override;
    // Escape is Cancel too.
    void reject() override { cancel(); }

  private slots:
    // The run stops before its next server.
    void cancel() { cancelled_ = true; }

  private:
    // Tests host into results_[slot], then goes on with the run.
    void measure(const std::string& host, std::size_t slot);
    void measureNext();
    // Proposes the best server unless the run was stopped; closes once that is answered.
    void finish(bool stopped);
    // Closes the window; the run is over.
    void endRun();

    QListWidget* progressList_;
    QPushButton* cancelButton_;
    bool cancelled_ = false;
    std::vector<std::string> servers_;
    std::vector<ServerResult> results_;  // the list's, then the typed server's
    std::size_t next_ = 0;               // the next list entry to test
    std::optional<std::string> chosen_;
    TimeQueryPort& query_;
    ClockSource& clock_;
    MessageBoxPort& messages_;
};

}  // namespace horavia
