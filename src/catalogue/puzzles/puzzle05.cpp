#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle05() {
    PuzzleContent p;
    p.number = 5;
    p.itemsA = {"Baxter", "Crane", "Mancini", "Pruitt", "Slade"};
    p.rowHeadings = {"Dolores", "Frankie",  "Lou",       "Rita",    "Vince",
                     "Denver",  "Houston",  "Miami",     "Phoenix", "Seattle",
                     "Arson",   "Burglary", "Car Theft", "Forgery", "Smuggling"};
    p.intro =
        "\r\nThe detectives of the Metro Fugitive Task Force have pinned five photos to "
        "their board. Each shows a suspect wanted for a crime committed in a different city: "
        "Denver, Houston, Miami, Phoenix or Seattle. The suspects' first names, Dolores, "
        "Frankie, Lou, Rita and Vince, are known, and so are their surnames, Baxter, Crane, "
        "Mancini, Pruitt and Slade, but the file that matched them up has gone missing. No "
        "two of the suspects are wanted for the same crime: one for arson, one for burglary, "
        "one for car theft, one for forgery and one for smuggling. What is each suspect's "
        "full name, and what crime did each commit in which city?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The suspect whose surname is Slade", "   is the one wanted for forgery."},
         {same("Slade", "Forgery")}},
        {{"* Of Rita and Vince, one is wanted", "   for a crime committed in Phoenix,",
          "   and the other is the suspect with", "   the surname Slade."},
         {pairOf("Rita", "Vince", "Phoenix", "Slade")}},
        {{"* Four different suspects: one is", "   the burglar, one is Dolores, one",
          "   committed a crime in Houston, and", "   one is surnamed Pruitt."},
         {allDifferent({"Burglary", "Dolores", "Houston", "Pruitt"})},
         {ruledOut("the burglar taken as Dolores",
                   {same("Burglary", "Dolores"), allDifferent({"Dolores", "Houston", "Pruitt"})},
                   "\"four different suspects\" comes first, and each is introduced by "
                   "\"one\"")}},
        {{"* Of the suspects surnamed Baxter and", "   Crane, one is Rita and the other",
          "   is the arsonist."},
         {pairOf("Baxter", "Crane", "Rita", "Arson")}},
        {{"* The suspect surnamed Crane is", "   either Vince or Lou, and Crane's",
          "   crime took place either", "   in Phoenix or in Denver."},
         {either("Crane", "Vince", "Lou"), either("Crane", "Phoenix", "Denver")}},
        {{"* Dolores, who did not commit her", "   crime in Miami, is wanted either",
          "   for smuggling or for burglary."},
         {differ("Dolores", "Miami"), either("Dolores", "Smuggling", "Burglary")}},
    };
    return p;
}

}  // namespace zentrivo
