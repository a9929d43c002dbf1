#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextOption>

#include "platform/qt_utf8.h"
#include "ui/main/shaped_text_cache.h"

namespace horavia {
namespace {

QImage Blank() {
    QImage image(420, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// The clock window's texts as QPainter::drawText draws them: left aligned from the left edge,
// or, mirrored, right aligned to the right edge in the text's own direction.
QImage DrawnByPainter(const QString& text, const QFont& font, bool mirrored) {
    QImage image = Blank();
    QPainter painter(&image);
    painter.setLayoutDirection(Qt::LeftToRight);  // as a widget's painter is, mirrored or not
    painter.setFont(font);
    const double height = QFontMetricsF(font).height() + 2;
    if (mirrored) {
        QTextOption option(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(QRectF(410.5 - 840, 7, 840, height), text, option);
    } else {
        painter.drawText(QRectF(10.25, 7, 840, height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    return image;
}

QImage DrawnByCache(ShapedTextCache& cache, const std::string& text, bool mirrored) {
    QImage image = Blank();
    QPainter painter(&image);
    cache.Draw(painter, text, QPointF(mirrored ? 410.5 - cache.Width(text) : 10.25, 7));
    return image;
}

TEST(ShapedText, DrawsAndMeasuresEachTextAsThePainterAndFontMetricsDo) {
    const std::vector<std::string> texts = {
        "Wednesday 23:59:59", "Paris ",        "@708.23",
        "JD 2461384.50000",   "fi ffi AV To",  "12:00:00 AM +01:00",
        "القاهرة 12:00",      "ירושלים 12:00", "ירושלים ",
        "東京 午前 3:04",     "a\tb",
    };
    QFont plain;
    QFont bold = plain;
    bold.setBold(true);
    QFont italic("Serif");
    italic.setItalic(true);
    italic.setPointSizeF(13.5);
    for (const QFont& font : {plain, bold, italic}) {
        for (bool mirrored : {false, true}) {
            ShapedTextCache cache;
            cache.Prepare(font, mirrored);
            for (const std::string& text : texts) {
                SCOPED_TRACE(text + (mirrored ? " mirrored, " : ", ") +
                             font.toString().toStdString());
                // drawText shows a tab as a space; the width is what is drawn.
                QString shown = Utf8(text);
                shown.replace(u'\t', u' ');
                EXPECT_EQ(cache.Width(text), QFontMetricsF(font).horizontalAdvance(shown));
                EXPECT_EQ(DrawnByCache(cache, text, mirrored),
                          DrawnByPainter(shown, font, mirrored));
            }
        }
    }
}

TEST(ShapedText, KeepsTheTextsOfTheLastTwoLayoutsOnly) {
    ShapedTextCache cache;
    for (int second = 0; second < 100; ++second) {
        cache.Prepare(QFont(), false);
        cache.Width("Tokyo");
        cache.Width("12:00:" + std::to_string(second));
    }
    EXPECT_EQ(cache.size(), 3u);  // the label, this second's time and the last one's
    cache.Prepare(QFont("Serif"), false);
    EXPECT_EQ(cache.size(), 0u);
}

}  // namespace
}  // namespace horavia
