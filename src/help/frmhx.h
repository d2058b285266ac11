#pragma once

#include "widgets/gamewindow.h"

namespace zentrivo {

class FrmHx : public GameWindow {
    Q_OBJECT
public:
    FrmHx(Windows &windows, QWidget *parent);
};

}  // namespace zentrivo
