#include "board/gridaccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "board/boardgrid.h"
#include "core/cells.h"

namespace zentrivo {

namespace {

class GridTable;

// A part of the grid that is no widget of its own: a square or a column's
// header. It has no children and lives as long as the table.
class GridPart : public QAccessibleInterface {
public:
    explicit GridPart(GridTable *table) : table_(table) {}
    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

protected:
    GridTable *table_;
};

// The name of one column, drawn only in the heading picture.
class ColumnHeader : public GridPart {
public:
    ColumnHeader(GridTable *table, int column) : GridPart(table), column_(column) {}
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    int column_;  // 1-15
};

// One square of the staircase.
class GridSquare : public GridPart,
                   public QAccessibleTableCellInterface,
                   public QAccessibleActionInterface {
public:
    GridSquare(GridTable *table, int cell) : GridPart(table), cell_(cell) {}
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    // A list item, not a table cell: a screen reader reads a table cell
    // with the whole of its row on every move up or down.
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override { return cellAt(cell_).column - 1; }
    int rowIndex() const override { return cellAt(cell_).row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

    // Pressing a square marks it with the tool in use, as a click does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    BoardGrid *grid() const;
    int cell_;
};

class GridTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(BoardGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {
        squares_.resize(kCellCount);
        headers_.resize(15);
    }
    ~GridTable() override {
        for (QAccessibleInterface *i : squares_)
            if (i) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
        for (QAccessibleInterface *i : headers_)
            if (i) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
    }

    BoardGrid *grid() const { return static_cast<BoardGrid *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The squares in reading order: row by row, left to right.
    int childCount() const override { return kCellCount; }
    QAccessibleInterface *child(int index) const override {
        if (index < 0 || index >= kCellCount) return nullptr;
        int row = 1;
        while (index >= rowsInColumn(row)) index -= rowsInColumn(row++);
        return square(cellIndex(CellId{index + 1, row}));
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        const QAccessibleTableCellInterface *c =
            const_cast<QAccessibleInterface *>(child)->tableCellInterface();
        if (!c || child->parent() != this) return -1;
        int index = 0;
        for (int r = 1; r <= c->rowIndex(); ++r) index += rowsInColumn(r);
        return index + c->columnIndex();
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        const QPoint at = grid()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < kCellCount; ++i)
            if (grid()->squareRect(i).contains(at)) return square(i);
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override {
        return grid()->hasFocus() ? square(grid()->focusSquare()) : nullptr;
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override {
        if (!isCell(column + 1, row + 1)) return nullptr;
        return square(cellIndex(CellId{column + 1, row + 1}));
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return column >= 0 && column < 15 ? grid()->columnItem(column + 1) : QString();
    }
    QString rowDescription(int row) const override {
        return row >= 0 && row < 15 ? grid()->rowItem(row + 1) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 15; }
    int rowCount() const override { return 15; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

    QAccessibleInterface *square(int cell) const {
        QAccessibleInterface *&held = squares_[static_cast<size_t>(cell)];
        if (!held) {
            held = new GridSquare(const_cast<GridTable *>(this), cell);
            QAccessible::registerAccessibleInterface(held);
        }
        return held;
    }
    QAccessibleInterface *columnHeader(int column) const {
        QAccessibleInterface *&held = headers_[static_cast<size_t>(column - 1)];
        if (!held) {
            held = new ColumnHeader(const_cast<GridTable *>(this), column);
            QAccessible::registerAccessibleInterface(held);
        }
        return held;
    }

private:
    mutable std::vector<QAccessibleInterface *> squares_, headers_;
};

bool GridPart::isValid() const { return table_->isValid(); }
QWindow *GridPart::window() const { return table_->window(); }
QAccessibleInterface *GridPart::parent() const { return table_; }

QString ColumnHeader::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? table_->grid()->columnItem(column_) : QString();
}
QRect ColumnHeader::rect() const {
    // The column's strip of the heading picture, above the grid.
    const QRect square = table_->grid()->squareRect(cellIndex(CellId{column_, 1}));
    const QPoint topLeft = table_->grid()->mapToGlobal(square.topLeft());
    return QRect(topLeft.x(), topLeft.y() - 72, square.width(), 72);
}

BoardGrid *GridSquare::grid() const { return table_->grid(); }
QAccessibleInterface *GridSquare::table() const { return table_; }

// The name says the square's two items and its mark, each once.
QString GridSquare::text(QAccessible::Text t) const {
    if (!isValid()) return QString();
    if (t == QAccessible::Name) return grid()->squareName(cell_);
    return QString();
}

QRect GridSquare::rect() const {
    const QRect square = grid()->squareRect(cell_);
    return QRect(grid()->mapToGlobal(square.topLeft()), square.size());
}

QAccessible::State GridSquare::state() const {
    QAccessible::State s;
    if (!isValid()) return s;
    s.focusable = true;
    s.focused = grid()->hasFocus() && grid()->focusSquare() == cell_;
    s.readOnly = true;
    s.invisible = !grid()->isVisible();
    return s;
}

QList<QAccessibleInterface *> GridSquare::columnHeaderCells() const {
    return {table_->columnHeader(cellAt(cell_).column)};
}

QList<QAccessibleInterface *> GridSquare::rowHeaderCells() const {
    if (QWidget *label = grid()->rowHeading(cellAt(cell_).row))
        if (QAccessibleInterface *i = QAccessible::queryAccessibleInterface(label)) return {i};
    return {};
}

void GridSquare::doAction(const QString &name) {
    if (name == pressAction() && isValid())
        emit grid()->markRequested(cell_, BoardGrid::Tool::Current);
}

QAccessibleInterface *gridFactory(const QString &, QObject *object) {
    if (auto *grid = qobject_cast<BoardGrid *>(object)) return new GridTable(grid);
    return nullptr;
}

}  // namespace

void installGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gridFactory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface *gridSquareInterface(BoardGrid *grid, int cell) {
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(grid);
    auto *t = dynamic_cast<GridTable *>(table);
    return t && cell >= 0 && cell < kCellCount ? t->square(cell) : nullptr;
}

}  // namespace zentrivo
