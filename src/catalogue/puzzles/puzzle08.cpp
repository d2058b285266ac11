#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle08() {
    PuzzleContent p;
    p.number = 8;
    p.itemsA = {"Kessler", "Lawson", "Morrow", "Nash", "Ortega"};
    p.rowHeadings = {"Arnold",    "Barbara",  "Curtis",      "Dwayne",   "Evelyn",
                     "20 Years",  "22 Years", "24 Years",    "26 Years", "28 Years",
                     "Air Force", "Army",     "Coast Guard", "Marines",  "Navy"};
    p.intro =
        "\r\nThe veterans' hall in Cedar Falls held a dinner last Friday for five local "
        "people who had just retired from the armed forces: Arnold, Barbara, Curtis, Dwayne "
        "and Evelyn. Their surnames, in no particular order, are Kessler, Lawson, Morrow, "
        "Nash and Ortega. Each served in a different branch: the Air Force, the Army, the "
        "Coast Guard, the Marines or the Navy. Their careers lasted 20, 22, 24, 26 and 28 "
        "years, no two the same. What is each retiree's full name, in which branch did each "
        "serve, and for how many years?";
    p.clues = {
        {{"* Of Barbara and Evelyn, one served", "   in the Air Force and the other in",
          "   the Army."},
         {pairOf("Barbara", "Evelyn", "Air Force", "Army")}},
        {{"* Nash served exactly two years", "   longer than the Army veteran."},
         {offset(Cat::C, "Nash", "Army", 1)}},
        {{"* Curtis served longer than Morrow."}, {before(Cat::C, "Morrow", "Curtis")}},
        {{"* The Navy veteran is either Ortega", "   or Arnold, but not both."},
         {eitherButNotBoth("Navy", "Ortega", "Arnold")},
         {ruledOut("inclusive \"or\": Arnold Ortega may be the Navy veteran",
                   {eitherOrBoth("Navy", "Ortega", "Arnold")}, "\"but not both\"")}},
        {{"* Neither Arnold nor the Army veteran", "   served for 24 years, and Arnold",
          "   did not serve in the Army."},
         {allDifferent({"Arnold", "Army", "24 Years"})},
         {ruledOut("Arnold taken as the Army veteran",
                   {same("Arnold", "Army"), differ("Arnold", "24 Years")},
                   "\"neither ... nor\" names them as two people, and Arnold is said not to "
                   "have served in the Army")}},
        {{"* The retiree with 28 years of", "   service is either Dwayne or the",
          "   Marine, but not both."},
         {eitherButNotBoth("28 Years", "Dwayne", "Marines")},
         {misreading("inclusive \"or\": Dwayne may be the Marine with 28 years",
                     {eitherOrBoth("28 Years", "Dwayne", "Marines")})}},
        {{"* Morrow served exactly four years", "   longer than Barbara."},
         {offset(Cat::C, "Morrow", "Barbara", 2)}},
        {{"* Of Kessler and Ortega, one is", "   Arnold and the other served in the",
          "   Coast Guard."},
         {pairOf("Kessler", "Ortega", "Arnold", "Coast Guard")}},
    };
    return p;
}

}  // namespace zentrivo
