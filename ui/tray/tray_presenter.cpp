#include "ui/tray/tray_presenter.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QStyleHints>
#include <QWindow>

#include "platform/qt_utf8.h"
#include "ui/main/context_menu.h"
#include "ui/main/program_icon.h"

namespace horavia {

QString TrayTipField(const std::string& tip) {
    const QString text = Utf8(tip);
    // Counted in characters, never splitting a surrogate pair.
    qsizetype end = 0;
    std::size_t chars = 0;
    while (end < text.size() && chars < kTrayTipMaxChars) {
        end += (text.at(end).isHighSurrogate() && end + 1 < text.size()) ? 2 : 1;
        ++chars;
    }
    return text.left(end);
}

namespace {

// The icon as the toolkit draws a disabled one.
QIcon Greyed(const QIcon& icon) {
    QIcon greyed;
    for (const QSize& size : icon.availableSizes()) {
        greyed.addPixmap(icon.pixmap(size, QIcon::Disabled));
    }
    return greyed;
}

}  // namespace

TrayPresenter::TrayPresenter(const Preferences& prefs, std::unique_ptr<NotificationArea> area,
                             std::function<qint64()> clickClockMs, QObject* parent)
    : QObject(parent),
      prefs_(prefs),
      area_(area ? std::move(area) : CreateNotificationArea()),
      clickClockMs_(std::move(clickClockMs)) {
    clickClock_.start();
    connect(area_.get(), &NotificationArea::appeared, this, [this] {
        if (!iconWanted_) return;
        if (!icon_) {
            createIcon();
            return;
        }
        // Another host took the icon over (the toolkit registers it again): it may treat it
        // differently.
        hostStyle_ = area_->hostStyle();
        updateClockLines();
        emit iconAdded();
    });
    //: Tray menu: opens the setup dialog.
    setupAction_ = menu_.addAction(tr("&Setup"), this, &TrayPresenter::setupRequested);
    //: Tray menu: opens the time converter.
    menu_.addAction(tr("&Convert"), this, &TrayPresenter::convertRequested);
    //: Tray menu: shows the clock window at the next time that suits every clock's working
    //: hours.
    menu_.addAction(tr("Find a &meeting time"), this, &TrayPresenter::meetingRequested);
    showAction_ = menu_.addAction(tr(kMenuShowCaption), this, &TrayPresenter::showHideRequested);
    //: Tray menu: sets the computer's clock from a time server now.
    syncAction_ = menu_.addAction(tr("Sync Now!"), this, &TrayPresenter::syncRequested);
    menu_.addSeparator();
    menu_.addAction(tr("&Help"), this, &TrayPresenter::helpRequested);
    menu_.addSeparator();
    menu_.addAction(tr("E&xit"), this, &TrayPresenter::exitRequested);
}

TrayPresenter::~TrayPresenter() = default;

void TrayPresenter::addIcon(const std::string& tip) {
    iconWanted_ = true;
    tip_ = TrayTipField(tip);
    if (icon_) {
        icon_->setToolTip(tip_);
    } else if (area_->isPresent()) {
        createIcon();
    }
}

void TrayPresenter::createIcon() {
    // Asked only now: before an area exists the toolkit would settle on the wrong kind.
    hostStyle_ = area_->hostStyle();
    icon_ = std::make_unique<QSystemTrayIcon>(this);  // a child, so tests can find it
    icon_->setObjectName(QStringLiteral("trayIcon"));
    icon_->setIcon(currentIcon());
    // The menu the notification area shows by itself on a right click.
    icon_->setContextMenu(&menu_);
    connect(icon_.get(), &QSystemTrayIcon::activated, this, &TrayPresenter::handleActivation);
    icon_->setToolTip(tip_);
    updateClockLines();
    icon_->show();
    emit iconAdded();
}

void TrayPresenter::removeIcon() {
    iconWanted_ = false;
    if (icon_) icon_->hide();
    icon_.reset();
}

void TrayPresenter::setTip(const std::string& tip) {
    const QString field = TrayTipField(tip);
    if (!iconWanted_ || field == tip_) return;
    tip_ = field;
    if (icon_) icon_->setToolTip(field);
}

void TrayPresenter::setClockLines(const std::vector<std::string>& lines) {
    if (lines == clockLines_) return;
    clockLines_ = lines;
    updateClockLines();
}

bool TrayPresenter::showsClockLines() const {
    return icon_ != nullptr && hostStyle_ == TrayHostStyle::MenuOnClick;
}

bool TrayPresenter::showMessage(const QString& title, const QString& text) {
    if (!icon_) return false;
    icon_->showMessage(title, text, QSystemTrayIcon::Information);
    emit messageShown(title, text);
    return true;
}

void TrayPresenter::updateClockLines() {
    const std::size_t count = showsClockLines() ? clockLines_.size() : 0;
    // The lines, then a separator: one action more than lines, or none at all.
    const std::size_t actions = count == 0 ? 0 : count + 1;
    if (clockLineActions_.size() != actions) {
        for (QAction* action : clockLineActions_) delete action;
        clockLineActions_.clear();
        for (std::size_t i = 0; i < actions; ++i) {
            auto* action = new QAction(&menu_);
            action->setSeparator(i == count);
            action->setEnabled(false);  // a line to read, not a command
            menu_.insertAction(setupAction_, action);
            clockLineActions_.push_back(action);
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        QString text = TrayTipField(clockLines_[i]);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));  // no mnemonic in a clock's label
        if (clockLineActions_[i]->text() != text) clockLineActions_[i]->setText(text);
    }
}

