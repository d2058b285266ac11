#include "files/frmfiles.h"

namespace zentrivo {

FrmFiles::FrmFiles(Windows &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmFiles"));
}

}  // namespace zentrivo
