#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle24() {
    PuzzleContent p;
    p.number = 24;
    p.itemsA = {"Doctor", "Lawyer", "Engineer", "Accountant", "Teacher"};
    p.rowHeadings = {"Amy", "Ben", "Chloe", "Derek", "Emma",
                     "Chef", "Actor", "Pilot", "Musician", "Park Ranger",
                     "Denver", "Seattle", "Austin", "Boston", "Miami"};
    p.intro =
        "\r\nFive mothers each hoped that their child would become something different: "
        "a doctor, a lawyer, an engineer, an accountant or a teacher. Their children, Amy, Ben, "
        "Chloe, Derek and Emma, had other ideas. Each grew up to follow a different "
        "career (chef, actor, pilot, musician or park ranger), and each moved away to a "
        "different city: Denver, Seattle, Austin, Boston or Miami. For each child, what "
        "had Mom hoped for, which career did the child choose, and where did the child "
        "move?";
    p.clues = {
        {{"* Of the pilot and the park ranger,",
          "   one is Derek and the other is the",
          "   child whose mom hoped for an",
          "   accountant. Ben is not the pilot."},
         {pairOf("Pilot", "Park Ranger", "Derek", "Accountant"), differ("Ben", "Pilot")}},
        {{"* Chloe moved to Denver. The child",
          "   whose mom hoped for a doctor moved",
          "   to either Denver or Miami."},
         {same("Chloe", "Denver"), either("Doctor", "Denver", "Miami")}},
        {{"* Of the children who moved to Austin",
          "   and Miami, one's mom hoped for an",
          "   accountant and the other became a",
          "   pilot. The child whose mom hoped",
          "   for a teacher became either an",
          "   actor or a pilot."},
         {pairOf("Austin", "Miami", "Accountant", "Pilot"), either("Teacher", "Actor", "Pilot")}},
        {{"* Ben became either an actor or a",
          "   pilot. Of Ben and Emma, one's mom",
          "   hoped for a lawyer and the other",
          "   moved to Austin."},
         {either("Ben", "Actor", "Pilot"), pairOf("Ben", "Emma", "Lawyer", "Austin")}},
        {{"* The child whose mom hoped for an",
          "   engineer moved to either Denver or",
          "   Boston, and is not the pilot."},
         {either("Engineer", "Denver", "Boston"), differ("Engineer", "Pilot")}},
        {{"* Ben, the chef and the child who",
          "   moved to Denver are three different",
          "   people."},
         {allDifferent({"Ben", "Chef", "Denver"})}},
    };
    return p;
}

}  // namespace zentrivo
