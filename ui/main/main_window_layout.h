// The main window's arithmetic, in pixels: where the clock rows go, how big the window gets,
// and where a restored window may open.
#pragma once

#include <QRect>
#include <QRectF>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace horavia {

inline constexpr double kClockMargin = 4;           // above the first row, left of the labels
inline constexpr double kOuterWidthAllowance = 16;  // both margins and the window frame
inline constexpr const char* kLineHeightText = "GMT 00:00";
// What the window needs of a clock's format: what a format of more bytes writes lies far
// beyond any desktop's edge.
inline constexpr std::size_t kShownFormatBytes = 8192;

struct ClockRowText {
    std::string label;
    std::string time;
};

struct PlacedText {
    std::string text;
    double x = 0;
    double y = 0;
    double width = 0;  // as widthOf measured it

    bool operator==(const PlacedText&) const = default;
};

struct ClockPaintLayout {
    double lineHeight = 0;
    double labelWidth = 0;
    double timeWidth = 0;
    int rows = 0;
    std::vector<PlacedText> texts;  // labels first, then times
    double outerWidth = 0;          // the whole window, frame included
    double clientHeight = 0;        // the drawing area: a margin above the first row and below
                                    // the last
    // Smaller lines under some rows (a clock's next change), drawn in a smaller font.
    std::vector<PlacedText> notes;
    double noteHeight = 0;
};

// The part of a text the window can show on a desktop this many pixels wide: as many
// characters as the desktop has pixels (no character is narrower than a pixel).
std::string ShownText(const std::string& utf8, int desktopWidthPixels);

// Lays out the rows of the enabled clocks. widthOf gives a text's width as drawn; a text's
// place keeps its fraction of a pixel, and only the window's size is rounded.
ClockPaintLayout LayOutClockRows(const std::vector<ClockRowText>& rows, double lineHeight,
                                 const std::function<double(const std::string&)>& widthOf);

struct ChangedText {
    std::string before;  // what the place showed
    PlacedText after;    // with the larger of the old and new widths
};

// The texts of `after` that differ from `before`, where both layouts place every text alike;
// nothing when a text moved or the rows differ (the whole window is then repainted).
std::optional<std::vector<ChangedText>> ChangedTexts(const ClockPaintLayout& before,
                                                     const ClockPaintLayout& after);

// Keeps a restored window (its frame, in pixels) on the desktop, the union of all screens: a
// negative edge goes to the desktop's edge, and a window of which less than a third would show
// is moved flush with the far edge (a window larger than the desktop may then start off its
// near edge; nothing more is corrected).
QRectF KeepOnDesktop(QRectF window, const QRect& desktop);

// A window with no stored place (a first start) opens inside the work area, the desktop less
// its panels: its title bar never starts above the work area's top, where it could not be
// dragged, nor its frame left of the work area. A stored place is left to KeepOnDesktop.
QRectF KeepFirstPlaceInWorkArea(QRectF window, const QRect& workArea, bool leftStored,
                                bool topStored);

}  // namespace horavia
