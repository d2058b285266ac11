// The program's windows and their lifetimes. Each accessor loads its window
// when it is not loaded (construct, then Form_Load) and returns it; the
// loaded... accessors answer without loading. Unloading destroys a window's
// contents: the next use loads a fresh one.
#pragma once

#include <QPointer>

#include "app/gamestate.h"

class QWidget;

namespace zentrivo {

class GameWindow;
class FrmMain;
class FrmLogic;
class FrmFiles;
class FrmFillIn;
class FrmLogicIntro;
class FrmInstructions;
class FrmExamples;
class FrmHx;

class Windows {
public:
    explicit Windows(GameState &state);
    ~Windows();
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    GameState &state;

    // The main menu, which owns the other windows once it exists.
    void setMenu(FrmMain *menu);
    FrmMain *menu() const;

    FrmLogic *logic();
    FrmFiles *files();
    FrmFillIn *fillIn();
    FrmLogicIntro *intro();
    FrmInstructions *instructions();
    FrmExamples *examples();
    FrmHx *history();

    FrmLogic *loadedLogic() const;
    FrmFiles *loadedFiles() const;
    FrmFillIn *loadedFillIn() const;
    FrmLogicIntro *loadedIntro() const;
    FrmInstructions *loadedInstructions() const;
    FrmExamples *loadedExamples() const;
    FrmHx *loadedHistory() const;

    // Ends the window's modal loop, hides it and forgets it; it is destroyed
    // once control has left it, so a handler of its own may still be running.
    // Nothing happens for a null window.
    void unload(GameWindow *window);
    // Unloads every window in the order the menu's Exit uses.
    void unloadAll();

private:
    template <class T>
    T *load(QPointer<T> &slot);
    QWidget *owner() const;

    QPointer<FrmMain> menu_;
    QPointer<FrmLogic> logic_;
    QPointer<FrmFiles> files_;
    QPointer<FrmFillIn> fillIn_;
    QPointer<FrmLogicIntro> intro_;
    QPointer<FrmInstructions> instructions_;
    QPointer<FrmExamples> examples_;
    QPointer<FrmHx> history_;
};

}  // namespace zentrivo
