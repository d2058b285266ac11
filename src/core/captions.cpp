#include "core/captions.h"

namespace zentrivo {

std::string shownCaption(const std::string &stored) {
    std::string shown;
    shown.reserve(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        shown += stored[i];
        if (stored[i] == '&' && i + 1 < stored.size() && stored[i + 1] == '&') ++i;
    }
    return shown;
}

}  // namespace zentrivo
