// Compiled as part of the core layer: a header of the widgets, above it.
#include "widgets/fonts.h"

int layeringCoreIncludesWidgets() { return 0; }
