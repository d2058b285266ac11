#pragma once

#include "widgets/gamewindow.h"

namespace zentrivo {

class FrmFillIn : public GameWindow {
    Q_OBJECT
public:
    FrmFillIn(Windows &windows, QWidget *parent);
};

}  // namespace zentrivo
