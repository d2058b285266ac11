// Loads a board and marks X and O, announcing each phase with an access()
// call on a marker name so that a system-call trace can be split by phase.
#include <unistd.h>
#include <QApplication>

#include "app/startup.h"
#include "app/windows.h"
#include "board/frmlogic.h"

using namespace zentrivo;

static void phase(const char *name) { (void)access(name, F_OK); }

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    GameState state;
    Windows windows(state);
    state.PuzzleNum = 1;
    phase("zentrivo-phase-load");
    FrmLogic *board = windows.logic();
    phase("zentrivo-phase-mark");
    board->ImgX_Click();
    for (int i = 0; i < kCellCount; i += 3) board->Img_Click(i);
    board->ImgO_Click();
    for (int i = 1; i < kCellCount; i += 3) board->Img_Click(i);
    phase("zentrivo-phase-end");
    return 0;
}
