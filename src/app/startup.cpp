#include "app/startup.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "app/display.h"
#include "app/frmmain.h"
#include "app/programicon.h"
#include "app/signals.h"
#include "app/windows.h"
#include "core/displaychoice.h"
#include "core/gamestate.h"
#include "widgets/fonts.h"
#include "widgets/gamelook.h"
#include "widgets/textshrink.h"

namespace zentrivo {

void setUpApplication(QApplication &) {
    // The X11 window class is "zentrivo" (the program's name) and the
    // application name; the launcher's StartupWMClass names it too.
    QCoreApplication::setApplicationName(QStringLiteral("zentrivo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTRIVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.zentrivo.Zentrivo"));
    QApplication::setWindowIcon(programIcon());
    useGameLook();
    // The first text about to be drawn in a face other than its font's
    // tells which of the game's fonts are missing.
    shrinkTextsToFit(
        [] { std::fprintf(stderr, "%s\n", qPrintable(missingFontsLine(missingFontFamilies()))); });
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
    // The X display tried stays open until Qt has opened its own.
    XDisplayConnection x;
    const DisplayChoice choice = chooseDisplay(
        displaySetting(command, env), {[&x](const std::string &name) { return x.open(name); },
                                       canOpenWaylandDisplay, hasPlatformPlugin});
    if (!choice.starts) {
        std::fprintf(stderr, "%s\n", choice.message.c_str());
        return 1;
    }
    // Qt is given the platform that opens: in place of -platform's value
    // where the command line names it, else through the environment.
    std::vector<char *> arguments(argv, argv + argc);
    std::string platform = choice.platform;
    if (!platform.empty()) {
        if (command.platformNamed) {
            for (int i = 1; i + 1 < argc; ++i)
                if (std::strcmp(argv[i], "-platform") == 0 ||
                    std::strcmp(argv[i], "--platform") == 0)
                    arguments[static_cast<size_t>(i) + 1] = platform.data();
        } else {
            ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
        }
    }
    arguments.push_back(nullptr);
    int count = argc;
    QApplication app(count, arguments.data());
    x.close();
    setUpApplication(app);
    return playGame(app, whenShown);
}

}  // namespace zentrivo
