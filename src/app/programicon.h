// The program's icon as its windows carry it. Each size is decoded only when
// it is asked for: a window on a platform that shows no icon decodes none.
// Windows offer the sizes a title bar, a task bar and a window switcher use
// (up to 64 pixels); on X, every size a window offers is turned into pixels
// and sent to the server as each window is shown. The desktop's launcher and
// menus take the installed icon theme, which keeps every size up to 256.
#pragma once

#include <QIcon>

namespace zentrivo {

QIcon programIcon();

}  // namespace zentrivo
