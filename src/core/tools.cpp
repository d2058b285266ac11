#include "core/tools.h"

#include "core/cells.h"
#include "core/gamestate.h"

namespace zentrivo {

void ToolState::clickX() {
    SelectedTool = kToolX;
    xPressed = true;
    oPressed = false;
    eraserPressed = false;
}

void ToolState::clickO() {
    SelectedTool = kToolO;
    xPressed = false;
    oPressed = true;
    eraserPressed = false;
}

void ToolState::clickEraser() {
    SelectedTool = kToolEraser;
    // A second click while armed changes nothing on screen.
    if (EraserArmed == 0) {
        EraserArmed = 1;
        eraserPressed = true;
        xPressed = false;
        oPressed = false;
    }
}

void ToolState::resetTool() {
    EraserArmed = 0;
    eraserPressed = false;
    SelectedTool = kToolX;
    xPressed = true;
    oPressed = false;
}

void ToolState::load() { *this = ToolState{}; }

CellAction cellClick(std::int16_t whereFrom, std::int16_t savedMark, std::int16_t selectedTool) {
    if (whereFrom == kWhereOpen) {
        if (savedMark == kCodeX) return CellAction::ShowX;
        if (savedMark == kCodeO) return CellAction::ShowO;
        if (savedMark == kCodeBlank) return CellAction::ShowBlank;
        return CellAction::Nothing;
    }
    switch (selectedTool) {
        case kToolX:
            return CellAction::ShowX;
        case kToolO:
            return CellAction::ShowO;
        case kToolEraser:
            return CellAction::ShowBlank;
        default:
            return CellAction::Nothing;
    }
}

std::int16_t codeFor(CellAction action, std::int16_t oldCode) {
    switch (action) {
        case CellAction::ShowX:
            return kCodeX;
        case CellAction::ShowO:
            return kCodeO;
        case CellAction::ShowBlank:
            return kCodeBlank;
        case CellAction::Nothing:
            break;
    }
    return oldCode;
}

}  // namespace zentrivo
