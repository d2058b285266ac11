// The staircase grid's keyboard stop: a see-through layer over the 150 cell
// pictures that takes the focus by Tab, moves a focus square with the arrow
// keys and asks the board to mark the square under it. It draws its frame
// only while it has the keyboard focus, and lets every mouse click through to
// the cells beneath. It also carries what a screen reader needs to read the
// grid as a table: the items of each row and column and each square's mark.
#pragma once

#include <QWidget>
#include <array>

#include "core/cells.h"

namespace zentrivo {

class BoardGrid : public QWidget {
    Q_OBJECT
public:
    // What a square shows.
    enum class Mark { Blank, X, O, AnswerO, WrongO };
    // What a key asks of the focus square: the tool in use, or a tool first.
    enum class Tool { Current, X, O, Eraser };

    explicit BoardGrid(QWidget *panel);

    // The focus square, by canonical index. Setting it draws nothing while
    // the grid does not have the focus.
    int focusSquare() const { return focus_; }
    void setFocusSquare(int cell);

    // The items along the rows (B, C, D) and the columns (A, D, C), as the
    // board shows them.
    void setItems(const std::array<QString, 15> &rows, const std::array<QString, 15> &columns);
    QString rowItem(int row) const;        // row 1-15
    QString columnItem(int column) const;  // column 1-15

    void setMark(int cell, Mark mark);
    Mark mark(int cell) const { return marks_[static_cast<size_t>(cell)]; }
    static QString markText(Mark mark);
    // "1st Floor, Ballroom: X"
    QString squareName(int cell) const;
    // A cell's square inside the grid lines, in the grid's coordinates.
    QRect squareRect(int cell) const;

    // The squares a hint rests on, outlined (canonical indices; empty for none).
    void setOutlined(const QList<int> &cells);
    const QList<int> &outlined() const { return outlined_; }

    // The heading labels of the rows, which a screen reader uses as the
    // table's row headers.
    void setRowHeadings(const QList<QWidget *> &labels) { rowHeadings_ = labels; }
    QWidget *rowHeading(int row) const { return rowHeadings_.value(row - 1); }

signals:
    void markRequested(int cell, zentrivo::BoardGrid::Tool tool);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void tellFocus();
    void tellName(int cell);

    int focus_ = 0;
    QList<int> outlined_;
    std::array<Mark, kCellCount> marks_{};
    std::array<QString, 15> rows_, columns_;
    QList<QWidget *> rowHeadings_;
};

}  // namespace zentrivo
