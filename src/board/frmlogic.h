// The board: clues on the left, the staircase grid of 150 cells with its
// headings and marking tools on the right, and the puzzle's commands.
#pragma once

#include <QPixmap>
#include <array>

#include "board/boardgrid.h"
#include "core/cells.h"
#include "core/tools.h"
#include "widgets/gamewindow.h"

class QAction;
class QLabel;
class QFrame;
class QMenu;
class QUndoStack;

namespace zentrivo {

class CaptionButton;
class ClueText;
class MarkChange;
class PictureBox;

class FrmLogic : public GameWindow {
    Q_OBJECT
public:
    FrmLogic(Navigator &windows, QWidget *parent);
    void Form_Load() override;

    // Puts the current puzzle on the board (fresh, or restored from the
    // saved marks while a saved puzzle is being opened).
    void Reloading();

    // Cell codes Grid0101 .. Grid1505 in canonical order. Only the board's
    // own operations (cell clicks, loading) change them.
    const CellCodes &codes() const { return Grid; }
    const ToolState &tools() const { return tools_; }

    // Gives the grid the keyboard focus with this cell (canonical index) as
    // its focus square, shown with its frame.
    void focusSquare(int cell);

    // The player's changes of code since the puzzle was loaded.
    const QUndoStack *history() const { return undo_; }
    // The menu of help on the board: Undo, Redo, Check My Marks, Hint, and,
    // opened over a clue, "Cross Off Clue N" or "Bring Back Clue N".
    QMenu *helpMenu() const { return helpMenu_; }

public slots:
    void ImgX_Click();
    void ImgO_Click();
    void ImgErase_Click();
    void Img_Click(int cell);  // Img0101_Click .. Img1505_Click, by canonical index
    void CmdIntro_Click();
    void CmdShowFillIn_Click();
    void CmdAnswer_Click();
    void CmdSave_Click();
    void CmdNext_Click();
    void CmdExit_Click();
    // A key on the grid: the tool it names, if any, then the focus square.
    void Grid_KeyMark(int cell, zentrivo::BoardGrid::Tool tool);
    void Undo_Click();
    void Redo_Click();
    void CheckMarks_Click();
    void Hint_Click();

protected:
    void closeBox() override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The steps that make the window, in the order they stack its controls.
    void makeCommands();
    void makeClueText();
    void makeBoardPanel();
    void makeTools();
    void makeRowHeadings();
    void buildGrid(QWidget *panel);
    void makeAnswerControls();
    void makeRightCommands();
    void connectControls();

    void ResetTool();
    void showTools();
    // Sets a cell's picture and tells the grid what it now shows.
    void paintCell(size_t cell, const QPixmap &picture, BoardGrid::Mark mark);
    // Sets a cell's code with its ordinary picture, leaving the tools alone.
    void showCode(int cell, std::int16_t code);
    // Tells a screen reader the square's name, after `what` when given.
    void announceSquare(int cell, const QString &what = QString());

    // Help on the board (boardhelp.cpp): the undo history, the help menu and
    // its keys.
    friend class MarkChange;
    void makeHelp();
    // Records a change of the cell's code by the player as one undo step.
    void recordChange(int cell, std::int16_t before);
    void showHelpMenu(const QPoint &globalPos);
    // At the focus square, the framed clue or the control with the focus.
    void showHelpMenuAtFocus();
    // Ends the hint in hand: its marks on the clues and squares go, and the
    // next H starts at the first press.
    void clearHint();

    CellCodes Grid{};
    ToolState tools_;

    // Controls, named as their objectName.
    CaptionButton *CmdIntro = nullptr, *CmdShowFillIn = nullptr, *CmdNext = nullptr,
                  *CmdSave = nullptr, *CmdAnswer = nullptr, *CmdExit = nullptr;
    ClueText *LblClues = nullptr;
    QFrame *Frame1 = nullptr, *Frame2 = nullptr;
    PictureBox *ImgTop = nullptr, *ImgMag = nullptr, *ImgX = nullptr, *ImgO = nullptr,
               *ImgErase = nullptr, *ImgRedO = nullptr, *ImgPurpleO = nullptr;
    std::array<QLabel *, 15> LblS{};
    std::array<PictureBox *, kCellCount> Img{};
    BoardGrid *grid_ = nullptr;
    QUndoStack *undo_ = nullptr;
    QMenu *helpMenu_ = nullptr;
    // The help menu's entry for the clue it was opened over, and its separator.
    QAction *clueAction_ = nullptr, *clueSeparator_ = nullptr;
    // The hint in hand: how many of its presses were shown (0 for none) and
    // the board they were shown on.
    int hintPresses_ = 0;
    CellCodes hintBoard_{};
};

}  // namespace zentrivo
