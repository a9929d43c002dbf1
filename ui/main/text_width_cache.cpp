#include "ui/main/text_width_cache.h"

#include "platform/qt_utf8.h"
#include "ui/main/main_window_layout.h"

namespace horavia {

void TextWidthCache::Prepare(const QFont& font, std::size_t texts) {
    if (!metrics_ || font != font_) {
        font_ = font;
        metrics_.emplace(font);
        widths_.clear();
        lineHeight_.reset();
    } else if (widths_.size() > 2 * texts + 256) {
        widths_.clear();
    }
}

double TextWidthCache::Width(const std::string& utf8) {
    if (!metrics_) Prepare(QFont(), 0);
    auto it = widths_.find(utf8);
    if (it == widths_.end()) {
        const QString text = Utf8(utf8);
        it = widths_.emplace(utf8, metrics_->horizontalAdvance(text)).first;
    }
    return it->second;
}

double TextWidthCache::LineHeight() {
    if (!metrics_) Prepare(QFont(), 0);
    if (!lineHeight_) {
        lineHeight_ =
            metrics_->size(Qt::TextSingleLine, QString::fromLatin1(kLineHeightText)).height();
    }
    return *lineHeight_;
}

}  // namespace horavia
