// The version history, on one large yellow label.
#pragma once

#include "widgets/gamewindow.h"

class QLabel;
class QPushButton;

namespace zentrivo {

class FrmHx : public GameWindow {
    Q_OBJECT
public:
    FrmHx(Navigator &windows, QWidget *parent);
    void Form_Load() override;

    QLabel *Label1;
    QPushButton *CmdClose;

public slots:
    void CmdClose_Click();
};

}  // namespace zentrivo
