// Zentrivo: logic-grid puzzles for one player.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/startup.h"

namespace {

// Qt's own message when no display can be opened is cryptic; say it plainly.
bool displayAvailable() {
    if (std::getenv("QT_QPA_PLATFORM")) return true;
    const char *x = std::getenv("DISPLAY");
    const char *wayland = std::getenv("WAYLAND_DISPLAY");
    return (x && *x) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char **argv) {
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "Zentrivo needs a graphical display and found none (DISPLAY is not set); "
                     "to play without one, run it under a virtual display: xvfb-run ./zentrivo\n");
        return 1;
    }
    QApplication app(argc, argv);
    zentrivo::setUpApplication(app);
    return zentrivo::playGame(app);
}
