// The setup dialog's "TimeSync" tab: the time server with its Test and Auto buttons, and when
// the computer's clock is synchronised. Test and Auto use the program's time service and are
// offered only while its query is free.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "model/zone_model.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace horavia {

class TimeService;

// The units of the interval, in the order of the STIntType numbers; shown after "Every" and
// the number typed.
inline constexpr std::array<const char*, 5> kIntervalUnits{
    //: A unit of the synchronisation interval, read as "Every 30 Seconds" with any number.
    QT_TRANSLATE_NOOP("horavia::TimeSyncPage", "Seconds"),
    QT_TRANSLATE_NOOP("horavia::TimeSyncPage", "Minutes"),
    QT_TRANSLATE_NOOP("horavia::TimeSyncPage", "Hours"),
    QT_TRANSLATE_NOOP("horavia::TimeSyncPage", "Days"),
    QT_TRANSLATE_NOOP("horavia::TimeSyncPage", "Weeks")};
// Public servers of the Time Protocol (TCP port 37); the third spreads the load over all of
// NIST's servers and is the default server.
inline constexpr std::array<const char*, 13> kTimeServers{
    "time-a-g.nist.gov",    "time-b-g.nist.gov",   "time.nist.gov",       "time-c-g.nist.gov",
    "time-d-g.nist.gov",    "time-e-g.nist.gov",   "time-a-wwv.nist.gov", "time-b-wwv.nist.gov",
    "time-c-wwv.nist.gov",  "time-d-wwv.nist.gov", "time-e-wwv.nist.gov", "utcnist.colorado.edu",
    "utcnist2.colorado.edu"};
// NTP servers, offered after the Time Protocol's: national time institutes and the NTP pool.
inline constexpr std::array<const char*, 3> kNtpServers{"ntp:time.nist.gov", "ntp:ptbtime1.ptb.de",
                                                        "ntp:pool.ntp.org"};
// NTS servers (NTP whose answers are authenticated), offered last.
inline constexpr std::array<const char*, 3> kNtsServers{"nts:time.cloudflare.com",
                                                        "nts:nts.netnod.se", "nts:ptbtime1.ptb.de"};
inline constexpr const char* kSyncNote = QT_TRANSLATE_NOOP(
    "horavia::TimeSyncPage", "Synchronizes your computer's clock with an atomic clock.");

class TimeSyncPage : public QWidget {
    Q_OBJECT

  public:
    // Shows the synchronisation preferences of `state`.
    explicit TimeSyncPage(AppState& state, QWidget* parent = nullptr);

    // The program's time service; the buttons follow its busy state.
    void setTimeService(TimeService* time);
    // The choices into STStartUp, STInt, STIntType, STIntNum and STServer. The interval field
    // keeps its text as typed; only the stored number is mended.
    void storeInto(Preferences& prefs) const;
    // The program ending: a running server test stops before its next server and closes.
    void closeServerTest();

  private slots:
    // The server in the combo's text, tested once.
    void testServer();
    // Every server of the list tested; the best one that answered is offered for the combo.
    void findBestServer();
    // A Test or an Auto run is over: the buttons are offered again.
    void endServerTest();
    void updateServerButtons();

  private:
    bool serverTestPossible() const;
    std::vector<std::string> listedServers() const;

    AppState& state_;
    TimeService* time_ = nullptr;
    bool serverTestRunning_ = false;
    QPointer<QWidget> serverTestDialog_;  // Auto's window while it runs
    QComboBox* serverCombo_;
    QPushButton* testButton_;
    QPushButton* autoButton_;
    QCheckBox* syncAtStartCheck_;
    QCheckBox* syncIntervalCheck_;
    QLineEdit* intervalEdit_;
    QComboBox* intervalUnitCombo_;
};

}  // namespace horavia
