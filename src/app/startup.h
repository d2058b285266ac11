// Starting the game: the application's look, the shared state, the window
// registry and the main menu, then the event loop.
#pragma once

#include <functional>

class QApplication;

namespace zentrivo {

class FrmMain;
class Windows;

// Sets the application's name, desktop file name and icon (carried by every
// window), its default font and, unless `gameStyle` is false (the player
// named a style of their own), the game's widget style.
void setUpApplication(QApplication &app, bool gameStyle = true);

// Shows the main menu and runs the game until it ends; answers the exit code
// (128 + the signal's number when SIGTERM, SIGINT or SIGHUP ended it).
// `whenShown`, if given, runs once the menu is on screen.
int playGame(QApplication &app, const std::function<void(FrmMain &, Windows &)> &whenShown = {});

// The whole program: reads the command line, makes sure the display opens,
// makes the application and plays; answers the exit status.
int gameMain(int argc, char **argv,
             const std::function<void(FrmMain &, Windows &)> &whenShown = {});

}  // namespace zentrivo
