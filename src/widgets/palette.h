// The game's colours, shared by every window.
#pragma once

#include <QColor>
#include <QPalette>

namespace zentrivo {

inline const QColor kYellow(255, 255, 0);      // yellow buttons, the file window
inline const QColor kBlue(0, 0, 255);          // the menu, headings and lines
inline const QColor kNavy(0, 0, 192);          // text on the version history's yellow
inline const QColor kLineGrey(160, 160, 160);  // the board's sunken edges
// What a hint points at: the bar beside its clues, the outlines of its squares.
inline const QColor kHintColour(200, 0, 200);

// The application's palette, every role of every colour group set: light
// grey faces, black text on white fields, blue selections, grey disabled
// text. The windows' own colours are set over it; every other colour a
// window shows comes from it, so no desktop's palette reaches the game.
QPalette gamePalette();

}  // namespace zentrivo
