// The version history, on one large yellow label.
#pragma once

#include "widgets/labelwindow.h"

namespace zentrivo {

class FrmHx : public LabelWindow {
    Q_OBJECT
public:
    FrmHx(Navigator &windows, QWidget *parent);
    void Form_Load() override;
};

}  // namespace zentrivo
