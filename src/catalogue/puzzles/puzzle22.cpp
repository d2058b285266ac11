#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle22() {
    PuzzleContent p;
    p.number = 22;
    p.itemsA = {"Albright", "Bennett", "Castell", "Dunmore", "Ellison"};
    p.rowHeadings = {"Gloria", "Harvey", "Irene", "Jasper", "Kendra",
                     "First", "Second", "Third", "Fourth", "Fifth",
                     "Antiques", "Gardening", "Home Repair", "Pet Care", "Taxes"};
    p.intro =
        "\r\nOne Saturday morning the radio call-in program \"Ask the Experts\" had five "
        "guests, who went on the air one after another to answer listeners' questions, "
        "each on a different topic: antiques, gardening, home repair, pet care or taxes. "
        "The experts' first names are Gloria, Harvey, Irene, Jasper and Kendra, and their "
        "surnames are Albright, Bennett, Castell, Dunmore and Ellison. What is each "
        "expert's full name, what was each one's topic, and in what order did they go on "
        "the air?";
    p.clues = {
        {{"* Ellison went on the air later than",
          "   the third guest. Ellison, the",
          "   fourth guest and the home repair",
          "   expert were three different",
          "   people."},
         {before(Cat::C, "Third", "Ellison"),
          allDifferent({"Ellison", "Fourth", "Home Repair"})}},
        {{"* Bennett's turn came immediately",
          "   before or immediately after",
          "   Irene's. Dunmore's first name is",
          "   either Kendra or Irene."},
         {nextTo(Cat::C, "Bennett", "Irene"), either("Dunmore", "Kendra", "Irene")}},
        {{"* The first guest answered questions",
          "   on either home repair or antiques."},
         {either("First", "Home Repair", "Antiques")}},
        {{"* Kendra went on the air later than",
          "   the tax expert, and exactly one",
          "   turn before Jasper."},
         {before(Cat::C, "Taxes", "Kendra"), offset(Cat::C, "Kendra", "Jasper", -1)}},
        {{"* Harvey was on the air immediately",
          "   before the antiques expert. Of the",
          "   antiques and pet care experts, one",
          "   was Dunmore and the other was",
          "   Jasper."},
         {offset(Cat::C, "Harvey", "Antiques", -1),
          pairOf("Antiques", "Pet Care", "Dunmore", "Jasper")}},
        {{"* Kendra is the antiques expert, who",
          "   spoke earlier than Albright."},
         {same("Kendra", "Antiques"), before(Cat::C, "Antiques", "Albright")}},
    };
    return p;
}

}  // namespace zentrivo
