#include "app/startup.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/display.h"
#include "app/frmmain.h"
#include "app/programicon.h"
#include "app/signals.h"
#include "app/windows.h"
#include "core/gamestate.h"
#include "widgets/fonts.h"

namespace zentrivo {

void setUpApplication(QApplication &, bool gameStyle) {
    // The X11 window class is "zentrivo" (the program's name) and the
    // application name; the launcher's StartupWMClass names it too.
    QCoreApplication::setApplicationName(QStringLiteral("zentrivo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTRIVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.zentrivo.Zentrivo"));
    QApplication::setWindowIcon(programIcon());
    if (gameStyle) QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(sansFont(11));
}

int playGame(QApplication &app, const std::function<void(FrmMain &, Windows &)> &whenShown) {
    GameState state;
    int result = 0;
    const QuitOnSignal signalsEndTheGame;
    {
        Windows windows(state);
        FrmMain menu(windows);
        menu.Form_Load();
        menu.show();
        if (whenShown) QTimer::singleShot(0, &menu, [&] { whenShown(menu, windows); });
        result = app.exec();
        // Windows unloaded on the way out are destroyed before the menu.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return result;
}

namespace {

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

int gameMain(int argc, char **argv, const std::function<void(FrmMain &, Windows &)> &whenShown) {
    const CommandLine command = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
        case CommandLine::Action::Help:
            std::fputs(usageText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("%s\n", versionText().c_str());
            return 0;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "%s\n%s", command.error.c_str(), usageText().c_str());
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    const DisplayEnvironment env{environment("QT_QPA_PLATFORM"), environment("DISPLAY"),
                                 environment("WAYLAND_DISPLAY"), environment("XDG_SESSION_TYPE")};
    if (const std::optional<std::string> display = displayToProbe(command, env)) {
        if (display->empty() || !canOpenXDisplay(*display)) {
            std::fprintf(stderr, "%s\n", noDisplayText(*display).c_str());
            return 1;
        }
    }
    QApplication app(argc, argv);
    setUpApplication(app, !command.styleNamed);
    return playGame(app, whenShown);
}

}  // namespace zentrivo
