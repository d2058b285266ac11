#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle21() {
    PuzzleContent p;
    p.number = 21;
    p.itemsA = {"Surgeon", "Heiress", "Detective", "Villain", "Nanny"};
    p.rowHeadings = {"Blake Harlow", "Celeste Vane", "Daphne Cruz", "Lucian Drake", "Roman Steele",
                     "Car Crash",    "Shipwreck",    "Prison",      "Emigrated",    "Poisoning",
                     "January",      "February",     "March",       "April",        "May"};
    p.intro =
        "\r\nThis year the writers of the daytime soap opera \"Harbor Lights\" said "
        "goodbye to five long-running characters, one in each month from January to May. "
        "Each character had played a different role in the story: one was the surgeon, one "
        "the heiress, one the detective, one the villain and one the nanny. The five were "
        "Blake Harlow, Celeste Vane, Daphne Cruz, Lucian Drake and Roman Steele, and each was "
        "written out in a different way: a car crash, a shipwreck, a prison sentence, "
        "emigration or a poisoning. What role did each character play, how did each leave, "
        "and in which month?";
    p.clues = {
        {{"* The villain was written out with a", "   prison sentence, exactly one month",
          "   before or after the detective left."},
         {same("Villain", "Prison"), nextTo(Cat::D, "Detective", "Villain")}},
        {{"* Of Celeste Vane and Roman Steele,", "   one was the nanny and the other",
          "   was lost in the shipwreck. Roman", "   Steele left exactly three months",
          "   after the car crash victim."},
         {pairOf("Celeste Vane", "Roman Steele", "Nanny", "Shipwreck"),
          offset(Cat::D, "Car Crash", "Roman Steele", -3)}},
        {{"* Of the car crash and the shipwreck,", "   one wrote out the surgeon and the",
          "   other the detective. The prison", "   exit came exactly one month before",
          "   the shipwreck."},
         {pairOf("Car Crash", "Shipwreck", "Surgeon", "Detective"),
          offset(Cat::D, "Prison", "Shipwreck", -1)}},
        {{"* Lucian Drake's last episode aired", "   exactly one month before Roman",
          "   Steele's."},
         {offset(Cat::D, "Lucian Drake", "Roman Steele", -1)}},
        {{"* Either Blake Harlow or Roman Steele", "   was the car crash victim. Either",
          "   Blake Harlow or Roman Steele left", "   in May."},
         {either("Car Crash", "Blake Harlow", "Roman Steele"),
          either("May", "Blake Harlow", "Roman Steele")},
         {ruledOut("'also one of those two' taken as the car crash victim, who then left in May",
                   {either("Car Crash", "Blake Harlow", "Roman Steele"), same("May", "Car Crash")},
                   "the clue names Blake Harlow and Roman Steele again for the May character "
                   "and does not tie that character to the car crash"),
          misreading("the two characters taken as one each: of the car crash victim and the May "
                     "character, one is Blake Harlow and the other Roman Steele",
                     {either("Car Crash", "Blake Harlow", "Roman Steele"),
                      either("May", "Blake Harlow", "Roman Steele"), differ("Car Crash", "May")})}},
        {{"* Daphne Cruz left exactly two", "   months after the character who", "   emigrated."},
         {offset(Cat::D, "Daphne Cruz", "Emigrated", 2)}},
    };
    return p;
}

}  // namespace zentrivo
