#pragma once

#include "widgets/gamewindow.h"

namespace zentrivo {

class FrmInstructions : public GameWindow {
    Q_OBJECT
public:
    FrmInstructions(Windows &windows, QWidget *parent);
};

}  // namespace zentrivo
