#include "widgets/picturebox.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "widgets/focusframe.h"

namespace zentrivo {

PictureBox::PictureBox(QWidget *parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBorder(Border::None);
}

void PictureBox::setBorder(Border border) {
    border_ = border;
    switch (border) {
        case Border::None:
            setFrameStyle(QFrame::NoFrame);
            break;
        case Border::Flat:
            setFrameStyle(QFrame::Box | QFrame::Plain);
            break;
        case Border::Sunken:
            setFrameStyle(QFrame::Panel | QFrame::Sunken);
            break;
    }
    setLineWidth(1);
}

void PictureBox::setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void PictureBox::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // A key held down clicks once.
        if (!event->isAutoRepeat()) emit clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        drawFocusFrame(p, rect().adjusted(1, 1, -1, -1));  // inside the border
    }
}

namespace {
// The picture box that took the last press of the left button.
QPointer<PictureBox> lastPressed;
}  // namespace

void PictureBox::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        lastPressed = this;
        secondOfDouble_ = false;
    }
    QLabel::mousePressEvent(event);
}

// The second press of a double click comes as a double-click event. On the
// box that took the first press it adds nothing: a double click is one click.
// On another box (two quick clicks close together on neighbours) it is that
// box's own first press.
void PictureBox::mouseDoubleClickEvent(QMouseEvent *event) {
    const bool second = event->button() == Qt::LeftButton && lastPressed == this;
    mousePressEvent(event);
    secondOfDouble_ = second;
}

// A click is a press and a release of the left button over the control.
void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        const bool counts = !secondOfDouble_ && rect().contains(event->position().toPoint());
        secondOfDouble_ = false;
        if (counts) emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

PictureBox *pictureBox(const char *name, QWidget *parent, QRect geometry) {
    auto *p = new PictureBox(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setGeometry(geometry);
    return p;
}

}  // namespace zentrivo
