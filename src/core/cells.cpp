#include "core/cells.h"

namespace zentrivo {

std::string CellId::digits() const {
    auto two = [](int v) { return std::string(1, char('0' + v / 10)) + char('0' + v % 10); };
    return two(column) + two(row);
}

int rowsInColumn(int column) {
    if (column >= 1 && column <= 5) return 15;
    if (column >= 6 && column <= 10) return 10;
    if (column >= 11 && column <= 15) return 5;
    return 0;
}

bool isCell(int column, int row) { return row >= 1 && row <= rowsInColumn(column); }

std::optional<CellId> parseCell(const std::string &digits) {
    if (digits.size() != 4) return std::nullopt;
    for (char ch : digits)
        if (ch < '0' || ch > '9') return std::nullopt;
    const int column = (digits[0] - '0') * 10 + (digits[1] - '0');
    const int row = (digits[2] - '0') * 10 + (digits[3] - '0');
    if (!isCell(column, row)) return std::nullopt;
    return CellId{column, row};
}

int cellIndex(CellId cell) {
    int index = 0;
    for (int c = 1; c < cell.column; ++c) index += rowsInColumn(c);
    return index + cell.row - 1;
}

const std::array<CellId, kCellCount> &allCells() {
    static const std::array<CellId, kCellCount> cells = [] {
        std::array<CellId, kCellCount> out{};
        int i = 0;
        for (int c = 1; c <= 15; ++c)
            for (int r = 1; r <= rowsInColumn(c); ++r) out[i++] = CellId{c, r};
        return out;
    }();
    return cells;
}

CellId cellAt(int index) { return allCells().at(static_cast<size_t>(index)); }

std::array<CellId, 4> blockColumnPeers(CellId cell) {
    std::array<CellId, 4> out{};
    const int first = (cell.rowBand() - 1) * 5 + 1;
    int i = 0;
    for (int r = first; r < first + 5; ++r)
        if (r != cell.row) out[i++] = CellId{cell.column, r};
    return out;
}

int cellLeft(CellId cell) { return 72 + 24 * (cell.column - 1); }
int cellTop(CellId cell) { return 80 + 24 * (cell.row - 1); }

}  // namespace zentrivo
