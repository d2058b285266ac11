// Starting the game: the application's look, the shared state, the window
// registry and the main menu, then the event loop.
#pragma once

#include <functional>

class QApplication;

namespace zentrivo {

class FrmMain;
class Windows;

// Sets the application's name, desktop file name and icon (carried by every
// window) and the game's look (style, palette and fonts, kept whatever the
// desktop sets); names the game's fonts that are missing, once, on standard
// error, and has texts drawn smaller where the fonts found instead would cut
// them.
void setUpApplication(QApplication &app);

// Shows the main menu and runs the game until it ends; answers the exit code
// (128 + the signal's number when SIGTERM, SIGINT or SIGHUP ended it).
// `whenShown`, if given, runs once the menu is on screen.
int playGame(QApplication &app, const std::function<void(FrmMain &, Windows &)> &whenShown = {});

// The whole program: reads the command line, makes sure the display opens,
// makes the application and plays; answers the exit status.
int gameMain(int argc, char **argv,
             const std::function<void(FrmMain &, Windows &)> &whenShown = {});

}  // namespace zentrivo
