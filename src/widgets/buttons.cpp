#include "widgets/buttons.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "widgets/focusframe.h"

namespace zentrivo {

CaptionButton::CaptionButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent) {
    setAutoDefault(false);
}

void CaptionButton::setFaceColour(const QColor &colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Button, colour);
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void CaptionButton::paintEvent(QPaintEvent *) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);

    const QRect area = captionArea(rect());
    const QFontMetrics fm(font());
    QString caption = text();
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    // Trailing blanks count when the caption is centred, shifting it to the
    // left; as many of them are kept as fit on the line. A caption too long
    // for one line wraps, centred.
    auto oneLineWidth = [&fm](const QString &s) {
        return fm.horizontalAdvance(QString(s).remove(QLatin1Char('&')));
    };
    while (oneLineWidth(caption) > area.width() && caption.endsWith(QLatin1Char(' ')))
        caption.chop(1);
    if (oneLineWidth(caption) <= area.width())
        flags |= Qt::TextIncludeTrailingSpaces;
    else
        flags |= Qt::TextWordWrap;
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint();
    p.drawText(area.translated(shift), flags, caption);
    // Only a focus that came by the keyboard is shown, so a player who
    // clicks never sees a frame.
    if (hasKeyboardFocus(this)) drawFocusFrame(p, rect().adjusted(3, 3, -3, -3));
}

void CaptionButton::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (event->isAutoRepeat() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

CaptionButton *commandButton(const char *name, const QString &caption, QWidget *parent,
                             QRect geometry) {
    auto *b = new CaptionButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}

}  // namespace zentrivo
