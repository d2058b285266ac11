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
        if (name == "-platform") {
            c.platformNamed = true;
            c.platform = args[i];
        }
        if (name == "-display") {
            c.displayNamed = true;
            c.display = args[i];
        }
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
           "  -reverse          lay the windows out from right to left\n";
}

std::string versionText() { return "zentrivo " ZENTRIVO_VERSION; }

DisplaySetting displaySetting(const CommandLine &command, const DisplayEnvironment &env) {
    return {command.platformNamed ? command.platform : env.qpaPlatform,
            command.displayNamed ? command.display : env.display, env.waylandDisplay,
            env.sessionType};
}

}  // namespace zentrivo
