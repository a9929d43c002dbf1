#include "ui/main/shaped_text_cache.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
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
        Shaped shaped{
            std::move(layout), line.isValid() ? line.horizontalAdvance() : 0.0, 0, {}, {}, {}};
        // Kept for comparing a text with the next one in its place: where the glyphs run
        // left to right, everything left of the first glyph that differs looks the same.
        const QList<QGlyphRun> runs = line.isValid() ? line.glyphRuns() : QList<QGlyphRun>();
        if (!mirrored_ && runs.size() == 1) {
            QList<QPointF> places = runs[0].positions();
            if (std::is_sorted(places.begin(), places.end(),
                               [](QPointF l, QPointF r) { return l.x() < r.x(); })) {
                shaped.font = runs[0].rawFont();
                shaped.glyphs = runs[0].glyphIndexes();
                shaped.places = std::move(places);
            }
        }
        it = texts_.emplace(utf8, std::move(shaped)).first;
    }
    it->second.used = generation_;
    return it->second;
}

double ShapedTextCache::Width(const std::string& utf8) {
    return find(utf8).width;
}

double ShapedTextCache::SamePrefixWidth(const std::string& before, const std::string& after) const {
    const auto a = texts_.find(before);
    const auto b = texts_.find(after);
    if (a == texts_.end() || b == texts_.end()) return 0;
    const Shaped& x = a->second;
    const Shaped& y = b->second;
    if (x.glyphs.isEmpty() || y.glyphs.isEmpty() || x.font != y.font) return 0;
    const qsizetype n = std::min(x.glyphs.size(), y.glyphs.size());
    qsizetype same = 0;
    while (same < n && x.glyphs[same] == y.glyphs[same] && x.places[same] == y.places[same]) {
        ++same;
    }
    if (same == 0) return 0;
    const double endX = same < x.glyphs.size() ? x.places[same].x() : x.width;
    const double endY = same < y.glyphs.size() ? y.places[same].x() : y.width;
    return std::max(0.0, std::min(endX, endY));
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
