#include "help/frmexamples.h"

namespace zentrivo {

FrmExamples::FrmExamples(Windows &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmExamples"));
}

}  // namespace zentrivo
