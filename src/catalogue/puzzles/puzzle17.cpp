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
        "\r\nFive young scientists reached the final round of this year's state science "
        "fair: Abigail, Caleb, Isabel, Owen and Tyler. Each came from a different city, "
        "Ashford, Brookfield, Clayton, Milford or Weston, and each brought a different "
        "project to show the judges: a bee colony, a robot arm, a solar oven, a water "
        "filter or a wind turbine. After a long afternoon of questions, the judges "
        "ranked the five finalists from 1st place to 5th place, with no ties. Which "
        "project did each student build, which city does each come from, and in what "
        "place did each finish?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The student from Ashford, the one", "   who built the robot arm and Caleb",
          "   are three different people."},
         {allDifferent({"Caleb", "Ashford", "Robot Arm"})}},
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
          "   oven. The student from Clayton", "   finished either one place above or",
          "   one place below the robot arm."},
         {offset(Cat::B, "Solar Oven", "Brookfield", 2), nextTo(Cat::B, "Clayton", "Robot Arm")}},
    };
    return p;
}

}  // namespace zentrivo
