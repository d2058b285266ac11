// The worked examples of the instructions: examples 1 and 2 together, or
// example 3 alone in their place.
#pragma once

#include "widgets/gamewindow.h"

class QLabel;
class QPushButton;

namespace zentrivo {

class PictureBox;

class FrmExamples : public GameWindow {
    Q_OBJECT
public:
    FrmExamples(Navigator &windows, QWidget *parent);
    void Form_Load() override;

    PictureBox *PicEx1, *PicEx2, *PicEx3;
    QLabel *Label1, *Label2, *Label3;
    QPushButton *CmdClose;

public slots:
    void CmdClose_Click();
};

}  // namespace zentrivo
