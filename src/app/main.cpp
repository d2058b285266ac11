// Zentrivo: logic-grid puzzles for one player.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commandline.h"
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
    using zentrivo::CommandLine;
    const CommandLine command =
        zentrivo::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
        case CommandLine::Action::Help:
            std::fputs(zentrivo::usageText().c_str(), stdout);
            return 0;
        case CommandLine::Action::Version:
            std::printf("%s\n", zentrivo::versionText().c_str());
            return 0;
        case CommandLine::Action::Error:
            std::fprintf(stderr, "%s\n%s", command.error.c_str(), zentrivo::usageText().c_str());
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    if (!command.platformNamed && !displayAvailable()) {
        std::fprintf(stderr, "%s\n", zentrivo::noDisplayText().c_str());
        return 1;
    }
    QApplication app(argc, argv);
    zentrivo::setUpApplication(app, !command.styleNamed);
    return zentrivo::playGame(app);
}
