// How a screen reader sees the board's grid: a table of 15 rows and 15
// columns whose headers are the puzzle's items, with one cell for each
// square of the staircase (the places without a square have none). Each
// square is named by its two items and its mark and reads as a list item,
// which a screen reader speaks alone, while its row and column stay known
// through the table.
#pragma once

class QAccessibleInterface;

namespace zentrivo {

class BoardGrid;

// Registers the grid's accessible interfaces with Qt (once; later calls do
// nothing). Qt builds them only when a screen reader asks.
void installGridAccessibility();

// The accessible cell of a square (canonical index), or none.
QAccessibleInterface *gridSquareInterface(BoardGrid *grid, int cell);

}  // namespace zentrivo
