#include "fillin/frmfillin.h"

namespace zentrivo {

FrmFillIn::FrmFillIn(Windows &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmFillIn"));
}

}  // namespace zentrivo
