#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle24() {
    PuzzleContent p;
    p.number = 24;
    p.itemsA = {"Doctor", "Lawyer", "Engineer", "Accountant", "Teacher"};
    p.rowHeadings = {"Amy",    "Ben",     "Chloe",  "Derek",    "Emma",
                     "Chef",   "Actor",   "Pilot",  "Musician", "Park Ranger",
                     "Denver", "Seattle", "Austin", "Boston",   "Miami"};
    p.intro =
        "\r\nAmy, Ben, Chloe, Derek and Emma each grew up with a mom who had big plans. Each "
        "mom hoped to raise a different kind of professional: a doctor, a lawyer, an engineer, "
        "an accountant or a teacher. The children had other ideas. Each grew up to follow a "
        "different career: chef, actor, pilot, musician or park ranger. Each also moved away "
        "to a different city: Denver, Seattle, Austin, Boston or Miami. For each child, what "
        "had Mom hoped for, which career did the child choose, and where did the child "
        "move?";
    p.clues = {
        {{"* Of the pilot and the park ranger,", "   one is Derek and the other is the",
          "   child whose mom hoped to raise an", "   accountant. Ben is not the pilot."},
         {pairOf("Pilot", "Park Ranger", "Derek", "Accountant"), differ("Ben", "Pilot")}},
        {{"* Chloe moved to Denver. The child", "   whose mom hoped to raise a doctor",
          "   moved to either Denver or Miami."},
         {same("Chloe", "Denver"), either("Doctor", "Denver", "Miami")}},
        {{"* Of the children who moved to Austin", "   and Miami, one became a pilot and",
          "   the other's mom hoped to raise an", "   accountant. The child whose mom",
          "   hoped to raise a teacher became", "   either an actor or a pilot."},
         {pairOf("Austin", "Miami", "Pilot", "Accountant"), either("Teacher", "Actor", "Pilot")}},
        {{"* Ben became either an actor or a", "   pilot. Of Ben and Emma, one moved",
          "   to Austin and the other's mom hoped", "   to raise a lawyer."},
         {either("Ben", "Actor", "Pilot"), pairOf("Ben", "Emma", "Austin", "Lawyer")}},
        {{"* The child whose mom hoped to raise", "   an engineer moved to either Denver",
          "   or Boston, and is not the pilot."},
         {either("Engineer", "Denver", "Boston"), differ("Engineer", "Pilot")}},
        {{"* Ben is not the chef. Neither Ben", "   nor the chef is the child who moved",
          "   to Denver."},
         {allDifferent({"Ben", "Chef", "Denver"})},
         {ruledOut("'Ben, the chef' taken as Ben being the chef, one person besides the child "
                   "who moved to Denver",
                   {same("Ben", "Chef"), differ("Ben", "Denver")},
                   "the clue says Ben is not the chef")}},
    };
    return p;
}

}  // namespace zentrivo
