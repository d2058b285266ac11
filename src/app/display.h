// Whether the X display can be opened, asked before the application object
// is made: Qt's own failure to open it ends the program with an abort that
// cannot be caught.
#pragma once

#include <string>

namespace zentrivo {

// Opens and closes a connection to the X display `name` (the DISPLAY
// variable's when empty); answers whether it opened.
bool canOpenXDisplay(const std::string &name);

}  // namespace zentrivo
