// The board's clue text: a label that the keyboard can reach, so that a
// screen reader reads it, and on which a player crosses off the clues that
// are used up. A clue is its "*" line and the lines that follow it up to the
// next empty line or clue; the text around the clues belongs to none.
//
// A click on a clue, or Space or Return on the clue framed by Up, Down,
// Home and End, crosses it off (grey, a line through each of its lines) or
// brings it back. Nothing moves: the text is drawn by the label as always,
// and a crossed clue is drawn again over its own lines in the same font and
// place. The frame shows only while the keyboard has brought the focus here.
#pragma once

#include <QLabel>
#include <QList>

namespace zentrivo {

class ClueText : public QLabel {
    Q_OBJECT
public:
    explicit ClueText(QWidget *parent);

    // Every clue back, no clue hinted at, the frame on the first clue: the
    // start of every puzzle put on the board.
    void freshStart();

    // Clues are numbered from 1 in the order the text lists them.
    int clueCount() const;
    // The clue shown at `point` (the label's coordinates), or 0.
    int clueAt(QPoint point) const;
    // The clue's lines joined by single blanks, without the "*" that opens it.
    QString clueText(int number) const;
    // The band of the clue's lines across the label, in its coordinates.
    QRect clueRect(int number) const;

    bool isCrossedOff(int number) const;
    void setCrossedOff(int number, bool crossed);
    // The player's way: a click, a key, the help menu. A screen reader then
    // hears what became of the clue.
    void toggleCrossedOff(int number);

    // The framed clue, the one Space, Return and the Menu key act on; 0 when
    // the text holds no clue.
    int currentClue() const;
    void setCurrentClue(int number);

    // Marks these clues with a coloured bar beside them (to the left of the
    // text, outside the label); an empty list shows none.
    void setHintClues(const QList<int> &numbers);
    QList<int> hintClues() const { return hints_; }

signals:
    void crossedOffChanged(int number, bool crossed);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Line {
        int top = 0, bottom = 0;  // the line's band, bottom exclusive
        int textTop = 0;          // the top of the line's own box in the text's layout
        int left = 0, right = 0;  // its visible characters, right exclusive
        int clue = -1;            // index of its clue, or -1
    };
    struct Clue {
        int first = 0, last = 0;  // its lines
    };
    // The lines and clues of the text the label shows now, found again when
    // the text changes, and measured again in the label's own font when the
    // text, font or size change.
    void parse() const;
    void measure() const;
    QRect layoutRect() const;
    int textFlags() const;
    void tellFocus();
    void tellCrossed(int number);
    void placeHintBar();
    friend class ClueHintBar;

    mutable QString parsedText_, measuredFont_;
    mutable QRect measuredRect_;
    mutable QList<Line> lines_;
    mutable QList<Clue> clues_;
    mutable QList<bool> crossed_;
    mutable int current_ = 0;  // index of the framed clue
    QList<int> hints_;
    int pressed_ = 0;  // the clue a left button went down on, or 0
    QWidget *hintBar_ = nullptr;
};

}  // namespace zentrivo
