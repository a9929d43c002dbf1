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
    ServerTestDialog(TimeQueryPort& query, ClockSource& clock, LocalZoneSource& localZone,
                     MessageBoxPort& messages, QWidget* parent = nullptr);

    // Tests `typedServer` first, then each list entry in order until Cancel, and asks whether
    // to use the best server that answered. Returns that host name when the user says Yes. The
    // window is closed when this returns, whatever happened.
    std::optional<std::string> testServers(const std::vector<std::string>& servers,
                                           const std::string& typedServer);

  protected:
    // Closing the window during a run stops it like Cancel.
    void closeEvent(QCloseEvent* event) override;
    // Escape is Cancel too.
    void reject() override { cancel(); }

  private slots:
    // The run stops before its next server.
    void cancel() { cancelled_ = true; }

  private:
    void measure(const std::string& host, ServerResult& result);

    QListWidget* progressList_;
    QPushButton* cancelButton_;
    bool cancelled_ = false;
    TimeQueryPort& query_;
    ClockSource& clock_;
    LocalZoneSource& localZone_;
    MessageBoxPort& messages_;
};

}  // namespace horavia
