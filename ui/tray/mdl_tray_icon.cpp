#include "ui/tray/mdl_tray_icon.h"

#include "platform/qt_utf8.h"

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

TrayIcon::TrayIcon(QObject* parent) : QObject(parent) {}

TrayIcon::~TrayIcon() = default;

bool TrayIcon::IsNotificationAreaAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::TrayAdd(const std::string& tip, const QIcon& icon) {
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>();
        connect(icon_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (hooked_) emit activated(reason);
                });
    }
    icon_->setIcon(icon);
    icon_->setToolTip(TrayTipField(tip));
    if (menu_) icon_->setContextMenu(menu_);
    icon_->show();
}

void TrayIcon::TraySetTip(const std::string& tip) {
    if (!icon_) return;
    const QString field = TrayTipField(tip);
    if (icon_->toolTip() != field) icon_->setToolTip(field);
}

void TrayIcon::TrayRemove() {
    if (icon_) icon_->hide();
    icon_.reset();
    hooked_ = false;
}

void TrayIcon::TrayHook() {
    hooked_ = true;
}

void TrayIcon::SetContextMenu(QMenu* menu) {
    menu_ = menu;
    if (icon_) icon_->setContextMenu(menu);
}

bool TrayIcon::IsAdded() const {
    return icon_ != nullptr && icon_->isVisible();
}

QMenu* TrayIcon::ContextMenu() const {
    return icon_ ? icon_->contextMenu() : menu_.data();
}

QString TrayIcon::Tip() const {
    return icon_ ? icon_->toolTip() : QString();
}

}  // namespace horavia
