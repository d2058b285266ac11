// The game started as a player starts it (the program's own start-up, command
// line included), ending as soon as the main menu is on screen; with
// --all-windows it first opens every window of the game. Used by the
// benchmark to time start-up and measure peak memory.
#include <QApplication>
#include <cstring>

#include "app/frmmain.h"
#include "app/startup.h"
#include "app/windows.h"
#include "board/frmlogic.h"
#include "files/frmfiles.h"
#include "fillin/frmfillin.h"
#include "help/frmexamples.h"
#include "help/frmhx.h"
#include "help/frminstructions.h"
#include "intro/frmlogicintro.h"

int main(int argc, char **argv) {
    const bool all = argc > 1 && std::strcmp(argv[1], "--all-windows") == 0;
    // The game takes no arguments of its own: this one is the benchmark's.
    if (all) argv[--argc] = nullptr;
    return zentrivo::gameMain(argc, argv, [all](zentrivo::FrmMain &, zentrivo::Windows &w) {
        if (all) {
            w.state().PuzzleNum = 1;
            for (QWidget *window : std::initializer_list<QWidget *>{
                     w.logic(), w.introWindow(), w.fillInGrid(), w.files(), w.instructions(),
                     w.examplesWindow(), w.history()}) {
                window->show();
                QCoreApplication::processEvents();
            }
        }
        QCoreApplication::quit();
    });
}
