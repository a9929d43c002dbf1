// The program's one notification-area icon: added at start-up, its tip changed every second,
// removed at shut-down.
#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <memory>
#include <string>

namespace horavia {

// The tip field holds at most this many characters.
inline constexpr std::size_t kTrayTipMaxChars = 127;

// The tip as the icon carries it: cut to 127 characters (whole UTF-8 characters).
QString TrayTipField(const std::string& tip);

class TrayIcon : public QObject {
    Q_OBJECT

  public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Shows the icon with its tip. Where no notification area exists yet the icon appears
    // when one does (the platform re-registers it, as it does when the area is re-created).
    void TrayAdd(const std::string& tip, const QIcon& icon);
    void TraySetTip(const std::string& tip);
    void TrayRemove();
    // Routes the icon's clicks to `activated`. Adding the icon again when the notification
    // area is re-created is done by the platform's own tray support.
    void TrayHook();
    // The menu the notification area shows on a right click by itself: hosts that show an
    // item's menu read it over D-Bus and never ask the program. Its captions follow the menu.
    void SetContextMenu(QMenu* menu);

    bool IsAdded() const;
    // The menu the icon carries (its own context menu once the icon exists).
    QMenu* ContextMenu() const;
    QString Tip() const;
    static bool IsNotificationAreaAvailable();

  signals:
    void activated(QSystemTrayIcon::ActivationReason reason);

  private:
    std::unique_ptr<QSystemTrayIcon> icon_;
    QPointer<QMenu> menu_;
    bool hooked_ = false;
};

}  // namespace horavia
