#include "app/display.h"

#include <dlfcn.h>
#include <xcb/xcb.h>

namespace zentrivo {

bool canOpenXDisplay(const std::string &name) {
    // libxcb is opened only here, when an X display is to be tried: a game
    // started on another platform does not load it (Qt's X platform loads it
    // anyway). Without it, no X display can be opened.
    void *xcb = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!xcb) return false;
    const auto connect = reinterpret_cast<decltype(&xcb_connect)>(::dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<decltype(&xcb_connection_has_error)>(
        ::dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect =
        reinterpret_cast<decltype(&xcb_disconnect)>(::dlsym(xcb, "xcb_disconnect"));
    bool opened = false;
    if (connect && hasError && disconnect) {
        xcb_connection_t *connection = connect(name.empty() ? nullptr : name.c_str(), nullptr);
        // A failed connection is still an object to free.
        opened = hasError(connection) == 0;
        disconnect(connection);
    }
    ::dlclose(xcb);
    return opened;
}

}  // namespace zentrivo
