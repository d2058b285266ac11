// The game's colours, shared by every window.
#pragma once

#include <QColor>

namespace zentrivo {

inline const QColor kYellow(255, 255, 0);      // yellow buttons, the file window
inline const QColor kBlue(0, 0, 255);          // the menu, headings and lines
inline const QColor kNavy(0, 0, 192);          // text on the version history's yellow
inline const QColor kLineGrey(160, 160, 160);  // the board's sunken edges
// What a hint points at: the bar beside its clues, the outlines of its squares.
inline const QColor kHintColour(200, 0, 200);

}  // namespace zentrivo
