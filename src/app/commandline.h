// The program's command line, read before the application object is made so
// that --help and --version answer without a display. The game takes no
// arguments for play; Qt's own options (-platform, -style, -display ...) are
// let through to Qt.
#pragma once

#include <string>
#include <vector>

namespace zentrivo {

struct CommandLine {
    enum class Action { Play, Help, Version, Error };
    Action action = Action::Play;
    std::string error;           // for Action::Error: one line, no line end
    bool platformNamed = false;  // -platform or -display: Qt is told where to draw
    bool styleNamed = false;     // -style: the player's widget style, not the game's
};

// `args` are the arguments after the program name.
CommandLine parseCommandLine(const std::vector<std::string> &args);

// The usage printed by --help and after an error.
std::string usageText();

// "zentrivo 2.0"
std::string versionText();

// What the program answers when no display can be opened.
std::string noDisplayText();

}  // namespace zentrivo
