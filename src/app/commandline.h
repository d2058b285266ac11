// The program's command line, read before the application object is made so
// that --help and --version answer without a display. The game takes no
// arguments for play; Qt's own options (-platform, -style, -display ...) are
// let through to Qt.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentrivo {

struct CommandLine {
    enum class Action { Play, Help, Version, Error };
    Action action = Action::Play;
    std::string error;           // for Action::Error: one line, no line end
    bool platformNamed = false;  // -platform: Qt is told which window system to use
    bool styleNamed = false;     // -style: the player's widget style, not the game's
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

// The X display that must open before Qt is started (an empty name: none
// is set), or nothing where Qt is to use another window system: a platform
// named by -platform or QT_QPA_PLATFORM, or a Wayland session.
std::optional<std::string> displayToProbe(const CommandLine &command,
                                          const DisplayEnvironment &env);

// What the program answers when the X display `display` cannot be opened
// (an empty name: no display is set).
std::string noDisplayText(const std::string &display = {});

}  // namespace zentrivo
