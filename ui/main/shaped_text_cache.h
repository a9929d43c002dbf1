// The main window's texts shaped once: a text measured for the layout is drawn from the same
// shaping, and kept while the window shows it. The labels stay the same from tick to tick and
// many clocks show the same time, so most texts are shaped once; a time that moves on is
// shaped once a second, not once to measure and again to draw.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

class QPainter;
class QTextLayout;

namespace horavia {

class ShapedTextCache {
  public:
    ShapedTextCache();
    ~ShapedTextCache();
    ShapedTextCache(const ShapedTextCache&) = delete;
    ShapedTextCache& operator=(const ShapedTextCache&) = delete;

    // Starts a layout in `font`, the rows mirrored or not: a new font or direction forgets
    // every text, and a text used in neither the previous layout nor this one is let go.
    void Prepare(const QFont& font, bool mirrored);
    // The advance width in pixels of a UTF-8 text, trailing spaces included.
    double Width(const std::string& utf8);
    // The height in pixels of a row: one line of kLineHeightText.
    double LineHeight();
    // Draws a text as QPainter::drawText draws one line of it, its top left corner at `at`
    // (a tab or line break shows as a space). Mirrored rows keep each text's own direction.
    void Draw(QPainter& painter, const std::string& utf8, QPointF at);
    // How far from its start a text drawn in place of another looks the same: the width of
    // the glyphs both draw alike at their start (a clock's time that only moved on a second
    // shares all but the last digits). 0 where either text is not kept, mirrored rows, or
    // glyphs not in one left-to-right run of one font.
    double SamePrefixWidth(const std::string& before, const std::string& after) const;
    // How many shaped texts are kept.
    std::size_t size() const { return texts_.size(); }

  private:
    struct Shaped {
        std::unique_ptr<QTextLayout> layout;
        double width = 0;
        unsigned used = 0;  // the last layout that used it
        // Its glyphs where they are one left-to-right run of one font, else none.
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> places;
    };
    Shaped& find(const std::string& utf8);

    QFont font_;
    bool mirrored_ = false;
    std::optional<QFontMetricsF> metrics_;
    std::unordered_map<std::string, Shaped> texts_;
    unsigned generation_ = 0;
    std::optional<double> lineHeight_;
};

}  // namespace horavia
