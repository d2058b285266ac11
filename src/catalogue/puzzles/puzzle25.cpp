#include "catalogue/puzzle.h"

namespace zentrivo {

// Not written yet: an empty content (number 0) keeps the puzzle out of play.
PuzzleContent puzzle25() { return {}; }

}  // namespace zentrivo
