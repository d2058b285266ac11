#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle22() {
    PuzzleContent p;
    p.number = 22;
    p.itemsA = {"Albright", "Bennett", "Castell", "Dunmore", "Ellison"};
    p.rowHeadings = {"Gloria",   "Harvey",    "Irene",       "Jasper",   "Kendra",
                     "First",    "Second",    "Third",       "Fourth",   "Fifth",
                     "Antiques", "Gardening", "Home Repair", "Pet Care", "Taxes"};
    p.intro =
        "\r\nOne Saturday morning the radio call-in program \"Ask the Experts\" had five "
        "guests, who went on the air one after another to answer listeners' questions. Each "
        "expert took questions on a different topic: antiques, gardening, home repair, pet "
        "care or taxes. The experts' first names are Gloria, Harvey, Irene, Jasper and "
        "Kendra. No two share a surname; theirs are Albright, Bennett, Castell, Dunmore and "
        "Ellison, in no particular order. What is each expert's full name, what was each "
        "one's topic, and in what order did they go on the air?";
    p.clues = {
        {{"* Ellison went on the air later than", "   the third guest but was not the",
          "   fourth. Neither Ellison nor the", "   fourth guest was the home repair",
          "   expert."},
         {before(Cat::C, "Third", "Ellison"), allDifferent({"Ellison", "Fourth", "Home Repair"})},
         {ruledOut("'Ellison, the fourth guest' taken as Ellison being the fourth guest",
                   {before(Cat::C, "Third", "Ellison"), same("Ellison", "Fourth"),
                    differ("Ellison", "Home Repair")},
                   "the clue says Ellison was not the fourth guest")}},
        {{"* Bennett's turn came immediately", "   before or immediately after",
          "   Irene's. Dunmore's first name is", "   either Kendra or Irene."},
         {nextTo(Cat::C, "Bennett", "Irene"), either("Dunmore", "Kendra", "Irene")}},
        {{"* The first guest answered questions", "   on either home repair or antiques."},
         {either("First", "Home Repair", "Antiques")}},
        {{"* Kendra went on the air later than", "   the tax expert, and exactly one",
          "   turn before Jasper."},
         {before(Cat::C, "Taxes", "Kendra"), offset(Cat::C, "Kendra", "Jasper", -1)}},
        {{"* Harvey was on the air immediately", "   before the antiques expert. Of the",
          "   antiques and pet care experts, one", "   was Dunmore and the other was",
          "   Jasper."},
         {offset(Cat::C, "Harvey", "Antiques", -1),
          pairOf("Antiques", "Pet Care", "Dunmore", "Jasper")}},
        {{"* Kendra is the antiques expert. She", "   spoke earlier than Albright."},
         {same("Kendra", "Antiques"), before(Cat::C, "Antiques", "Albright")}},
    };
    return p;
}

}  // namespace zentrivo
