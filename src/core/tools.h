// The marking tools (X, O and the one-shot eraser) and what a cell click does.
#pragma once

#include <cstdint>

namespace zentrivo {

constexpr std::int16_t kToolX = 1;
constexpr std::int16_t kToolO = 2;
constexpr std::int16_t kToolEraser = 3;

struct ToolState {
    std::int16_t SelectedTool = kToolX;
    std::int16_t EraserArmed = 0;
    // Which tool pictures look pressed (sunken) rather than flat.
    bool xPressed = true;
    bool oPressed = false;
    bool eraserPressed = false;

    void clickX();
    void clickO();
    void clickEraser();
    void resetTool();  // back to X after an erase
    void load();       // every load of the board: X ready

    bool operator==(const ToolState &o) const {
        return SelectedTool == o.SelectedTool && EraserArmed == o.EraserArmed &&
               xPressed == o.xPressed && oPressed == o.oPressed && eraserPressed == o.eraserPressed;
    }
};

enum class CellAction { ShowX, ShowO, ShowBlank, Nothing };

// A cell click: restoring a saved mark while a saved puzzle is being opened
// (whereFrom 1), otherwise applying the selected tool. ShowBlank is always
// followed by resetTool().
CellAction cellClick(std::int16_t whereFrom, std::int16_t savedMark, std::int16_t selectedTool);

// The code a cell takes for an action (Nothing keeps the old code).
std::int16_t codeFor(CellAction action, std::int16_t oldCode);

}  // namespace zentrivo
