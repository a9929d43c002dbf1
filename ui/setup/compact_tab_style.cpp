#include "ui/setup/compact_tab_style.h"

#include <algorithm>

namespace horavia {

namespace {

constexpr int kTabPadding = 12;  // pixels around a tab's caption, both sides together

}  // namespace

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    return metric == PM_TabBarTabHSpace ? std::min(value, kTabPadding) : value;
}

}  // namespace horavia
