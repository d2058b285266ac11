// Compiled as part of the catalogue: a header of the core, above it.
#include "core/cells.h"

int layeringCatalogueIncludesCore() { return 0; }
