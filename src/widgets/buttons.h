// Buttons that behave like classic command buttons: a caption too long for
// one line wraps onto several centred lines (keeping its underlined access
// key), trailing blanks in a caption count when it is centred, and a
// "graphical" button paints its background colour. Return pressed on a
// focused button presses it, and a key held down presses it once.
#pragma once

#include <QPushButton>

namespace zentrivo {

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(const QString &caption, QWidget *parent = nullptr);
    // Paints the face in this colour (the graphical style).
    void setFaceColour(const QColor &colour);
    // Where a button of this size draws its caption.
    static QRect captionArea(const QRect &buttonRect) { return buttonRect.adjusted(4, 2, -4, -2); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

// A command button named `name` (its objectName) at `geometry` in `parent`.
CaptionButton *commandButton(const char *name, const QString &caption, QWidget *parent,
                             QRect geometry);

}  // namespace zentrivo