void TrayPresenter::setSynchronising(bool running) {
    syncAction_->setEnabled(!running);
}

void TrayPresenter::setQueryRunning(bool running) {
    if (running == queryRunning_) return;
    queryRunning_ = running;
    if (icon_) icon_->setIcon(currentIcon());
}

QIcon TrayPresenter::currentIcon() const {
    return queryRunning_ ? Greyed(ProgramIcon()) : ProgramIcon();
}

void TrayPresenter::setWindowShown(bool shown) {
    showAction_->setText(tr(shown ? kMenuHideCaption : kMenuShowCaption));
}

void TrayPresenter::popUpMenu(const QPoint& globalPos, bool setupAsDefault, QWidget* over,
                              QContextMenuEvent::Reason reason) {
    menu_.setDefaultAction(setupAsDefault ? setupAction_ : nullptr);
    // Without a parent window a Wayland compositor places the menu as it likes.
    menu_.winId();  // the menu's native window, to take the parent
    menu_.windowHandle()->setTransientParent(over != nullptr ? over->window()->windowHandle()
                                                             : nullptr);
    PopUpContextMenu(menu_, globalPos, reason);
}

bool TrayPresenter::isIconAdded() const {
    return icon_ != nullptr && icon_->isVisible();
}

QString TrayPresenter::tip() const {
    return icon_ ? icon_->toolTip() : QString();
}

void TrayPresenter::handleActivation(QSystemTrayIcon::ActivationReason reason) {
    if (hostStyle_ == TrayHostStyle::MenuOnClick && reason == QSystemTrayIcon::Trigger) {
        // The host's one activation is a double click, and its only gesture that reaches the
        // program: it shows or hides the window, whatever SingleClick says.
        emit showHideRequested();
        return;
    }
    const qint64 now = clickClockMs_ ? clickClockMs_() : clickClock_.elapsed();
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    switch (TrayCommandFor(clicks_.Recognise(reason, now, interval), prefs_.SingleClick)) {
        case TrayCommand::ForceForeground:
            emit foregroundRequested();
            break;
        case TrayCommand::ShowHide:
            emit showHideRequested();
            break;
        case TrayCommand::PopupMenu:
            popUpMenu(QCursor::pos(), false);
            break;
        case TrayCommand::None:
            break;
    }
}

}  // namespace horavia
