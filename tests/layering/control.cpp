// Compiled as part of the core layer: a header of the catalogue, below it.
#include "catalogue/catalogue.h"

int layeringControl() { return zentrivo::kPuzzleCount; }
