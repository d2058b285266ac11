// The program's windows and their lifetimes. Each accessor loads its window
// when it is not loaded (construct, then Form_Load) and returns it; the
// loaded... accessors answer without loading. Unloading destroys a window's
// contents: the next use loads a fresh one. Windows reach each other only
// through the Navigator this registry implements.
#pragma once

#include <QPointer>

#include "widgets/navigator.h"

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

class Windows final : public Navigator {
public:
    explicit Windows(GameState &state);
    ~Windows() override;
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    GameState &state() override { return state_; }

    // The main menu, which owns the other windows once it exists.
    void setMenu(FrmMain *menu);
    FrmMain *menu() const;

    FrmLogic *logic();
    FrmFiles *files();
    FrmFillIn *fillInGrid();
    FrmLogicIntro *introWindow();
    FrmInstructions *instructions();
    FrmExamples *examplesWindow();
    FrmHx *history();

    FrmLogic *loadedLogic() const;
    FrmFiles *loadedFiles() const;
    FrmFillIn *loadedFillIn() const;
    FrmLogicIntro *loadedIntro() const;
    FrmInstructions *loadedInstructions() const;
    FrmExamples *loadedExamples() const;
    FrmHx *loadedHistory() const;

    // What the windows ask of each other.
    GameWindow *board() override;
    GameWindow *fileWindow() override;
    GameWindow *intro() override;
    GameWindow *fillIn() override;
    GameWindow *examples() override;
    void unload(GameWindow *window) override;
    void unloadFileWindow() override;
    void unloadFillIn() override;
    CellCodes boardCodes() const override;
    void reloadBoard() override;

    // Unloads every window in the order the menu's Exit uses.
    void unloadAll();

private:
    template <class T>
    T *load(QPointer<T> &slot);
    QWidget *owner() const;

    GameState &state_;
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
