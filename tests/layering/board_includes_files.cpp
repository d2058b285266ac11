// Compiled as part of the board window: a header of another window folder.
#include "files/frmfiles.h"

int layeringBoardIncludesFiles() { return 0; }
