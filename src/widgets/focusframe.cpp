#include "widgets/focusframe.h"

#include <QPainter>
#include <QWidget>

namespace zentrivo {

void drawFocusFrame(QPainter &painter, QRect area) {
    // The control painted on, as a painter on a widget reports it.
    const auto *widget = dynamic_cast<const QWidget *>(painter.device());
    const QColor colour =
        widget ? widget->palette().color(QPalette::Active, QPalette::Text) : QColor(Qt::black);
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

bool hasKeyboardFocus(const QWidget *widget) {
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

}  // namespace zentrivo
