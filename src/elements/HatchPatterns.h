#pragma once

#include <QImage>
#include <QRgb>
#include <array>
#include <cstdint>

// The 8 x 8 two-colour hatches of fill patterns 2 to 24. Rows run top to
// bottom; in each byte 0x80 is the leftmost cell and a set bit is foreground.
struct CHatchPattern {
    int nFillPattern;
    int nHatchStyle;  // the graphics library's number for this style
    const char* szName;
    std::array<uint8_t, 8> rows;
};

namespace HatchPatterns {
inline constexpr int kFirst = 2;
inline constexpr int kLast = 24;
inline constexpr int kCells = 8;

// The hatch of a fill pattern number, or nullptr when the number is no hatch.
const CHatchPattern* ForFillPattern(int nFillPattern);
// Whether the cell (column, row) of the tile is foreground.
bool IsForeground(const CHatchPattern& hatch, int nColumn, int nRow);
// The tile as an 8 x 8 image: clrForeground where a bit is set, clrBackground elsewhere.
QImage Tile(const CHatchPattern& hatch, QRgb clrForeground, QRgb clrBackground);
}  // namespace HatchPatterns
