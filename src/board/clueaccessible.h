// How a screen reader sees the board's clue text: a list of its clues, each
// an item named by the clue's words, described by its number ("Clue 3 of 7")
// and checked while it is crossed off, the framed clue the list's focus. The whole text stays
// readable line by line as read-only text.
#pragma once

class QAccessibleInterface;

namespace zentrivo {

class ClueText;

// Registers the clue text's accessible interfaces with Qt (once; later calls
// do nothing). Qt builds them only when a screen reader asks.
void installClueAccessibility();

// The accessible item of a clue (numbered from 1), or none.
QAccessibleInterface *clueItemInterface(ClueText *text, int number);

}  // namespace zentrivo
