#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle21() {
    PuzzleContent p;
    p.number = 21;
    p.itemsA = {"Surgeon", "Heiress", "Detective", "Villain", "Nanny"};
    p.rowHeadings = {"Blake Harlow", "Celeste Vane", "Daphne Cruz", "Lucian Drake", "Roman Steele",
                     "Car Crash", "Shipwreck", "Prison", "Emigrated", "Poisoning",
                     "January", "February", "March", "April", "May"};
    p.intro =
        "\r\nThis year the writers of the daytime soap opera \"Harbor Lights\" said "
        "goodbye to five long-running characters, one a month from January to May. "
        "Blake Harlow, Celeste Vane, Daphne Cruz, Lucian Drake and Roman Steele each "
        "played a different role in the story: the surgeon, the heiress, the detective, "
        "the villain and the nanny. Each was written out in a different way: a car "
        "crash, a shipwreck, a prison sentence, emigration or a poisoning. What role "
        "did each character play, how did each leave, and in which month?";
    p.clues = {
        {{"* The villain was written out with a",
          "   prison sentence, exactly one month",
          "   before or after the detective left."},
         {same("Villain", "Prison"), nextTo(Cat::D, "Detective", "Villain")}},
        {{"* Of Celeste Vane and Roman Steele,",
          "   one was the nanny and the other",
          "   was lost in the shipwreck. Roman",
          "   Steele left exactly three months",
          "   after the car crash victim."},
         {pairOf("Celeste Vane", "Roman Steele", "Nanny", "Shipwreck"),
          offset(Cat::D, "Car Crash", "Roman Steele", -3)}},
        {{"* Of the car crash and the shipwreck,",
          "   one wrote out the surgeon and the",
          "   other the detective. The prison",
          "   exit came exactly one month before",
          "   the shipwreck."},
         {pairOf("Car Crash", "Shipwreck", "Surgeon", "Detective"),
          offset(Cat::D, "Prison", "Shipwreck", -1)}},
        {{"* Lucian Drake's last episode aired",
          "   exactly one month before Roman",
          "   Steele's."},
         {offset(Cat::D, "Lucian Drake", "Roman Steele", -1)}},
        {{"* The car crash victim was either",
          "   Blake Harlow or Roman Steele. The",
          "   character who left in May was also",
          "   one of those two."},
         {either("Car Crash", "Blake Harlow", "Roman Steele"),
          either("May", "Blake Harlow", "Roman Steele")}},
        {{"* Daphne Cruz left exactly two",
          "   months after the character who",
          "   emigrated."},
         {offset(Cat::D, "Daphne Cruz", "Emigrated", 2)}},
    };
    return p;
}

}  // namespace zentrivo
