#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle11() {
    PuzzleContent p;
    p.number = 11;
    p.itemsA = {"Graffiti", "Littering", "Shoplifting", "Trespassing", "Vandalism"};
    p.rowHeadings = {"Brent", "Celia", "Doug", "Harriet", "Ramon",
                     "40 hours", "60 hours", "80 hours", "100 hours", "120 hours",
                     "Food Bank", "Hospital", "Library", "Park Service", "Soup Kitchen"};
    p.intro =
        "\r\nJudge Okafor of the Millbrook county court believes that a minor offence is "
        "better paid back with honest work than with a fine. Last month she heard five "
        "cases: Brent, Celia, Doug, Harriet and Ramon each faced a different charge and "
        "received a community service sentence of 40, 60, 80, 100 or 120 hours, to be served "
        "at the food bank, the hospital, the library, the park service or the soup kitchen. "
        "What was each person charged with, how many hours were they given, and where "
        "were they placed?";
    p.clues = {
        {{"* Doug, who was charged with graffiti,", "   was given fewer hours than the", "   person placed at the soup kitchen."},
         {same("Doug", "Graffiti"), before(Cat::C, "Doug", "Soup Kitchen")}},
        {{"* The shoplifter's sentence was", "   exactly 40 hours longer than that", "   of the soup kitchen volunteer."},
         {offset(Cat::C, "Shoplifting", "Soup Kitchen", 2)}},
        {{"* Of Brent and Harriet, one was", "   placed at the food bank and the", "   other was charged with trespassing."},
         {pairOf("Brent", "Harriet", "Food Bank", "Trespassing")}},
        {{"* The 100-hour sentence went to", "   either Harriet or Celia."},
         {either("100 hours", "Harriet", "Celia")}},
        {{"* Ramon was not placed at the", "   hospital."},
         {differ("Ramon", "Hospital")}},
        {{"* The vandal, the person given 40", "   hours and Celia are three", "   different people."},
         {allDifferent({"Vandalism", "40 hours", "Celia"})}},
        {{"* The library volunteer served", "   exactly 20 hours more than the", "   person charged with littering."},
         {offset(Cat::C, "Library", "Littering", 1)}},
    };
    return p;
}

}  // namespace zentrivo
