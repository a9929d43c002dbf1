// The desktop's notification area, where the program's icon lives: whether one is there, when
// one appears after the program started (the panel is often started after it at log-in), and
// how its host treats the icon.
#pragma once

#include <QObject>
#include <memory>

namespace horavia {

enum class TrayHostStyle {
    // A click on the icon is an activation, a double click two of them; the host shows tips.
    ClickActivates,
    // A click opens the menu and a double click is one activation; the host shows no tips.
    MenuOnClick,
};

class NotificationArea : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    ~NotificationArea() override;

    // Whether a notification area can show the icon now. Asking never commits the toolkit to
    // one kind of notification area.
    virtual bool isPresent() = 0;
    virtual TrayHostStyle hostStyle() = 0;

  signals:
    // A notification area is there where none was, or a new host took over: the icon can
    // be added now, or is shown by that host.
    void appeared();
};

// This platform's notification area.
std::unique_ptr<NotificationArea> CreateNotificationArea();

}  // namespace horavia
