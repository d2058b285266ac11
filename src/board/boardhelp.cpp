// Help on the board: undo and redo of the player's marks, the check of marks
// and the hint, reached through a context menu and their keys.
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QUndoStack>

#include "board/boardgrid.h"
#include "board/cluetext.h"
#include "board/frmlogic.h"
#include "catalogue/catalogue.h"
#include "core/hint.h"

namespace zentrivo {

// One change of one cell's code. It is pushed after the change is made, so
// its first redo does nothing.
class MarkChange : public QUndoCommand {
public:
    MarkChange(FrmLogic *board, int cell, std::int16_t before, std::int16_t after)
        : board_(board), cell_(cell), before_(before), after_(after) {}
    void undo() override {
        board_->showCode(cell_, before_);
        board_->announceSquare(cell_, QStringLiteral("Undo"));
    }
    void redo() override {
        if (done_) {
            board_->showCode(cell_, after_);
            board_->announceSquare(cell_, QStringLiteral("Redo"));
        }
        done_ = true;
    }

private:
    FrmLogic *board_;
    int cell_;
    std::int16_t before_, after_;
    bool done_ = false;
};

namespace {

QAction *helpAction(QWidget *window, const QString &text, const QList<QKeySequence> &keys) {
    auto *action = new QAction(text, window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

void showMessage(QWidget *parent, const QString &title, const std::string &text) {
    QMessageBox box(QMessageBox::Information, title, QString::fromStdString(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

}  // namespace

void FrmLogic::makeHelp() {
    undo_ = new QUndoStack(this);
    helpMenu_ = new QMenu(this);
    helpMenu_->setObjectName(QStringLiteral("HelpMenu"));
    QAction *undo = helpAction(this, tr("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction *redo = helpAction(
        this, tr("&Redo"),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QAction *check = helpAction(this, tr("&Check My Marks"), {QKeySequence(Qt::Key_C)});
    QAction *hint = helpAction(this, tr("&Hint"), {QKeySequence(Qt::Key_H)});
    undo->setEnabled(false);
    redo->setEnabled(false);
    connect(undo_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(undo_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(undo, &QAction::triggered, this, &FrmLogic::Undo_Click);
    connect(redo, &QAction::triggered, this, &FrmLogic::Redo_Click);
    connect(check, &QAction::triggered, this, &FrmLogic::CheckMarks_Click);
    connect(hint, &QAction::triggered, this, &FrmLogic::Hint_Click);
    helpMenu_->addActions({undo, redo});
    helpMenu_->addSeparator();
    helpMenu_->addActions({check, hint});
    // Added after these while the menu is opened over a clue.
    clueSeparator_ = new QAction(this);
    clueSeparator_->setSeparator(true);
    clueAction_ = new QAction(this);
    connect(clueAction_, &QAction::triggered, this,
            [this] { LblClues->toggleCrossedOff(clueAction_->data().toInt()); });

    // The keyboard's ways to the menu, wherever the focus is on the board.
    QAction *menuKey = helpAction(
        this, QString(), {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    connect(menuKey, &QAction::triggered, this, &FrmLogic::showHelpMenuAtFocus);
}

void FrmLogic::recordChange(int cell, std::int16_t before) {
    const std::int16_t after = Grid[static_cast<size_t>(cell)];
    if (after != before) undo_->push(new MarkChange(this, cell, before, after));
}

// On X the Menu key also comes as a context menu event at the mouse pointer,
// after the key's own action has opened the menu at the focus.
void FrmLogic::contextMenuEvent(QContextMenuEvent *event) {
    if (event->reason() != QContextMenuEvent::Keyboard)
        showHelpMenu(event->globalPos());
    else if (!helpMenu_->isVisible())
        showHelpMenuAtFocus();
}

void FrmLogic::showHelpMenuAtFocus() {
    QWidget *focus = focusWidget();
    QPoint at = rect().center();
    QWidget *from = this;
    if (focus == grid_) {
        at = grid_->squareRect(grid_->focusSquare()).center();
        from = grid_;
    } else if (focus == LblClues && LblClues->currentClue()) {
        at = LblClues->clueRect(LblClues->currentClue()).center();
        from = LblClues;
    } else if (focus && isAncestorOf(focus)) {
        at = focus->rect().center();
        from = focus;
    }
    showHelpMenu(from->mapToGlobal(at));
}

void FrmLogic::showHelpMenu(const QPoint &globalPos) {
    helpMenu_->removeAction(clueSeparator_);
    helpMenu_->removeAction(clueAction_);
    if (const int clue = LblClues->clueAt(LblClues->mapFromGlobal(globalPos))) {
        clueAction_->setText(
            (LblClues->isCrossedOff(clue) ? tr("&Bring Back Clue %1") : tr("Cross &Off Clue %1"))
                .arg(clue));
        clueAction_->setData(clue);
        helpMenu_->addActions({clueSeparator_, clueAction_});
    }
    helpMenu_->popup(globalPos);
}

void FrmLogic::Undo_Click() { undo_->undo(); }

void FrmLogic::Redo_Click() { undo_->redo(); }

void FrmLogic::CheckMarks_Click() {
    const PuzzleRecord *r = findPuzzle(state().PuzzleNum);
    showMessage(this, QStringLiteral("Zentrivo 2.0 - Check"),
                r && r->authored() ? checkMessage(countMarks(r->key, Grid))
                                   : "There is no puzzle on the board.");
}

// The first press names where to look and marks the clues it cites; H
// again on the same board gives the whole step, outlines the squares it
// rests on and moves the focus square to it. A wrong mark is told the same
// way: that there is one, then which. The other hints have one text.
void FrmLogic::Hint_Click() {
    const Hint hint = hintFor(findPuzzle(state().PuzzleNum), Grid);
    const bool twoPresses = hint.kind == Hint::Kind::Step || hint.kind == Hint::Kind::WrongMark;
    if (!twoPresses) {
        clearHint();
        showMessage(this, QStringLiteral("Zentrivo 2.0 - Hint"), hint.text);
        return;
    }
    const bool second = hintPresses_ > 0 && hintBoard_ == Grid;
    hintPresses_ = second ? 2 : 1;
    hintBoard_ = Grid;
    LblClues->setHintClues(QList<int>(hint.clues.begin(), hint.clues.end()));
    if (second) grid_->setOutlined(QList<int>(hint.restsOn.begin(), hint.restsOn.end()));
    showMessage(this, QStringLiteral("Zentrivo 2.0 - Hint"), second ? hint.text : hint.first);
    if (second && hint.cell >= 0) focusSquare(hint.cell);
}

void FrmLogic::clearHint() {
    if (hintPresses_ == 0) return;
    hintPresses_ = 0;
    LblClues->setHintClues({});
    grid_->setOutlined({});
}

}  // namespace zentrivo
