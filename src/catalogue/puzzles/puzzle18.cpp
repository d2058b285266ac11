#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle18() {
    PuzzleContent p;
    p.number = 18;
    p.itemsA = {"Albany", "Denver", "Memphis", "Portland", "Tucson"};
    p.rowHeadings = {"Brenda",    "Curtis",      "Felicia",  "Leon",         "Marcus",
                     "Art Theft", "Bank Merger", "Election", "Murder Trial", "Zoo Opening",
                     "Beacon",    "Chronicle",   "Courier",  "Gazette",      "Tribune"};
    p.intro =
        "\r\nFive reporters, Brenda, Curtis, Felicia, Leon and Marcus, each write for a "
        "different newspaper: one for the Beacon, one for the Chronicle, one for the Courier, "
        "one for the Gazette and one for the Tribune. Last week their editors sent each of "
        "them to a different city (Albany, Denver, Memphis, Portland or Tucson) to cover a "
        "different story. The five stories were an art theft, a bank merger, an election, a "
        "murder trial and the opening of a new zoo. Which city did each reporter travel to, "
        "which newspaper does each one write for, and which topic did each cover?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* Of Brenda and Leon, one is the", "   Tribune's reporter and the other",
          "   is the one who covered the opening", "   of the new zoo."},
         {pairOf("Brenda", "Leon", "Tribune", "Zoo Opening")}},
        {{"* Marcus did not cover the art", "   theft. He was sent either to Albany",
          "   or to Tucson."},
         {either("Marcus", "Albany", "Tucson"), differ("Marcus", "Art Theft")}},
        {{"* Felicia did not go to Portland and", "   does not write for the Beacon.",
          "   Neither the Beacon's reporter nor", "   the one in Portland covered the",
          "   election."},
         {differ("Felicia", "Portland"), differ("Felicia", "Beacon"), differ("Beacon", "Election"),
          differ("Portland", "Election")},
         {ruledOut("the reporter who went to Portland taken as the Beacon's reporter, who with "
                   "the election reporter and Felicia make three different people",
                   {same("Portland", "Beacon"), differ("Felicia", "Portland"),
                    differ("Felicia", "Election"), differ("Portland", "Election")},
                   "the clue sets no two reporters side by side; it names each pair on its "
                   "own")}},
        {{"* The reporter who covered the bank", "   merger works for the Courier and",
          "   filed the story from Tucson."},
         {same("Courier", "Bank Merger"), same("Tucson", "Bank Merger")}},
        {{"* Leon is a staff writer for either", "   the Courier or the Gazette."},
         {either("Leon", "Courier", "Gazette")}},
        {{"* The reporter in Portland writes for", "   the Chronicle. The election story",
          "   did not come from Memphis."},
         {same("Portland", "Chronicle"), differ("Memphis", "Election")}},
    };
    return p;
}

}  // namespace zentrivo
