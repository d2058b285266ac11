#include "board/boardgrid.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "board/gridaccessible.h"
#include "core/gridmoves.h"
#include "widgets/palette.h"

namespace zentrivo {

namespace {

// The grid's top-left corner in the board panel.
constexpr QPoint kGridOrigin(72, 80);
constexpr int kPitch = 24;

// The focus frame has two rings: yellow next to the blue grid lines (8:1
// against that blue) and black inside it, next to the white square (21:1).
// Both lie in the square's outer two pixels, which no mark reaches.
const QColor kFrameOuter(255, 255, 0);
const QColor kFrameInner(0, 0, 0);
// The outline of a square a hint rests on: two rings of the hint's colour in
// the same outer two pixels, so the mark stays in full view.
const QColor &kOutline = kHintColour;

}  // namespace

BoardGrid::BoardGrid(QWidget *panel) : QWidget(panel) {
    // First: Qt fixes how a widget is described when it first announces a change.
    installGridAccessibility();
    setObjectName(QStringLiteral("Grid"));
    setGeometry(QRect(kGridOrigin, QSize(15 * kPitch + 1, 15 * kPitch + 1)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Grid"));
    marks_.fill(Mark::Blank);
}

void BoardGrid::setFocusSquare(int cell) {
    if (cell < 0 || cell >= kCellCount || cell == focus_) return;
    const int before = focus_;
    focus_ = cell;
    if (hasFocus()) {
        update(squareRect(before));
        update(squareRect(focus_));
        tellFocus();
    }
}

void BoardGrid::setItems(const std::array<QString, 15> &rows,
                         const std::array<QString, 15> &columns) {
    rows_ = rows;
    columns_ = columns;
}

QString BoardGrid::rowItem(int row) const {
    const QString &item = rows_[static_cast<size_t>(row - 1)];
    return item.isEmpty() ? QStringLiteral("Row %1").arg(row) : item;
}

QString BoardGrid::columnItem(int column) const {
    const QString &item = columns_[static_cast<size_t>(column - 1)];
    return item.isEmpty() ? QStringLiteral("Column %1").arg(column) : item;
}

void BoardGrid::setMark(int cell, Mark mark) {
    Mark &held = marks_[static_cast<size_t>(cell)];
    if (held == mark) return;
    held = mark;
    tellName(cell);
}

QString BoardGrid::markText(Mark mark) {
    switch (mark) {
        case Mark::X:
            return QStringLiteral("X");
        case Mark::O:
            return QStringLiteral("O");
        case Mark::AnswerO:
            return QStringLiteral("answer O");
        case Mark::WrongO:
            return QStringLiteral("wrong O");
        case Mark::Blank:
            break;
    }
    return QStringLiteral("blank");
}

QString BoardGrid::squareName(int cell) const {
    const CellId id = cellAt(cell);
    return QStringLiteral("%1, %2: %3")
        .arg(rowItem(id.row), columnItem(id.column), markText(mark(cell)));
}

// The square between the lines around the cell: the line on its left and top
// covers the cell's first pixel; the thick lines at the end of each band take
// one more pixel on the right or at the bottom.
QRect BoardGrid::squareRect(int cell) const {
    const CellId id = cellAt(cell);
    const int left = (id.column - 1) * kPitch + 1;
    const int top = (id.row - 1) * kPitch + 1;
    const int width = id.column % 5 == 0 ? kPitch - 2 : kPitch - 1;
    const int height = id.row % 5 == 0 ? kPitch - 2 : kPitch - 1;
    return QRect(left, top, width, height);
}

void BoardGrid::setOutlined(const QList<int> &cells) {
    for (int cell : outlined_) update(squareRect(cell));
    outlined_.clear();
    for (int cell : cells)
        if (cell >= 0 && cell < kCellCount) outlined_.append(cell);
    for (int cell : outlined_) update(squareRect(cell));
}

void BoardGrid::paintEvent(QPaintEvent *) {
    QPainter p(this);
    for (int cell : outlined_) {
        const QRect square = squareRect(cell);
        p.setPen(kOutline);
        p.drawRect(square.adjusted(0, 0, -1, -1));
        p.drawRect(square.adjusted(1, 1, -2, -2));
    }
    if (!hasFocus()) return;
    const QRect square = squareRect(focus_);
    p.setPen(kFrameOuter);
    p.drawRect(square.adjusted(0, 0, -1, -1));
    p.setPen(kFrameInner);
    p.drawRect(square.adjusted(1, 1, -2, -2));
}

void BoardGrid::keyPressEvent(QKeyEvent *event) {
    // A key held down acts once.
    if (event->isAutoRepeat()) {
        switch (event->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                break;
            default:
                event->accept();
                return;
        }
    }
    const bool plain = (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
    auto move = [this](GridMove m) { setFocusSquare(cellIndex(moveFocus(cellAt(focus_), m))); };
    switch (plain ? event->key() : 0) {
        case Qt::Key_Left:
            return move(GridMove::Left);
        case Qt::Key_Right:
            return move(GridMove::Right);
        case Qt::Key_Up:
            return move(GridMove::Up);
        case Qt::Key_Down:
            return move(GridMove::Down);
        case Qt::Key_Home:
            return move(GridMove::RowStart);
        case Qt::Key_End:
            return move(GridMove::RowEnd);
        case Qt::Key_PageUp:
            return move(GridMove::PageUp);
        case Qt::Key_PageDown:
            return move(GridMove::PageDown);
        case Qt::Key_X:
            emit markRequested(focus_, Tool::X);
            return;
        case Qt::Key_O:
            emit markRequested(focus_, Tool::O);
            return;
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            emit markRequested(focus_, Tool::Eraser);
            return;
        case Qt::Key_Space:
            emit markRequested(focus_, Tool::Current);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void BoardGrid::focusInEvent(QFocusEvent *event) {
    QWidget::focusInEvent(event);
    update(squareRect(focus_));
    // Qt tells of the grid taking the focus after this returns; the square
    // is told after that, so that a screen reader ends on the square.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) tellFocus();
        },
        Qt::QueuedConnection);
}

void BoardGrid::focusOutEvent(QFocusEvent *event) {
    QWidget::focusOutEvent(event);
    update(squareRect(focus_));
}

// A screen reader follows the focus square from cell to cell.
void BoardGrid::tellFocus() {
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface *square = gridSquareInterface(this, focus_)) {
        QAccessibleEvent event(square, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardGrid::tellName(int cell) {
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface *square = gridSquareInterface(this, cell)) {
        QAccessibleEvent name(square, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&name);
    }
}

}  // namespace zentrivo
