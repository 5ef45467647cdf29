#pragma once

// Where the 30 markers of each chord diagram sit inside its panel, the same
// in all three panels. Rows are strings, high E at the top; column 0 is the
// open/muted square left of the grid, columns 1 to 4 the fret dots.

#include <array>

inline constexpr int chordPositionCount = 3;
inline constexpr int chordRowCount = 6;
inline constexpr int chordColumnCount = 5;
inline constexpr int chordMarkerWidth = 13;
inline constexpr int chordMarkerHeight = 9;

struct ChordRow
{
    int squareTop; // column 0
    int dotTop;    // columns 1 to 4
};

inline constexpr std::array<ChordRow, chordRowCount> chordRows = { {
    { 12, 13 }, // 1 high E
    { 26, 26 }, // 2 B
    { 39, 39 }, // 3 G
    { 52, 52 }, // 4 D
    { 65, 66 }, // 5 A
    { 78, 78 }, // 6 low E
} };

inline constexpr std::array<int, chordColumnCount> chordColumnLefts = { 2, 21, 40, 59, 78 };

// A shape code is three ten-character blocks: six string states, then four fret labels.
inline constexpr int shapeBlockLength = 10;
inline constexpr int shapeStateCount = 6;
inline constexpr int shapeLabelCount = 4;
