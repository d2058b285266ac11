// Texts drawn smaller where they would not fit: where one of the game's fonts
// is missing, the face found in its place can be wider or taller, and a
// caption, clue or story would be cut. Each label's and button's own font
// (QWidget::font(), which every control that paints its text itself draws
// with) is made smaller, a pixel at a time, until its text fits its box, and
// back to the font it was given when its text fits again. A control whose
// font is on the machine is never changed: with the game's fonts every text
// fits as it is.
#pragma once

#include <QFont>
#include <QString>
#include <functional>

class QWidget;

namespace zentrivo {

// From now on, every label and button whose font's family is missing is
// fitted before it is painted; `firstMissing` runs once, when the first such
// control is about to be painted.
void shrinkTextsToFit(std::function<void()> firstMissing = {});

// Whether the text of `widget` (a label or a command button; any other
// widget fits) fits its box in `font`.
bool textFits(const QWidget *widget, const QFont &font);

}  // namespace zentrivo
