#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle11() {
    PuzzleContent p;
    p.number = 11;
    p.itemsA = {"Graffiti", "Littering", "Shoplifting", "Trespassing", "Vandalism"};
    p.rowHeadings = {"Brent",     "Celia",    "Doug",     "Harriet",      "Ramon",
                     "40 hours",  "60 hours", "80 hours", "100 hours",    "120 hours",
                     "Food Bank", "Hospital", "Library",  "Park Service", "Soup Kitchen"};
    p.intro =
        "\r\nJudge Okafor of the Millbrook county court believes a minor offense is "
        "better paid back with honest work than with a fine. Last month she heard the cases "
        "of Brent, Celia, Doug, Harriet and Ramon. Each faced a different charge (graffiti, "
        "littering, shoplifting, trespassing or vandalism) and was given a different "
        "community service sentence, from 40 to 120 hours in steps of 20, to be served at a "
        "different place: the food bank, the hospital, the library, the park service or the "
        "soup kitchen. What was each person charged with, how many hours were they given, "
        "and where were they placed?";
    p.clues = {
        {{"* Doug, who was charged with graffiti,", "   was given fewer hours than the",
          "   person placed at the soup kitchen."},
         {same("Doug", "Graffiti"), before(Cat::C, "Doug", "Soup Kitchen")}},
        {{"* Of Harriet and Celia, one was", "   sentenced to 100 hours and the",
          "   other was placed at the hospital."},
         {pairOf("Harriet", "Celia", "100 hours", "Hospital")}},
        {{"* The person charged with vandalism", "   was given exactly 40 hours more",
          "   than Brent."},
         {offset(Cat::C, "Vandalism", "Brent", 2)}},
        {{"* Of Brent and Harriet, one worked at", "   the food bank and the other was",
          "   charged with trespassing."},
         {pairOf("Brent", "Harriet", "Food Bank", "Trespassing")}},
        {{"* The shoplifter's sentence was", "   exactly 40 hours longer than that",
          "   of the soup kitchen volunteer."},
         {offset(Cat::C, "Shoplifting", "Soup Kitchen", 2)}},
        {{"* Doug, who was not placed with the", "   park service, was given more hours",
          "   than Brent."},
         {differ("Doug", "Park Service"), before(Cat::C, "Brent", "Doug")}},
        {{"* The person charged with littering,", "   who was either Brent or Ramon, did",
          "   not serve the sentence at the", "   library."},
         {either("Littering", "Brent", "Ramon"), differ("Littering", "Library")}},
    };
    return p;
}

}  // namespace zentrivo
