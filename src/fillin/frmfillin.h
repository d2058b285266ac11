// The fill-in grid: a note sheet for the current puzzle, four columns headed
// by the puzzle's categories over five rows of free text boxes. The program
// writes the title and headings when the window is loaded and never reads
// or saves the notes; hiding the window keeps them, unloading it loses them.
#pragma once

#include <array>

#include "widgets/gamewindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zentrivo {

class FrmFillIn : public GameWindow {
    Q_OBJECT
public:
    FrmFillIn(Navigator &windows, QWidget *parent);
    void Form_Load() override;

    QLabel *LblTitle;
    QFrame *Frame1;
    std::array<QLabel *, 4> Lbl{};  // Lbl1 .. Lbl4
    // Txt0101 .. Txt0405: Txt[column - 1][n - 1] is the box named Txt0c0n.
    std::array<std::array<QLineEdit *, 5>, 4> Txt{};
    QPushButton *CmdHide;

public slots:
    void CmdHide_Click();

protected:
    // Escape hides the grid like its button, keeping the notes.
    void escapeKey() override { CmdHide_Click(); }

private:
    // The box in grid row `row` (1-5) of column `column` (1-4).
    QLineEdit *box(int column, int row) const;
    // Names each box by its row and its column's heading.
    void nameBoxes();
};

}  // namespace zentrivo
