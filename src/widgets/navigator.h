// What a window may ask of the rest of the game: the shared state, the other
// windows it opens, and the few things it reads or asks of the board. The
// window registry of the application implements it, so that no window needs
// to know another window's class.
#pragma once

#include "core/cells.h"
#include "core/gamestate.h"

namespace zentrivo {

class GameWindow;

class Navigator {
public:
    virtual ~Navigator() = default;

    virtual GameState &state() = 0;

    // Each loads its window when it is not loaded and returns it; the caller
    // shows it (modally, with exec()).
    virtual GameWindow *board() = 0;
    virtual GameWindow *fileWindow() = 0;
    virtual GameWindow *intro() = 0;
    virtual GameWindow *fillIn() = 0;
    virtual GameWindow *examples() = 0;

    // Ends the window's modal loop, hides it and forgets it; it is destroyed
    // once control has left it. Nothing happens for a null window.
    virtual void unload(GameWindow *window) = 0;
    // The same for the file window or the fill-in grid, when loaded.
    virtual void unloadFileWindow() = 0;
    virtual void unloadFillIn() = 0;

    // The board's cell codes, or all blank when no board is loaded.
    virtual CellCodes boardCodes() const = 0;
    // Puts the current puzzle on the board again, when a board is loaded.
    virtual void reloadBoard() = 0;

protected:
    Navigator() = default;
    Navigator(const Navigator &) = default;
    Navigator &operator=(const Navigator &) = default;
};

}  // namespace zentrivo
