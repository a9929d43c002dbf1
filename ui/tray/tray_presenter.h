// The program's notification-area icon and its menu: the icon carries the tip and tells what
// the user asks for (setup, converter, show/hide, synchronise, help, exit) with signals; the
// program decides. Where no notification area exists the menu still serves the clock window,
// and the icon is added as soon as one appears.
#pragma once

#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/preferences.h"
#include "platform/notification_area.h"
#include "ui/tray/tray_activation.h"

namespace horavia {

// The tip field holds at most this many characters.
inline constexpr std::size_t kTrayTipMaxChars = 127;

inline constexpr const char* kMenuShowCaption =
    QT_TRANSLATE_NOOP("horavia::TrayPresenter", "S&how");
inline constexpr const char* kMenuHideCaption =
    QT_TRANSLATE_NOOP("horavia::TrayPresenter", "&Hide");

// The tip as the icon carries it: cut to 127 characters (whole UTF-8 characters).
QString TrayTipField(const std::string& tip);

class TrayPresenter : public QObject {
    Q_OBJECT

  public:
    // prefs: SingleClick decides what a click does. area: the desktop's notification area
    // (null: this platform's). clickClockMs: a steady clock in milliseconds for telling double
    // clicks (empty: the real one).
    TrayPresenter(const Preferences& prefs, std::unique_ptr<NotificationArea> area,
                  std::function<qint64()> clickClockMs = {}, QObject* parent = nullptr);
    ~TrayPresenter() override;

    // Shows the icon with its tip; where no notification area exists yet, as soon as one
    // appears. The platform puts it back when the area is re-created.
    void addIcon(const std::string& tip);
    void removeIcon();
    void setTip(const std::string& tip);
    // The clocks, one line each as in the tip. A host that shows no tips shows them as the
    // menu's first lines, greyed.
    void setClockLines(const std::vector<std::string>& lines);
    bool showsClockLines() const;
    // A desktop notification from the icon; false where there is no icon to show it.
    bool showMessage(const QString& title, const QString& text);
    // While a synchronisation or a server test runs (its questions and messages included)
    // "Sync Now!" is unavailable: no second one can start.
    void setSynchronising(bool running);
    // While a time query waits for its server the icon is greyed: the sign that something
    // happens. Once the query is over the icon is itself again, also while its outcome is told.
    void setQueryRunning(bool running);
    // The Show/Hide item's caption follows whether the clock window is to show.
    void setWindowShown(bool shown);
    // Pops the menu up at a screen position, "&Setup" marked as the default item or not.
    // over: the window clicked, if any; where a window's place cannot be known (Wayland) the
    // compositor places the menu relative to it, so the position is read in its coordinates.
    // Opened from the keyboard, the menu starts on its first enabled item.
    void popUpMenu(const QPoint& globalPos, bool setupAsDefault, QWidget* over = nullptr,
                   QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse);

    bool isIconAdded() const;
    QString tip() const;
    // The menu the icon carries; hosts that show an item's menu read it over D-Bus.
    QMenu* menu() { return &menu_; }
    bool isNotificationAreaPresent() const { return area_->isPresent(); }

  signals:
    void setupRequested();
    void convertRequested();
    void meetingRequested();
    void showHideRequested();
    void syncRequested();
    void helpRequested();
    void exitRequested();
    // A click on the icon: bring the program's open window forward.
    void foregroundRequested();
    // The icon is in a notification area now: at once, when one appeared, or when another
    // host took it over.
    void iconAdded();
    // A notification was handed to the notification area.
    void messageShown(const QString& title, const QString& text);

  private:
    void createIcon();
    void updateClockLines();
    QIcon currentIcon() const;
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

    const Preferences& prefs_;
    std::unique_ptr<NotificationArea> area_;
    TrayHostStyle hostStyle_ = TrayHostStyle::ClickActivates;
    std::function<qint64()> clickClockMs_;
    QElapsedTimer clickClock_;
    TrayClicks clicks_;
    QMenu menu_;
    QAction* setupAction_;
    QAction* showAction_;
    QAction* syncAction_;
    std::vector<std::string> clockLines_;
    std::vector<QAction*> clockLineActions_;  // above a separator, before "&Setup"
    QString tip_;
    bool iconWanted_ = false;  // added and not removed, though maybe waiting for an area
    bool queryRunning_ = false;
    std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace horavia
