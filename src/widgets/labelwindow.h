// A window that shows one text on a label and closes with its Close button.
#pragma once

#include "widgets/gamewindow.h"

class QLabel;
class QPushButton;

namespace zentrivo {

class LabelWindow : public GameWindow {
    Q_OBJECT
public:
    using GameWindow::GameWindow;

    QLabel *Label1 = nullptr;
    QPushButton *CmdClose = nullptr;

public slots:
    // Unloads the window.
    void CmdClose_Click();
};

}  // namespace zentrivo
