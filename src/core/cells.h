// The board's 150 cells. A cell is named CCRR: column CC and row RR, both from
// 01. Columns 01-05 have rows 01-15, columns 06-10 rows 01-10 and columns
// 11-15 rows 01-05. The canonical order is by column, then by row; a cell's
// index (0-149) is its place in that order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace zentrivo {

constexpr int kCellCount = 150;

// Cell codes.
constexpr std::int16_t kCodeX = 0;
constexpr std::int16_t kCodeO = 1;
constexpr std::int16_t kCodeBlank = 2;

// The codes of all cells, in canonical order.
using CellCodes = std::array<std::int16_t, kCellCount>;

struct CellId {
    int column = 1;  // 1-15
    int row = 1;     // 1-15

    bool operator==(const CellId &o) const { return column == o.column && row == o.row; }
    bool operator!=(const CellId &o) const { return !(*this == o); }

    int columnBand() const { return (column - 1) / 5 + 1; }
    int rowBand() const { return (row - 1) / 5 + 1; }
    std::string digits() const;  // "0103"
};

// Rows in a column: 15, 10 or 5.
int rowsInColumn(int column);
bool isCell(int column, int row);
// The cell with four digits CCRR, when there is one.
std::optional<CellId> parseCell(const std::string &digits);

int cellIndex(CellId cell);                        // 0-149 in canonical order
CellId cellAt(int index);                          // inverse of cellIndex
const std::array<CellId, kCellCount> &allCells();  // canonical order

// The other four cells of the cell's column within its block, top to bottom.
std::array<CellId, 4> blockColumnPeers(CellId cell);

// Position of the cell's top-left corner in the board panel, in pixels
// (the grid's pitch is 24 pixels, starting at 72, 80).
int cellLeft(CellId cell);
int cellTop(CellId cell);

}  // namespace zentrivo
