#include "app/commandline.h"

#include <algorithm>
#include <iterator>

namespace zentrivo {

namespace {

// Qt's standard options (QGuiApplication, QApplication and the X11 platform),
// spelt with one dash; Qt takes them with two dashes as well.
struct QtOption {
    const char *name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-display", true},
    {"-geometry", true},
    {"-title", true},
    {"-icon", true},
    {"-name", true},
    {"-visual", true},
    {"-ncols", true},
    {"-cmap", false},
    {"-reverse", false},
    {"-widgetcount", false},
    {"-nograb", false},
    {"-dograb", false},
    {"-sync", false},
    {"-testability", false},
};

const QtOption *qtOption(const std::string &name) {
    const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                    [&](const QtOption &o) { return name == o.name; });
    return found == std::end(kQtOptions) ? nullptr : found;
}

CommandLine failed(std::string error) {
    CommandLine c;
    c.action = CommandLine::Action::Error;
    c.error = "zentrivo: " + std::move(error);
    return c;
}

}  // namespace

CommandLine parseCommandLine(const std::vector<std::string> &args) {
    CommandLine c;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg == "--help" || arg == "-h") {
            c.action = CommandLine::Action::Help;
            return c;
        }
        if (arg == "--version") {
            c.action = CommandLine::Action::Version;
            return c;
        }
        // Qt's options, one dash or two, "-style=NAME" and "-qmljsdebugger=..." too.
        std::string name = arg.rfind("--", 0) == 0 ? arg.substr(1) : arg;
        const std::string::size_type equals = name.find('=');
        const bool valueAttached = equals != std::string::npos;
        if (valueAttached) name.resize(equals);
        const QtOption *option = qtOption(name);
        if (name == "-qmljsdebugger" && valueAttached) continue;
        if (!option || (valueAttached && name != "-style" && name != "-stylesheet"))
            return failed("unknown argument '" + arg + "'");
        if (option->takesValue && !valueAttached && ++i >= args.size())
            return failed("option '" + arg + "' needs a value");
        if (name == "-platform") c.platformNamed = true;
        if (name == "-display") {
            c.displayNamed = true;
            c.display = args[i];
        }
        if (name == "-style") c.styleNamed = true;
    }
    return c;
}

std::string usageText() {
    return "Usage: zentrivo [OPTION]...\n"
           "Logic-grid puzzles for one player: read the clues and mark the staircase grid\n"
           "with X and O until every item is placed. The game takes no arguments for play.\n"
           "\n"
           "  -h, --help        print this help and exit\n"
           "      --version     print the version and exit\n"
           "\n"
           "Qt's standard options are accepted too, for example:\n"
           "  -platform NAME    the window system to use (xcb, wayland, offscreen)\n"
           "  -display DISPLAY  the X display to open\n"
           "  -style NAME       a widget style in place of the game's own (Fusion)\n"
           "  -reverse          lay the windows out from right to left\n";
}

std::string versionText() { return "zentrivo " ZENTRIVO_VERSION; }

std::optional<std::string> displayToProbe(const CommandLine &command,
                                          const DisplayEnvironment &env) {
    if (command.platformNamed || !env.qpaPlatform.empty()) return std::nullopt;
    const std::string &x = command.displayNamed ? command.display : env.display;
    // Qt takes Wayland in a Wayland session, and where only Wayland is there.
    const bool wayland = !env.waylandDisplay.empty() &&
                         (env.sessionType == "wayland" || (x.empty() && !command.displayNamed));
    if (wayland) return std::nullopt;
    return x;
}

std::string noDisplayText(const std::string &display) {
    const std::string found = display.empty() ? "found none (DISPLAY is not set)"
                                              : "cannot open the display \"" + display + "\"";
    return "Zentrivo needs a graphical display and " + found +
           "; to play without one, run it under a virtual display: xvfb-run zentrivo";
}

}  // namespace zentrivo
