#include "app/display.h"

#include <xcb/xcb.h>

namespace zentrivo {

bool canOpenXDisplay(const std::string &name) {
    xcb_connection_t *connection = xcb_connect(name.empty() ? nullptr : name.c_str(), nullptr);
    // A failed connection is still an object to free.
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
}

}  // namespace zentrivo
