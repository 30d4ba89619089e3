#pragma once
// Geometry, colours and hit tests of the history drop-down popup (TDropDownDlg): one text row per entry, the
// row under the pointer highlighted, with an optional delete square at its right end.
#include <array>
#include <optional>

#include "controls/Geometry.h"
#include "framework/Drawing.h"

inline constexpr Rgb kDropDownBackground{255, 255, 255};
inline constexpr Rgb kDropDownFrameTopLeft{192, 192, 192};
inline constexpr Rgb kDropDownFrameBottomRight{220, 220, 220};
inline constexpr Rgb kDropDownHighlight{144, 144, 255};
inline constexpr Rgb kDropDownDeleteHot{255, 0, 0};
// The text of the highlighted row and the delete mark.
inline constexpr Rgb kDropDownHighlightedText{255, 255, 255};
inline constexpr Rgb kDropDownText{0, 0, 0};

// The list's colours: those above, or in a high-contrast theme the system's alone.
struct DropDownColours {
    Rgb background;
    Rgb frameTopLeft;
    Rgb frameBottomRight;
    Rgb highlight;
    Rgb highlightedText;
    Rgb text;
    Rgb deleteHot;
    // The delete mark over the hot delete square.
    Rgb deleteHotMark;
};
inline constexpr DropDownColours kDropDownColours{
    kDropDownBackground,      kDropDownFrameTopLeft, kDropDownFrameBottomRight, kDropDownHighlight,
    kDropDownHighlightedText, kDropDownText,         kDropDownDeleteHot,        kDropDownHighlightedText};
DropDownColours DropDownColoursFor(const std::optional<SystemColours>& highContrast);

class DropDownLayout {
public:
    static constexpr int kNoRow = -1;

    explicit DropDownLayout(Scale scale) : m_scale(scale) {}

    int WindowHeight(int rowCount) const;
    int FontHeight() const;
    // The width of the history buttons' drop-down: as wide as a time and its delete square at 96 dpi, scaled
    // across like the font and the square.
    int HistoryWidth() const;

    // Drawing of one row; client is the whole client area, whose left and top are 0.
    Point TextOrigin(int row) const;
    // Starts two scaled pixels in and is as wide as the client area, so it runs past the right edge.
    Rect HighlightBand(int row, const Rect& client) const;
    Rect DeleteSquare(int row, const Rect& client) const;
    std::array<Segment, 2> DeleteCross(int row, const Rect& client) const;

    // The row under a client point: kNoRow outside the client area and below the last row.
    int RowAt(Point point, const Rect& client, int rowCount) const;
    bool InDeleteColumn(Point point, const Rect& client) const;

    // The row itself when the list has it, otherwise kNoRow; also for a highlighted row after deletions.
    static int ExistingRowOrNone(int row, int rowCount);
    // The highlighted row after Up (step -1) or Down (+1): it stops at the first and the last row; with none
    // highlighted, Down takes the first row and Up the last.
    static int RowAfterStep(int row, int step, int rowCount);

private:
    int DeleteColumnLeft(const Rect& client) const;
    // The part of row i's band between two x positions.
    Rect RowSpan(int row, int left, int right) const;

    Scale m_scale;
};
