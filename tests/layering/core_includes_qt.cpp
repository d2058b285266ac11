// Compiled as part of the core layer, which links no Qt: a Qt header.
#include <QString>

int layeringCoreIncludesQt() { return 0; }
