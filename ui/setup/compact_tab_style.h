// Tabs with narrow side padding, so that the four tabs of the fixed-size setup dialog fit
// side by side with the desktop's usual fonts; everything else is drawn by the current style.
#pragma once

#include <QProxyStyle>

namespace horavia {

class CompactTabStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
};

}  // namespace horavia
