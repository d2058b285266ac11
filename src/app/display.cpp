#include "app/display.h"

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <cstdlib>
#include <cstring>

namespace zentrivo {

bool XDisplayConnection::open(const std::string &name) {
    close();
    // libxcb is opened only here, when an X display is to be tried: a game
    // started on another platform does not load it (Qt's X platform loads it
    // anyway). Without it, no X display can be opened.
    library_ = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!library_) return false;
    const auto connect = reinterpret_cast<decltype(&xcb_connect)>(::dlsym(library_, "xcb_connect"));
    const auto hasError = reinterpret_cast<decltype(&xcb_connection_has_error)>(
        ::dlsym(library_, "xcb_connection_has_error"));
    if (!connect || !hasError || !::dlsym(library_, "xcb_disconnect")) {
        close();
        return false;
    }
    xcb_connection_t *connection = connect(name.empty() ? nullptr : name.c_str(), nullptr);
    // A failed connection is still an object to free.
    connection_ = connection;
    if (hasError(connection) != 0) {
        close();
        return false;
    }
    return true;
}

void XDisplayConnection::close() {
    if (connection_) {
        const auto disconnect =
            reinterpret_cast<decltype(&xcb_disconnect)>(::dlsym(library_, "xcb_disconnect"));
        disconnect(static_cast<xcb_connection_t *>(connection_));
        connection_ = nullptr;
    }
    if (library_) ::dlclose(library_);
    library_ = nullptr;
}

bool canOpenWaylandDisplay(const std::string &name) {
    // A socket handed over by the compositor that started the game is open.
    if (std::getenv("WAYLAND_SOCKET")) return true;
    std::string path = name.empty() ? std::string("wayland-0") : name;
    if (path[0] != '/') {
        const char *runtime = std::getenv("XDG_RUNTIME_DIR");
        if (!runtime || !*runtime) return false;
        path = std::string(runtime) + "/" + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool opened =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return opened;
}

bool hasPlatformPlugin(const std::string &name) {
    // Qt's plug-in files are named after the platform, but for Wayland's
    // generic one.
    const QString file = name == "wayland" ? QStringLiteral("libqwayland-generic.so")
                                           : "libq" + QString::fromStdString(name) + ".so";
    QStringList folders;
    const auto listed = [](const char *variable) {
        return QString::fromLocal8Bit(qgetenv(variable))
            .split(QLatin1Char(':'), Qt::SkipEmptyParts);
    };
    folders << listed("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString &folder : listed("QT_PLUGIN_PATH"))
        folders << folder + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    for (const QString &folder : folders)
        if (QFileInfo(folder + QLatin1Char('/') + file).isFile()) return true;
    return false;
}

}  // namespace zentrivo
