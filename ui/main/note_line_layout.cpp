#include "ui/main/note_line_layout.h"

#include <algorithm>
#include <cstddef>

namespace horavia {

void AddNoteLines(ClockPaintLayout& layout, const std::string& top,
                  const std::vector<std::string>& underRow, double noteHeight,
                  const std::function<double(const std::string&)>& widthOf) {
    layout.notes.clear();
    layout.noteHeight = noteHeight;
    const auto rows = static_cast<std::size_t>(layout.rows);
    double shift = 0;
    const auto place = [&](const std::string& text, double y) {
        const double width = widthOf(text);
        layout.notes.push_back({text, kClockMargin, y, width});
        layout.outerWidth = std::max(layout.outerWidth, width + kOuterWidthAllowance);
        shift += noteHeight;
    };
    if (!top.empty()) place(top, kClockMargin);
    for (std::size_t row = 0; row < rows && row + rows < layout.texts.size(); ++row) {
        layout.texts[row].y += shift;         // the label
        layout.texts[row + rows].y += shift;  // the time
        if (row < underRow.size() && !underRow[row].empty()) {
            place(underRow[row], layout.texts[row].y + layout.lineHeight);
        }
    }
    layout.clientHeight += shift;
}

double RowTop(const ClockPaintLayout& layout, int row) {
    if (row < 0 || row >= layout.rows) return 0;
    return layout.texts[static_cast<std::size_t>(row)].y;
}

double RowHeight(const ClockPaintLayout& layout, int row) {
    const double top = RowTop(layout, row);
    for (const PlacedText& note : layout.notes) {
        if (note.y == top + layout.lineHeight) return layout.lineHeight + layout.noteHeight;
    }
    return layout.lineHeight;
}

}  // namespace horavia
