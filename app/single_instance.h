// One running program per settings folder: a second start asks the running one to come
// forward and ends, instead of adding a second tray icon over the same settings.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace horavia {

class SingleInstance : public QObject {
    Q_OBJECT

  public:
    // name: the local socket's name; see InstanceNameFor.
    explicit SingleInstance(QString name, QObject* parent = nullptr);

    // True when a program already runs under this name; it has been asked to come forward.
    bool HandOverToRunning(int timeoutMs = 1000);
    // Starts answering later starts; a socket left behind by a crashed run is replaced.
    bool Listen();

  signals:
    void comeForwardRequested();

  private:
    QString name_;
    QLocalServer server_;
};

// A per-user socket path that names the settings folder, so that runs with different
// settings (tests, other users) never meet.
QString InstanceNameFor(const QString& settingsFolder);

}  // namespace horavia
