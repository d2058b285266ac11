#pragma once

#include "widgets/gamewindow.h"

namespace zentrivo {

class FrmExamples : public GameWindow {
    Q_OBJECT
public:
    FrmExamples(Windows &windows, QWidget *parent);
};

}  // namespace zentrivo
