// The board: clues on the left, the staircase grid of 150 cells with its
// headings and marking tools on the right, and the puzzle's commands.
#pragma once

#include <QPixmap>
#include <array>

#include "core/cells.h"
#include "core/tools.h"
#include "widgets/gamewindow.h"

class QLabel;
class QFrame;

namespace zentrivo {

class CaptionButton;
class PictureBox;

class FrmLogic : public GameWindow {
    Q_OBJECT
public:
    FrmLogic(Navigator &windows, QWidget *parent);
    void Form_Load() override;

    // Puts the current puzzle on the board (fresh, or restored from the
    // saved marks while a saved puzzle is being opened).
    void Reloading();

    // Cell codes Grid0101 .. Grid1505 in canonical order.
    const CellCodes &codes() const { return Grid; }
    CellCodes Grid{};
    const ToolState &tools() const { return tools_; }

    // Controls, named as their objectName.
    CaptionButton *CmdIntro, *CmdShowFillIn, *CmdNext, *CmdSave, *CmdAnswer, *CmdExit;
    QLabel *LblClues;
    QFrame *Frame1, *Frame2;
    PictureBox *ImgTop, *ImgMag, *ImgX, *ImgO, *ImgErase, *ImgRedO, *ImgPurpleO;
    std::array<QLabel *, 15> LblS{};
    std::array<PictureBox *, kCellCount> Img{};

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

protected:
    void closeBox() override;

private:
    void ResetTool();
    void showTools();
    void buildGrid(QWidget *panel);

    ToolState tools_;
};

}  // namespace zentrivo
