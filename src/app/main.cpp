// Zentrivo: logic-grid puzzles for one player.
#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#include "app/frmmain.h"
#include "app/gamestate.h"
#include "widgets/fonts.h"
#include "widgets/windows.h"

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
                     "Zentrivo needs a graphical display, and none was found (DISPLAY is not "
                     "set); to play without one, run it under a virtual display: "
                     "xvfb-run ./zentrivo\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(zentrivo::sansFont(11));

    zentrivo::GameState state;
    int result = 0;
    {
        zentrivo::Windows windows(state);
        zentrivo::FrmMain menu(windows);
        menu.Form_Load();
        menu.show();
        result = app.exec();
        // Windows unloaded on the way out are destroyed before the menu.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return result;
}
