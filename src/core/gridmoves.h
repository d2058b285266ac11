// Moves of the board's focus square with the keyboard. The square only ever
// lands on a cell: a move that would leave the staircase stays put, and a
// move across a block border goes on wherever the staircase does.
#pragma once

#include "core/cells.h"

namespace zentrivo {

enum class GridMove { Left, Right, Up, Down, RowStart, RowEnd, PageUp, PageDown };

// The cell the focus square moves to from `from`.
CellId moveFocus(CellId from, GridMove move);

// Columns in a row: 15, 10 or 5.
int columnsInRow(int row);

}  // namespace zentrivo
