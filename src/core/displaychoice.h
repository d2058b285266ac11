// Which window system the game starts on, chosen before Qt starts: Qt ends
// with an abort that cannot be caught where the platform it is given cannot
// start, so the game tries each display first, takes the first that opens
// and otherwise says in one line what it could not open.
#pragma once

#include <functional>
#include <string>

namespace zentrivo {

// What the command line and the environment name.
struct DisplaySetting {
    std::string platform;        // -platform's value, else QT_QPA_PLATFORM ("a;b" lists)
    std::string xDisplay;        // -display's value, else DISPLAY
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string sessionType;     // XDG_SESSION_TYPE
};

// What the machine can tell; each is asked only when its answer is needed.
struct DisplayProbes {
    std::function<bool(const std::string &display)> xOpens;
    // `display` as WAYLAND_DISPLAY names it (empty: the default, wayland-0).
    std::function<bool(const std::string &display)> waylandOpens;
    // Whether Qt has the plug-in for a platform ("xcb", "wayland", "offscreen" ...).
    std::function<bool(const std::string &platform)> pluginInstalled;
};

struct DisplayChoice {
    bool starts = false;
    // The platform to give Qt; empty: Qt's own choice, or the one named, as
    // it is, which opens.
    std::string platform;
    // Where nothing can start: the line that says what could not be opened.
    std::string message;
};

DisplayChoice chooseDisplay(const DisplaySetting &setting, const DisplayProbes &probes);

}  // namespace zentrivo
