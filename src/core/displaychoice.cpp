#include "core/displaychoice.h"

#include <vector>

namespace zentrivo {

namespace {

const char *const kAdvice =
    "; to play without one, run it under a virtual display: xvfb-run zentrivo";

std::vector<std::string> split(const std::string &list) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= list.size()) {
        const std::string::size_type end = std::min(list.find(';', start), list.size());
        if (end > start) parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The platforms to try where none is named: Wayland first in a Wayland
// session, X first elsewhere; each only where its display is set.
std::vector<std::string> defaultOrder(const DisplaySetting &s) {
    const bool x = !s.xDisplay.empty();
    const bool wayland = !s.waylandDisplay.empty() || s.sessionType == "wayland";
    std::vector<std::string> order;
    if (s.sessionType == "wayland") {
        if (wayland) order.push_back("wayland");
        if (x) order.push_back("xcb");
    } else {
        if (x) order.push_back("xcb");
        if (wayland) order.push_back("wayland");
    }
    return order;
}

// Empty when `platform` can start, else what could not be opened.
std::string cannotStart(const std::string &platform, const DisplaySetting &s,
                        const DisplayProbes &probes) {
    const std::string base = platform.substr(0, platform.find(':'));
    if (base == "xcb") {
        if (s.xDisplay.empty()) return "the X display (DISPLAY is not set)";
        return probes.xOpens(s.xDisplay) ? "" : "the display \"" + s.xDisplay + "\"";
    }
    if (base.rfind("wayland", 0) == 0) {
        const std::string name =
            "the Wayland display \"" +
            (s.waylandDisplay.empty() ? std::string("wayland-0") : s.waylandDisplay) + "\"";
        if (!probes.pluginInstalled(base))
            return name + " (Qt's Wayland plug-in is not installed: Debian package qt6-wayland)";
        return probes.waylandOpens(s.waylandDisplay) ? "" : name;
    }
    return probes.pluginInstalled(base)
               ? ""
               : "the platform \"" + base + "\" (Qt has no plug-in for it)";
}

}  // namespace

DisplayChoice chooseDisplay(const DisplaySetting &setting, const DisplayProbes &probes) {
    const bool named = !setting.platform.empty();
    const std::vector<std::string> order = named ? split(setting.platform) : defaultOrder(setting);
    DisplayChoice choice;
    if (order.empty()) {
        choice.message =
            "Zentrivo needs a graphical display and found none (neither DISPLAY nor "
            "WAYLAND_DISPLAY is set)" +
            std::string(kAdvice);
        return choice;
    }
    std::string failures;
    for (const std::string &platform : order) {
        const std::string failure = cannotStart(platform, setting, probes);
        if (failure.empty() && !choice.starts) {
            choice.starts = true;
            choice.platform = platform;
            // A single platform named is left as it was named.
            if (named && order.size() == 1) choice.platform.clear();
            if (named) return choice;
        }
        if (!failure.empty()) failures += (failures.empty() ? "" : " nor ") + failure;
    }
    // Where every display set opens, Qt chooses among them as it always has;
    // where one does not, Qt is given the one that does.
    if (choice.starts) {
        if (failures.empty()) choice.platform.clear();
        return choice;
    }
    choice.message = "Zentrivo needs a graphical display and cannot open " + failures + kAdvice;
    return choice;
}

}  // namespace zentrivo
