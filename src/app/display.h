// What the machine says about each window system, asked before the
// application object is made: Qt's own failure to open a display ends the
// program with an abort that cannot be caught.
#pragma once

#include <string>

namespace zentrivo {

// A connection to an X display, held until Qt has opened its own: an X
// server resets when its last client leaves, and a connection made during
// the reset fails (a fresh xvfb-run server whose first client is the game's
// try would refuse Qt).
class XDisplayConnection {
public:
    XDisplayConnection() = default;
    XDisplayConnection(const XDisplayConnection &) = delete;
    XDisplayConnection &operator=(const XDisplayConnection &) = delete;
    ~XDisplayConnection() { close(); }

    // Connects to the X display `name` (the DISPLAY variable's when empty),
    // after closing any connection held; answers whether it opened.
    bool open(const std::string &name);
    void close();

private:
    void *library_ = nullptr;
    void *connection_ = nullptr;
};

// Connects to the Wayland compositor's socket `name` (WAYLAND_DISPLAY's
// value: a path, or a name in XDG_RUNTIME_DIR; empty: wayland-0), as
// Wayland's client library finds it, and closes the connection.
bool canOpenWaylandDisplay(const std::string &name);

// Whether Qt's plug-in for the platform `name` ("xcb", "wayland",
// "offscreen" ...) is installed where Qt looks for it.
bool hasPlatformPlugin(const std::string &name);

}  // namespace zentrivo
