// State shared by the windows that outlives each of them: the current puzzle,
// the file window's purpose and the marks read from the last accepted saved
// puzzle. One object is made at start-up and handed to every window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/cells.h"

namespace zentrivo {

// What the file window is for, and what the board's loader and cell clicks
// read to tell a restore from a fresh start.
constexpr std::int16_t kWhereNone = 0;
constexpr std::int16_t kWhereOpen = 1;
constexpr std::int16_t kWhereSave = 2;

struct GameState {
    std::int16_t PuzzleNum = 0;
    std::int16_t WhereFrom = kWhereNone;
    std::string FileName;
    // Grid0101b .. Grid1505b in canonical cell order; never-filled marks are 0.
    CellCodes GridB{};
    std::int16_t SavedPuzzleNum = 0;
};

}  // namespace zentrivo
