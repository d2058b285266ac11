#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle12() {
    PuzzleContent p;
    p.number = 12;
    p.itemsA = {"32 feet", "38 feet", "44 feet", "50 feet", "56 feet"};
    p.rowHeadings = {"Albatross", "Blue Heron", "Calypso",   "Sea Sprite", "Windward",
                     "Architect", "Dentist",    "Novelist",  "Pilot",      "Surgeon",
                     "Ferris",    "Gallagher",  "Lindqvist", "Moreau",     "Whitaker"};
    p.intro =
        "\r\nFive yachts lie side by side along the guest pier of the Port Halden marina "
        "this weekend: the Albatross, the Blue Heron, the Calypso, the Sea Sprite and the "
        "Windward. No two are the same length: the shortest measures 32 feet, the longest "
        "56 feet, and the other three 38, 44 and 50 feet. Each yacht has a different owner "
        "(Ferris, Gallagher, Lindqvist, Moreau or Whitaker), and the owners paid for their "
        "yachts from five quite different careers: one is an architect, one a dentist, one "
        "a novelist, one a pilot and one a surgeon. How long is each yacht, who owns it, and "
        "what does its owner do for a living?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The Sea Sprite is longer than", "   Moreau's yacht and exactly 12 feet",
          "   longer than the Windward."},
         {offset(Cat::A, "Sea Sprite", "Windward", 2), before(Cat::A, "Moreau", "Sea Sprite")},
         {ruledOut(
             "\"it\" taken as the Windward: the Windward longer than Moreau's yacht",
             {offset(Cat::A, "Sea Sprite", "Windward", 2), before(Cat::A, "Moreau", "Windward")},
             "no pronoun: both comparisons have the Sea Sprite as their subject")}},
        {{"* The dentist is either Whitaker or", "   Moreau. Of Whitaker and Lindqvist,",
          "   one owns the 32-foot yacht and the", "   other owns the Blue Heron."},
         {either("Dentist", "Whitaker", "Moreau"),
          pairOf("Whitaker", "Lindqvist", "32 feet", "Blue Heron")}},
        {{"* The Albatross is shorter than the", "   surgeon's yacht."},
         {before(Cat::A, "Albatross", "Surgeon")}},
        {{"* Gallagher's yacht is 50 feet long;", "   it is either the Calypso or the",
          "   Albatross."},
         {same("50 feet", "Gallagher"), either("Gallagher", "Calypso", "Albatross")}},
        {{"* The dentist's yacht is exactly 12", "   feet longer than the novelist's. Of",
          "   these two owners, one has the Blue", "   Heron and the other is Ferris."},
         {offset(Cat::A, "Dentist", "Novelist", 2),
          pairOf("Novelist", "Dentist", "Blue Heron", "Ferris")}},
        {{"* The architect does not own the Sea", "   Sprite. The Calypso is exactly 18",
          "   feet longer than the architect's."},
         {offset(Cat::A, "Calypso", "Architect", 3), differ("Architect", "Sea Sprite")},
         {misreading("\"which\" taken as the Calypso: the architect's yacht may be the Sea "
                     "Sprite",
                     {offset(Cat::A, "Calypso", "Architect", 3)})}},
    };
    return p;
}

}  // namespace zentrivo
