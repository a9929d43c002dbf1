// Smaller lines in the clock window: one above the rows and one under any row, each pushing
// what follows down. The rows keep their columns; the window grows to the widest line.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/main/main_window_layout.h"

namespace horavia {

// top: the line above the first row (empty: none). underRow: by row, the line under it (empty
// or missing: none). noteHeight and widthOf measure in the smaller font.
void AddNoteLines(ClockPaintLayout& layout, const std::string& top,
                  const std::vector<std::string>& underRow, double noteHeight,
                  const std::function<double(const std::string&)>& widthOf);

// The top of a row's own line and the height it takes with the line under it.
double RowTop(const ClockPaintLayout& layout, int row);
double RowHeight(const ClockPaintLayout& layout, int row);

}  // namespace horavia
