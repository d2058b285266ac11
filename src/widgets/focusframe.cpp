#include "widgets/focusframe.h"

#include <QPainter>
#include <QWidget>

namespace zentrivo {

void drawFocusFrame(QPainter &painter, QRect area) {
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

bool hasKeyboardFocus(const QWidget *widget) {
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace zentrivo
