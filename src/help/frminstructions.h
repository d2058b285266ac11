// How to solve a logic problem with the board, in a scrolling text, with
// buttons to the worked examples.
#pragma once

#include "widgets/gamewindow.h"

class QPlainTextEdit;
class QPushButton;

namespace zentrivo {

class FrmInstructions : public GameWindow {
    Q_OBJECT
public:
    FrmInstructions(Navigator &windows, QWidget *parent);
    void Form_Load() override;

    QPlainTextEdit *txtInstructions;
    QPushButton *CmdEx1;
    QPushButton *CmdEx3;
    QPushButton *CmdExit;

public slots:
    void CmdEx1_Click();
    void CmdEx3_Click();
    void CmdExit_Click();
};

}  // namespace zentrivo
