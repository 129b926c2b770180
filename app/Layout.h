#pragma once

// own
#include "scores/ScoreLine.h"

// Qt
#include <Qt>

// std
#include <array>
#include <tuple>

// The window's measures and colours, in one place: the board of cards, the
// side panel, the high-score grid and the two window heights.
namespace layout {

// The board: 4 rows of 9 cards, position k (1..36) running row by row.
constexpr int Columns = 9;
constexpr int Rows = 4;
constexpr int CardSize = 68;
constexpr int CardGap = 6;
constexpr int Margin = 12;
constexpr int BoardTop = 8;
constexpr int BoardWidth = Columns * CardSize + (Columns - 1) * CardGap;
constexpr int BoardHeight = Rows * CardSize + (Rows - 1) * CardGap;
constexpr int SideX = Margin + BoardWidth + 20;
constexpr int SideWidth = 372;
constexpr int WindowWidth = SideX + SideWidth + Margin;
constexpr int StartAreaTop = 208; // below the pictures and the version text

// Row and column (both from 1) of board position k.
constexpr int rowOf(int position) {
    return (position - 1) / Columns + 1;
}
constexpr int columnOf(int position) {
    return (position - 1) % Columns + 1;
}

// The outer window heights: the board alone, and the board with the list.
constexpr int BoardOnlyHeight = 485;
constexpr int WithListHeight = 770;

// The high-score grid below the board.
constexpr int GridTop = 392;
constexpr int GridRows = scores::maxEntries;
constexpr int GridColumns = static_cast<int>(std::tuple_size_v<scores::Row>);
constexpr int GridRowHeight = 22;
constexpr std::array<int, GridColumns> GridColumnWidths{30, 200, 100, 100, 35};

// The game's colours: red, blue and dark red.
constexpr Qt::GlobalColor Red = Qt::red;
constexpr Qt::GlobalColor Blue = Qt::blue;
constexpr Qt::GlobalColor DarkRed = Qt::darkRed;

} // namespace layout
