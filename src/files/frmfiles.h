#pragma once

#include "widgets/gamewindow.h"

namespace zentrivo {

class FrmFiles : public GameWindow {
    Q_OBJECT
public:
    FrmFiles(Windows &windows, QWidget *parent);
};

}  // namespace zentrivo
