// What a running program offers later starts on the session bus: the desktop's usual
// org.freedesktop.Application interface, whose Activate brings the program forward.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QVariantMap>

namespace horavia {

class InstanceBusObject : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

  public:
    explicit InstanceBusObject(QObject* owner) : QDBusAbstractAdaptor(owner) {}

  public slots:
    // platformData (a startup notification id, say) is not needed to show a window.
    void Activate(const QVariantMap& platformData) {
        Q_UNUSED(platformData);
        emit activated();
    }

  signals:
    void activated();
};

}  // namespace horavia
