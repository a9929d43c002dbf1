#include "ui/tray/tray_presenter.h"

#include <QCursor>
#include <QGuiApplication>
#include <QStyleHints>
#include <QWindow>

#include "platform/qt_utf8.h"
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

TrayPresenter::TrayPresenter(const Preferences& prefs, std::function<qint64()> clickClockMs,
                             QObject* parent)
    : QObject(parent), prefs_(prefs), clickClockMs_(std::move(clickClockMs)) {
    clickClock_.start();
    setupAction_ = menu_.addAction(QStringLiteral("&Setup"), this, &TrayPresenter::setupRequested);
    menu_.addAction(QStringLiteral("&Convert"), this, &TrayPresenter::convertRequested);
    showAction_ = menu_.addAction(QString::fromUtf8(kMenuShowCaption), this,
                                  &TrayPresenter::showHideRequested);
    menu_.addAction(QStringLiteral("Sync Now!"), this, &TrayPresenter::syncRequested);
    menu_.addSeparator();
    menu_.addAction(QStringLiteral("&Help"), this, &TrayPresenter::helpRequested);
    menu_.addSeparator();
    menu_.addAction(QStringLiteral("E&xit"), this, &TrayPresenter::exitRequested);
}

TrayPresenter::~TrayPresenter() = default;

bool TrayPresenter::isNotificationAreaAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayPresenter::addIcon(const std::string& tip) {
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>(this);  // a child, so tests can find it
        icon_->setObjectName(QStringLiteral("trayIcon"));
        icon_->setIcon(ProgramIcon());
        // The menu the notification area shows by itself on a right click.
        icon_->setContextMenu(&menu_);
        connect(icon_.get(), &QSystemTrayIcon::activated, this, &TrayPresenter::handleActivation);
    }
    icon_->setToolTip(TrayTipField(tip));
    icon_->show();
}

void TrayPresenter::removeIcon() {
    if (icon_) icon_->hide();
    icon_.reset();
}

void TrayPresenter::setTip(const std::string& tip) {
    if (!icon_) return;
    const QString field = TrayTipField(tip);
    if (icon_->toolTip() != field) icon_->setToolTip(field);
}

void TrayPresenter::setWindowShown(bool shown) {
    showAction_->setText(QString::fromUtf8(shown ? kMenuHideCaption : kMenuShowCaption));
}

void TrayPresenter::popUpMenu(const QPoint& globalPos, bool setupAsDefault, QWidget* over) {
    menu_.setDefaultAction(setupAsDefault ? setupAction_ : nullptr);
    // Without a parent window a Wayland compositor places the menu as it likes.
    menu_.winId();  // the menu's native window, to take the parent
    menu_.windowHandle()->setTransientParent(over != nullptr ? over->window()->windowHandle()
                                                             : nullptr);
    menu_.popup(globalPos);
}

bool TrayPresenter::isIconAdded() const {
    return icon_ != nullptr && icon_->isVisible();
}

QString TrayPresenter::tip() const {
    return icon_ ? icon_->toolTip() : QString();
}

void TrayPresenter::handleActivation(QSystemTrayIcon::ActivationReason reason) {
    const qint64 now = clickClockMs_ ? clickClockMs_() : clickClock_.elapsed();
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    switch (DecodeTrayMessage(clicks_.MessageFor(reason, now, interval), prefs_.SingleClick)) {
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
