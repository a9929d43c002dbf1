#include "ui/main/main_window_layout.h"

#include <algorithm>

#include "model/text_helpers.h"

namespace horavia {

std::string ShownText(const std::string& utf8, int desktopWidthPixels) {
    return std::string(
        Utf8PrefixChars(utf8, static_cast<std::size_t>(std::max(1, desktopWidthPixels))));
}

ClockPaintLayout LayOutClockRows(const std::vector<ClockRowText>& rows, double lineHeight,
                                 const std::function<double(const std::string&)>& widthOf) {
    ClockPaintLayout layout;
    layout.lineHeight = lineHeight;
    // Labels first: the time column starts after the widest label.
    for (const ClockRowText& row : rows) {
        const double width = widthOf(row.label);
        layout.texts.push_back(
            {row.label, kClockMargin, layout.rows * lineHeight + kClockMargin, width});
        if (width > layout.labelWidth) layout.labelWidth = width;
        ++layout.rows;
    }
    int row = 0;
    const double timeX = layout.labelWidth + kClockMargin + lineHeight;
    for (const ClockRowText& r : rows) {
        const double width = widthOf(r.time);
        layout.texts.push_back({r.time, timeX, row * lineHeight + kClockMargin, width});
        if (width > layout.timeWidth) layout.timeWidth = width;
        ++row;
    }
    layout.outerWidth = layout.labelWidth + kOuterWidthAllowance + lineHeight + layout.timeWidth;
    layout.clientHeight = layout.rows * lineHeight + 2 * kClockMargin;
    return layout;
}

std::optional<std::vector<ChangedText>> ChangedTexts(const ClockPaintLayout& before,
                                                     const ClockPaintLayout& after) {
    if (before.rows != after.rows || before.lineHeight != after.lineHeight ||
        before.texts.size() != after.texts.size() || before.notes != after.notes) {
        return std::nullopt;
    }
    std::vector<ChangedText> changed;
    for (std::size_t i = 0; i < after.texts.size(); ++i) {
        const PlacedText& old = before.texts[i];
        const PlacedText& now = after.texts[i];
        if (old.x != now.x || old.y != now.y) return std::nullopt;
        if (old.text != now.text) {
            changed.push_back({old.text, {now.text, now.x, now.y, std::max(old.width, now.width)}});
        }
    }
    return changed;
}

namespace {

// A stored place that shows exactly a third of the window stays: it came in twips, and their
// division into pixels may put it a rounding error beyond the edge.
constexpr double kRoundingSlack = 1e-9;

}  // namespace

QRectF KeepOnDesktop(QRectF g, const QRect& desktop) {
    // QRect's right and bottom are its last pixels; the edges here lie just beyond them.
    const double right = desktop.x() + desktop.width();
    const double bottom = desktop.y() + desktop.height();
    if (g.x() < desktop.x()) g.moveLeft(desktop.x());
    if (g.x() + g.width() / 3 > right + kRoundingSlack) g.moveLeft(right - g.width());
    if (g.y() < desktop.y()) g.moveTop(desktop.y());
    if (g.y() + g.height() / 3 > bottom + kRoundingSlack) g.moveTop(bottom - g.height());
    return g;
}

QRectF KeepFirstPlaceInWorkArea(QRectF g, const QRect& workArea, bool leftStored, bool topStored) {
    if (!leftStored && g.x() < workArea.x()) g.moveLeft(workArea.x());
    if (!topStored && g.y() < workArea.y()) g.moveTop(workArea.y());
    return g;
}

}  // namespace horavia
