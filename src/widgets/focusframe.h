// The frame that shows which control has the keyboard focus: one pixel,
// inside `area`, in the palette's text colour (black in the game's palette),
// which stands out at 3:1 or more against the game's white, yellow and grey
// faces.
#pragma once

#include <QRect>

class QPainter;
class QWidget;

namespace zentrivo {

void drawFocusFrame(QPainter &painter, QRect area);

// Whether `widget` has the focus and it came there by the keyboard, the only
// time a focus frame is drawn on a control that a click can also focus.
bool hasKeyboardFocus(const QWidget *widget);

}  // namespace zentrivo
