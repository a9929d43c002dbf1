// The program's notification-area icon and its menu: the icon carries the tip and tells what
// the user asks for (setup, converter, show/hide, synchronise, help, exit) with signals; the
// program decides. Where no notification area exists the menu still serves the clock window.
#pragma once

#include <QElapsedTimer>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>
#include <string>

#include "model/preferences.h"
#include "ui/tray/tray_message.h"

namespace horavia {

// The tip field holds at most this many characters.
inline constexpr std::size_t kTrayTipMaxChars = 127;

inline constexpr const char* kMenuShowCaption = "S&how";
inline constexpr const char* kMenuHideCaption = "&Hide";

// The tip as the icon carries it: cut to 127 characters (whole UTF-8 characters).
QString TrayTipField(const std::string& tip);

class TrayPresenter : public QObject {
    Q_OBJECT

  public:
    // prefs: SingleClick decides what a click does. clickClockMs: a steady clock in
    // milliseconds for telling double clicks (empty: the real one).
    explicit TrayPresenter(const Preferences& prefs, std::function<qint64()> clickClockMs = {},
                           QObject* parent = nullptr);
    ~TrayPresenter() override;

    // Shows the icon with its tip. Where no notification area exists yet the icon appears
    // when one does (the platform re-registers it, as when the area is re-created).
    void addIcon(const std::string& tip);
    void removeIcon();
    void setTip(const std::string& tip);
    // The Show/Hide item's caption follows whether the clock window is to show.
    void setWindowShown(bool shown);
    // Pops the menu up at a screen position, "&Setup" marked as the default item or not.
    // over: the window clicked, if any; where a window's place cannot be known (Wayland) the
    // compositor places the menu relative to it, so the position is read in its coordinates.
    void popUpMenu(const QPoint& globalPos, bool setupAsDefault, QWidget* over = nullptr);

    bool isIconAdded() const;
    QString tip() const;
    // The menu the icon carries; hosts that show an item's menu read it over D-Bus.
    QMenu* menu() { return &menu_; }
    static bool isNotificationAreaAvailable();

  signals:
    void setupRequested();
    void convertRequested();
    void showHideRequested();
    void syncRequested();
    void helpRequested();
    void exitRequested();
    // A click on the icon: bring the program's open window forward.
    void foregroundRequested();

  private:
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

    const Preferences& prefs_;
    std::function<qint64()> clickClockMs_;
    QElapsedTimer clickClock_;
    TrayClicks clicks_;
    QMenu menu_;
    QAction* setupAction_;
    QAction* showAction_;
    std::unique_ptr<QSystemTrayIcon> icon_;
};

}  // namespace horavia
