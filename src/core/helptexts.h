// The texts of the help windows: the instructions on solving a logic problem
// and the version history. Each is built from fixed pieces, one per line,
// joined with CR LF.
#pragma once

#include <string>

namespace zentrivo {

constexpr int kInstructionsRuleLength = 67;
constexpr int kHistoryRuleLength = 16;

// Heading, rule, the six paragraphs of the instructions (the first in two
// pieces run together), each followed by one empty line, and the closing line.
std::string instructionsText();

// Two versions, each with its heading, rule and items, and the closing line.
std::string versionHistoryText();

// What example picture 1, 2 or 3 shows, in words for a player who cannot see
// it (empty for any other number): the marks of each row of the worked
// example's grid, or the notes of example 3.
std::string exampleDescription(int number);

}  // namespace zentrivo
