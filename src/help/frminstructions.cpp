#include "help/frminstructions.h"

namespace zentrivo {

FrmInstructions::FrmInstructions(Windows &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmInstructions"));
}

}  // namespace zentrivo
