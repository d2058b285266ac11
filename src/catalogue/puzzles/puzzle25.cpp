#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle25() {
    PuzzleContent p;
    p.number = 25;
    p.itemsA = {"Arthur", "Bradley", "Charles", "Douglas", "Edmund"};
    p.rowHeadings = {"Unit 1",  "Unit 2", "Unit 3",    "Unit 4",   "Unit 5",
                     "Vivian",  "Margot", "Celia",     "Lorraine", "Beatrice",
                     "Surgeon", "Banker", "Architect", "Judge",    "Novelist"};
    p.intro =
        "\r\nFive well-to-do couples own the five luxury units, numbered 1 to 5 along "
        "one hallway, on the top floor of the Belmont Towers. Each husband has a different "
        "profession: one is a surgeon, one a banker, one an architect, one a judge and one a "
        "novelist. The husbands are Arthur, Bradley, Charles, Douglas and Edmund, and each is "
        "married to a different one of the five wives: Vivian, Margot, Celia, Lorraine or "
        "Beatrice. Which unit does each husband live in, who is his wife, and what is his "
        "profession?";
    p.clues = {
        {{"* The surgeon's unit number is exactly", "   two higher than Douglas's. The wife",
          "   of Douglas is either Beatrice or", "   Vivian."},
         {offset(Cat::B, "Surgeon", "Douglas", 2), either("Douglas", "Beatrice", "Vivian")},
         {ruledOut(
             "'whose wife' taken as the surgeon's wife",
             {offset(Cat::B, "Surgeon", "Douglas", 2), either("Surgeon", "Beatrice", "Vivian")},
             "the clue names the wife of Douglas")}},
        {{"* Lorraine and Celia live next door", "   to each other. Lorraine lives in",
          "   either Unit 2 or Unit 4."},
         {nextTo(Cat::B, "Lorraine", "Celia"), either("Lorraine", "Unit 2", "Unit 4")}},
        {{"* The architect's unit number is", "   lower than Bradley's. Charles is",
          "   not the banker, and neither Charles", "   nor the banker lives in Unit 2."},
         {before(Cat::B, "Architect", "Bradley"), allDifferent({"Charles", "Banker", "Unit 2"})},
         {ruledOut("'Charles, the banker' taken as Charles being the banker, one man besides "
                   "the husband in Unit 2",
                   {before(Cat::B, "Architect", "Bradley"), same("Charles", "Banker"),
                    differ("Charles", "Unit 2")},
                   "the clue says Charles is not the banker")}},
        {{"* Beatrice is married to the", "   novelist. The novelist's unit",
          "   number is exactly three lower than", "   Margot's."},
         {same("Beatrice", "Novelist"), offset(Cat::B, "Novelist", "Margot", -3)}},
        {{"* Edmund is either the novelist or", "   the judge."},
         {either("Edmund", "Novelist", "Judge")}},
        {{"* Arthur lives in Unit 3. Beatrice's", "   unit number is exactly two lower",
          "   than Arthur's."},
         {same("Arthur", "Unit 3"), offset(Cat::B, "Arthur", "Beatrice", 2)}},
    };
    return p;
}

}  // namespace zentrivo
