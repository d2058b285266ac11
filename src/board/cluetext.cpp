#include "board/cluetext.h"

#include <QPainter>

#include "widgets/focusframe.h"

namespace zentrivo {

ClueText::ClueText(QWidget *parent) : QLabel(parent) { setFocusPolicy(Qt::TabFocus); }

void ClueText::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        drawFocusFrame(p, rect());
    }
}

}  // namespace zentrivo
