#include "help/frmhx.h"

namespace zentrivo {

FrmHx::FrmHx(Windows &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmHx"));
}

}  // namespace zentrivo
