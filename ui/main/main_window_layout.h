// The main window's arithmetic, in twips: where the clock rows go, how big the window gets,
// and where a restored window may open.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace horavia {

inline constexpr int kClockMargin = 60;           // above the first row, left of the labels
inline constexpr int kOuterWidthAllowance = 240;  // both margins and the window frame
inline constexpr const char* kLineHeightText = "GMT 00:00";
inline constexpr float kDefaultGeometry = 100;  // each geometry key when absent
// What the window needs of a clock's format: what a format of more bytes writes lies far
// beyond any desktop's edge.
inline constexpr std::size_t kShownFormatBytes = 8192;

struct ClockRowText {
    std::string label;
    std::string time;
};

struct PlacedText {
    std::string text;
    int x = 0;
    int y = 0;
    int width = 0;  // as widthOf measured it

    bool operator==(const PlacedText&) const = default;
};

struct ClockPaintLayout {
    int lineHeight = 0;
    int labelWidth = 0;
    int timeWidth = 0;
    int rows = 0;
    std::vector<PlacedText> texts;  // labels first, then times
    int outerWidth = 0;             // the whole window, frame included
    int clientHeight = 0;           // the drawing area: 60 above the first row, 60 below the last
};

// The part of a text the window can show on a desktop this many pixels wide: as many
// characters as the desktop has pixels (no character is narrower than a pixel).
std::string ShownText(const std::string& utf8, int desktopWidthPixels);

// Lays out the rows of the enabled clocks. widthOf gives a text's width in whole twips.
ClockPaintLayout LayOutClockRows(const std::vector<ClockRowText>& rows, int lineHeight,
                                 const std::function<int(const std::string&)>& widthOf);

struct ChangedText {
    std::string before;  // what the place showed
    PlacedText after;    // with the larger of the old and new widths
};

// The texts of `after` that differ from `before`, where both layouts place every text alike;
// nothing when a text moved or the rows differ (the whole window is then repainted).
std::optional<std::vector<ChangedText>> ChangedTexts(const ClockPaintLayout& before,
                                                     const ClockPaintLayout& after);

// Outer window geometry in twips, single precision as stored.
struct WindowGeometry {
    float left = kDefaultGeometry;
    float top = kDefaultGeometry;
    float width = kDefaultGeometry;
    float height = kDefaultGeometry;
};

// The desktop the window must stay on: the union of all screens, in twips.
struct DesktopArea {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// Keeps a restored window on the desktop: a negative edge goes to the desktop's edge, and a
// window of which less than a third would show is moved flush with the far edge (a window
// larger than the desktop may then start off its near edge; nothing more is corrected).
WindowGeometry KeepOnDesktop(WindowGeometry g, const DesktopArea& desktop);

// A window with no stored place (a first start) opens inside the work area, the desktop less
// its panels: its title bar never starts above the work area's top, where it could not be
// dragged, nor its frame left of the work area. A stored place is left to KeepOnDesktop.
WindowGeometry KeepFirstPlaceInWorkArea(WindowGeometry g, const DesktopArea& workArea,
                                        bool leftStored, bool topStored);

}  // namespace horavia
