// One running program per user and settings folder: a second start asks the running one to come
// forward and ends, instead of adding a second tray icon over the same settings. Nothing that
// another user could create first is ever used: when the way to the running program is not the
// user's own, the program starts as a lone one and tells nobody.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace horavia {

enum class InstanceClaim {
    Claimed,     // this run is the one later starts find
    HandedOver,  // this user's program already runs with these settings; it was asked to come
                 // forward, and this run is to end
    Alone,       // no way to find or be found (no session bus, say): the program runs on alone
};

class SingleInstance : public QObject {
    Q_OBJECT

  public:
    // settingsFolder: runs with other settings (tests) never meet.
    explicit SingleInstance(const QString& settingsFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Claims this user's instance for these settings, or hands over to the run that holds it.
    // `decided` gets the outcome: at once when no other run is to be asked, else once that run
    // has answered, through the event loop, within timeoutMs (no answer: Alone).
    void Claim(std::function<void(InstanceClaim)> decided, int timeoutMs = 1000);

  signals:
    // A later start asked this run to come forward.
    void comeForwardRequested();

  private:
    class Channel;  // the platform's own
    std::unique_ptr<Channel> channel_;
};

}  // namespace horavia
