// What the machine says about each window system, asked before the
// application object is made: Qt's own failure to open a display ends the
// program with an abort that cannot be caught.
#pragma once

#include <string>

namespace zentrivo {

// Opens and closes a connection to the X display `name` (the DISPLAY
// variable's when empty); answers whether it opened.
bool canOpenXDisplay(const std::string &name);

// Connects to the Wayland compositor's socket `name` (WAYLAND_DISPLAY's
// value: a path, or a name in XDG_RUNTIME_DIR; empty: wayland-0), as
// Wayland's client library finds it, and closes the connection.
bool canOpenWaylandDisplay(const std::string &name);

// Whether Qt's plug-in for the platform `name` ("xcb", "wayland",
// "offscreen" ...) is installed where Qt looks for it.
bool hasPlatformPlugin(const std::string &name);

}  // namespace zentrivo
