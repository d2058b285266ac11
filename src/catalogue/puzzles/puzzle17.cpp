#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle17() {
    PuzzleContent p;
    p.number = 17;
    p.itemsA = {"Abigail", "Caleb", "Isabel", "Owen", "Tyler"};
    p.rowHeadings = {"1st Place",  "2nd Place",  "3rd Place",  "4th Place",    "5th Place",
                     "Ashford",    "Brookfield", "Clayton",    "Milford",      "Weston",
                     "Bee Colony", "Robot Arm",  "Solar Oven", "Water Filter", "Wind Turbine"};
    p.intro =
        "\r\nFive young scientists reached the final round of this year's state science "
        "fair: Abigail, Caleb, Isabel, Owen and Tyler. Each came from a different city: "
        "Ashford, Brookfield, Clayton, Milford or Weston. Each also brought a different "
        "project to show the judges: a bee colony, a robot arm, a solar oven, a water "
        "filter or a wind turbine. After a long afternoon of questions, the judges "
        "ranked the five finalists from 1st place to 5th place, with no ties. Which "
        "project did each student build, which city does each come from, and in what "
        "place did each finish?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* Caleb is not from Ashford, and", "   neither Caleb nor the student from",
          "   Ashford built the robot arm."},
         {allDifferent({"Caleb", "Ashford", "Robot Arm"})},
         {ruledOut("the student from Ashford taken as the one who built the robot arm",
                   {same("Ashford", "Robot Arm"), differ("Caleb", "Ashford")},
                   "the clue says the student from Ashford did not build the robot arm")}},
        {{"* Owen finished exactly one place", "   behind the student who came from", "   Weston."},
         {offset(Cat::B, "Owen", "Weston", 1)}},
        {{"* Abigail finished somewhere below", "   the student who built the bee", "   colony."},
         {before(Cat::B, "Bee Colony", "Abigail")}},
        {{"* Of Isabel and Tyler, one came from", "   Ashford and the other built the",
          "   water filter. Isabel placed higher", "   than the student who built the wind",
          "   turbine."},
         {pairOf("Isabel", "Tyler", "Ashford", "Water Filter"),
          before(Cat::B, "Isabel", "Wind Turbine")}},
        {{"* The solar oven was ranked", "   somewhere above the bee colony."},
         {before(Cat::B, "Solar Oven", "Bee Colony")}},
        {{"* The student from Brookfield ranked", "   exactly two places above the solar",
          "   oven. The student from Clayton", "   finished exactly one place above or",
          "   below the robot arm."},
         {offset(Cat::B, "Solar Oven", "Brookfield", 2), nextTo(Cat::B, "Clayton", "Robot Arm")},
         {ruledOut("one place above or below taken as at least one place apart",
                   {offset(Cat::B, "Solar Oven", "Brookfield", 2),
                    atLeastApart(Cat::B, "Clayton", "Robot Arm", 1)},
                   "the clue says exactly one place")}},
    };
    return p;
}

}  // namespace zentrivo
