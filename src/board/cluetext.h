// The board's clue text: a label that the keyboard can reach, so that a
// screen reader reads it, framed while it has the focus (by Tab only).
#pragma once

#include <QLabel>

namespace zentrivo {

class ClueText : public QLabel {
    Q_OBJECT
public:
    explicit ClueText(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

}  // namespace zentrivo
