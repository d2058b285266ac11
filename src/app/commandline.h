// The program's command line, read before the application object is made so
// that --help and --version answer without a display. The game takes no
// arguments for play; Qt's own options (-platform, -style, -display ...) are
// let through to Qt.
#pragma once

#include <string>
#include <vector>

#include "core/displaychoice.h"

namespace zentrivo {

struct CommandLine {
    enum class Action { Play, Help, Version, Error };
    Action action = Action::Play;
    std::string error;           // for Action::Error: one line, no line end
    bool platformNamed = false;  // -platform: Qt is told which window system to use
    std::string platform;        // its value, when named
    bool displayNamed = false;   // -display: the X display to open
    std::string display;         // its name, when named
};

// `args` are the arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string> &args);

// The usage printed by --help and after an error.
std::string usageText();

// "zentrivo 2.0"
std::string versionText();

// What the environment says about the window system, as the game reads it
// before Qt starts.
struct DisplayEnvironment {
    std::string qpaPlatform;     // QT_QPA_PLATFORM
    std::string display;         // DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string sessionType;     // XDG_SESSION_TYPE
};

// The window system the command line and the environment name together:
// -platform over QT_QPA_PLATFORM, -display over DISPLAY.
DisplaySetting displaySetting(const CommandLine &command, const DisplayEnvironment &env);

}  // namespace zentrivo
