// The board's clue text: a label that the keyboard can reach, so that a
// screen reader reads it, framed while it has the focus (by Tab only).
#pragma once

#include <QLabel>

namespace zentrivo {

class ClueText : public QLabel {
    Q_OBJECT
public:
    explicit ClueText(QWidget *parent);

    // Marks the clues a hint names (1-based, as the board numbers them: the
    // n-th line that starts with "*") with a bar beside them; an empty list
    // marks none. The text keeps its layout.
    void setHintClues(const QList<int> &numbers);
    const QList<int> &hintClues() const { return hintClues_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<int> hintClues_;
};

}  // namespace zentrivo
