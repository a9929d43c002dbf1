#include "ui/main/shaped_text_cache.h"

#include <QPainter>
#include <QTextLayout>
#include <iterator>

#include "platform/qt_utf8.h"
#include "ui/main/main_window_layout.h"

namespace horavia {

ShapedTextCache::ShapedTextCache() = default;
ShapedTextCache::~ShapedTextCache() = default;

void ShapedTextCache::Prepare(const QFont& font, bool mirrored) {
    if (!metrics_ || font != font_ || mirrored != mirrored_) {
        font_ = font;
        mirrored_ = mirrored;
        metrics_.emplace(font);
        texts_.clear();
        lineHeight_.reset();
    } else {
        for (auto it = texts_.begin(); it != texts_.end();) {
            it = it->second.used < generation_ ? texts_.erase(it) : std::next(it);
        }
    }
    ++generation_;
}

ShapedTextCache::Shaped& ShapedTextCache::find(const std::string& utf8) {
    if (!metrics_) Prepare(QFont(), false);
    auto it = texts_.find(utf8);
    if (it == texts_.end()) {
        // One line, as drawText lays out a single line: tabs and line breaks are spaces.
        QString text = Utf8(utf8);
        for (QChar& c : text) {
            if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
        }
        // Rows are laid out left to right; mirrored, each text keeps its own direction.
        const bool rightToLeft = mirrored_ && text.isRightToLeft();
        auto layout = std::make_unique<QTextLayout>(text, font_);
        QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        layout->setTextOption(option);
        layout->setCacheEnabled(true);  // drawing keeps the shaping
        layout->beginLayout();
        QTextLine line = layout->createLine();
        if (line.isValid()) line.setLineWidth(0);
        layout->endLayout();
        const double width = line.isValid() ? line.horizontalAdvance() : 0.0;
        it = texts_.emplace(utf8, Shaped{std::move(layout), width, 0}).first;
    }
    it->second.used = generation_;
    return it->second;
}

double ShapedTextCache::Width(const std::string& utf8) {
    return find(utf8).width;
}

double ShapedTextCache::LineHeight() {
    if (!metrics_) Prepare(QFont(), false);
    if (!lineHeight_) {
        lineHeight_ =
            metrics_->size(Qt::TextSingleLine, QString::fromLatin1(kLineHeightText)).height();
    }
    return *lineHeight_;
}

void ShapedTextCache::Draw(QPainter& painter, const std::string& utf8, QPointF at) {
    find(utf8).layout->draw(&painter, at);
}

}  // namespace horavia
