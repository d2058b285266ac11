// The puzzle's story, shown from the board's introduction button.
#pragma once

#include "widgets/gamewindow.h"

class QLabel;
class QPushButton;

namespace zentrivo {

class FrmLogicIntro : public GameWindow {
    Q_OBJECT
public:
    FrmLogicIntro(Navigator &windows, QWidget *parent);
    void Form_Load() override;

    QLabel *Label1;
    QPushButton *CmdClose;

public slots:
    void CmdClose_Click();
};

}  // namespace zentrivo
