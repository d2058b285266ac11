#include "core/answerkey.h"

#include <algorithm>

namespace zentrivo {

std::array<CellId, 30> keyCells(const std::array<KeyTriple, 5> &key) {
    std::array<CellId, 30> cells{};
    int n = 0;
    for (int a = 1; a <= 5; ++a) {
        const KeyTriple &t = key[a - 1];
        cells[n++] = {a, t.b};            // A with B
        cells[n++] = {a, 5 + t.c};        // A with C
        cells[n++] = {a, 10 + t.d};       // A with D
        cells[n++] = {5 + t.d, t.b};      // D with B
        cells[n++] = {5 + t.d, 5 + t.c};  // D with C
        cells[n++] = {10 + t.c, t.b};     // C with B
    }
    std::sort(cells.begin(), cells.end(),
              [](CellId l, CellId r) { return cellIndex(l) < cellIndex(r); });
    return cells;
}

std::vector<RevealStep> revealSteps(const std::array<KeyTriple, 5> &key,
                                    const std::array<std::int16_t, kCellCount> &codes) {
    std::vector<RevealStep> steps;
    for (CellId cell : keyCells(key)) {
        steps.push_back({cellIndex(cell), RevealPicture::RedO});
        for (CellId peer : blockColumnPeers(cell)) {
            const int i = cellIndex(peer);
            if (codes[static_cast<size_t>(i)] == kCodeO)
                steps.push_back({i, RevealPicture::StruckO});
        }
    }
    return steps;
}

}  // namespace zentrivo
