// Answer keys and the reveal: which cells turn into a red O and which of the
// player's O's are struck through.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "catalogue/catalogue.h"
#include "core/cells.h"

namespace zentrivo {

// The 30 cells that hold an O in the solution, in canonical order.
std::array<CellId, 30> keyCells(const std::array<KeyTriple, 5> &key);

enum class RevealPicture { RedO, StruckO };

struct RevealStep {
    int cell;  // index in canonical order
    RevealPicture picture;
};

// The pictures the reveal paints, in painting order: each key cell gets a red
// O, then every O (code 1) in the rest of its block column is struck through.
// Codes are read, never changed.
std::vector<RevealStep> revealSteps(const std::array<KeyTriple, 5> &key,
                                    const std::array<std::int16_t, kCellCount> &codes);

}  // namespace zentrivo
