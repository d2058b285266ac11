#include "core/gridmoves.h"

#include <algorithm>

namespace zentrivo {

int columnsInRow(int row) { return rowsInColumn(row); }

CellId moveFocus(CellId from, GridMove move) {
    CellId to = from;
    switch (move) {
        case GridMove::Left:
            --to.column;
            break;
        case GridMove::Right:
            ++to.column;
            break;
        case GridMove::Up:
            --to.row;
            break;
        case GridMove::Down:
            ++to.row;
            break;
        case GridMove::RowStart:
            to.column = 1;
            break;
        case GridMove::RowEnd:
            to.column = columnsInRow(from.row);
            break;
        // Five rows at a time, stopping at the column's first or last cell.
        case GridMove::PageUp:
            to.row = std::max(1, from.row - 5);
            break;
        case GridMove::PageDown:
            to.row = std::min(rowsInColumn(from.column), from.row + 5);
            break;
    }
    return isCell(to.column, to.row) ? to : from;
}

}  // namespace zentrivo
