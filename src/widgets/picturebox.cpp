#include "widgets/picturebox.h"

#include <QMouseEvent>

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

// A click is a press and a release of the left button over the control.
void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

PictureBox *pictureBox(const char *name, QWidget *parent, QRect geometry) {
    auto *p = new PictureBox(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setGeometry(geometry);
    return p;
}

}  // namespace zentrivo
