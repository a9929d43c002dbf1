// Text widths and the line height in the main window's font, remembered from paint to paint:
// the labels stay the same from tick to tick and many clocks show the same time, so most
// texts are measured once.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <optional>
#include <string>
#include <unordered_map>

namespace horavia {

class TextWidthCache {
  public:
    // Starts a layout of about `texts` texts in `font`: a new font forgets every width, and
    // so does a cache grown far past one layout's texts (the times of earlier seconds).
    void Prepare(const QFont& font, std::size_t texts);
    // The advance width in pixels of a UTF-8 text, as QFontMetricsF measures it.
    double Width(const std::string& utf8);
    // The height in pixels of a row: one line of kLineHeightText.
    double LineHeight();

  private:
    QFont font_;
    std::optional<QFontMetricsF> metrics_;
    std::unordered_map<std::string, double> widths_;
    std::optional<double> lineHeight_;
};

}  // namespace horavia
