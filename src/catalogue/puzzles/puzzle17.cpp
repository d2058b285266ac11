#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle17() {
    PuzzleContent p;
    p.number = 17;
    p.itemsA = {"Abigail", "Caleb", "Isabel", "Owen", "Tyler"};
    p.rowHeadings = {"1st Place", "2nd Place", "3rd Place", "4th Place", "5th Place",
                     "Ashford", "Brookfield", "Clayton", "Milford", "Weston",
                     "Bee Colony", "Robot Arm", "Solar Oven", "Water Filter", "Wind Turbine"};
    p.intro =
        "x?";
    p.clues = {
        {{"* a"},
         {allDifferent({"Caleb", "Ashford", "Robot Arm"})}},
        {{"* a"},
         {offset(Cat::B, "Owen", "Weston", 1)}},
        {{"* a"},
         {either("Abigail", "Milford", "Clayton"), before(Cat::B, "Bee Colony", "Abigail")}},
        {{"* a"},
         {pairOf("Isabel", "Tyler", "Ashford", "Water Filter"), before(Cat::B, "Isabel", "Wind Turbine")}},
        {{"* a"},
         {before(Cat::B, "Solar Oven", "Bee Colony")}},
        {{"* a"},
         {offset(Cat::B, "Solar Oven", "Brookfield", 2), nextTo(Cat::B, "Clayton", "Robot Arm")}},
    };
    return p;
}

}  // namespace zentrivo
