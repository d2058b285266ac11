#include "widgets/labelwindow.h"

namespace zentrivo {

void LabelWindow::CmdClose_Click() { windows_.unload(this); }

}  // namespace zentrivo
