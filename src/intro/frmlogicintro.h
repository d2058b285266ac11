// The puzzle's story, shown from the board's introduction button.
#pragma once

#include "widgets/labelwindow.h"

namespace zentrivo {

class FrmLogicIntro : public LabelWindow {
    Q_OBJECT
public:
    FrmLogicIntro(Navigator &windows, QWidget *parent);
    void Form_Load() override;
};

}  // namespace zentrivo
