#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle12() {
    PuzzleContent p;
    p.number = 12;
    p.itemsA = {"40 feet", "45 feet", "50 feet", "55 feet", "60 feet"};
    p.rowHeadings = {"Aurora", "Halcyon", "Marlin", "Sea Wolf", "Zephyr",
                     "Banker", "Cardiologist", "Dentist", "Lawyer", "Novelist",
                     "Becker", "Castillo", "Dunmore", "Okada", "Prescott"};
    p.intro =
        "\r\nEvery August the harbor master at Port Kessling keeps the long guest pontoon "
        "for the yachts that sail in for the summer regatta. This year five boats tied up "
        "there: the Aurora, the Halcyon, the Marlin, the Sea Wolf and the Zephyr. They "
        "measure 40, 45, 50, 55 and 60 feet from bow to stern, and each belongs to a "
        "different owner: Becker, Castillo, Dunmore, Okada or Prescott. The five owners "
        "followed five different careers, as a banker, a cardiologist, a dentist, a lawyer "
        "and a novelist. How long is each yacht, who owns it, and what is the owner's career?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The yacht owned by Castillo is",
          "   shorter than the one that belongs",
          "   to the cardiologist."},
         {before(Cat::A, "Castillo", "Cardiologist")}},
        {{"* Of Castillo and Dunmore, one is the",
          "   banker and the other is the",
          "   novelist."},
         {pairOf("Castillo", "Dunmore", "Banker", "Novelist")}},
        {{"* Of the dentist and the banker, one",
          "   owns the Sea Wolf and the other is",
          "   Dunmore."},
         {pairOf("Dentist", "Banker", "Sea Wolf", "Dunmore")}},
        {{"* The Aurora belongs to either the",
          "   lawyer or the dentist."},
         {either("Aurora", "Lawyer", "Dentist")}},
        {{"* Prescott is the owner of the",
          "   Halcyon, which is exactly 10 feet",
          "   longer than the yacht owned by",
          "   Becker."},
         {same("Prescott", "Halcyon"), offset(Cat::A, "Halcyon", "Becker", 2)}},
        {{"* The Zephyr is exactly 15 feet",
          "   shorter than Castillo's yacht,",
          "   and exactly 5 feet shorter than",
          "   the lawyer's."},
         {offset(Cat::A, "Zephyr", "Castillo", -3), offset(Cat::A, "Zephyr", "Lawyer", -1)}},
    };
    return p;
}

}  // namespace zentrivo
