// Stored captions write an ampersand that is shown as such as "&&" (a single
// "&" marks an access key on buttons). Plain labels show the caption with each
// "&&" turned back into one "&".
#pragma once

#include <string>

namespace zentrivo {

std::string shownCaption(const std::string &stored);

}  // namespace zentrivo
