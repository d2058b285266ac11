#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle19() {
    PuzzleContent p;
    p.number = 19;
    p.itemsA = {"Bennett", "Carver", "Holt", "Prescott", "Whitman"};
    p.rowHeadings = {"Alan",         "Diane",        "Gregory",      "Naomi",
                     "Rachel",       "Chad",         "Haiti",        "Nepal",
                     "Sudan",        "Yemen",        "1st to Leave", "2nd to Leave",
                     "3rd to Leave", "4th to Leave", "5th to Leave"};
    p.intro =
        "\r\nFive doctors, Alan, Diane, Gregory, Naomi and Rachel, spent the past year "
        "with an international medical relief charity, each at a field hospital in a "
        "different country: Chad, Haiti, Nepal, Sudan or Yemen. Each has a different "
        "surname: Bennett, Carver, Holt, Prescott or Whitman. When their missions came to an "
        "end this spring, they left their posts one at a time, so that each was the "
        "1st, 2nd, 3rd, 4th or 5th to leave. What is each doctor's full name, in which "
        "country did each one serve, and in what order did they leave?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The doctor who served in Nepal left", "   exactly two places later in the",
          "   order than Dr. Bennett."},
         {offset(Cat::D, "Nepal", "Bennett", 2)}},
        {{"* Naomi's surname is either Holt or", "   Carver."},
         {either("Naomi", "Holt", "Carver")}},
        {{"* Dr. Prescott left some time before", "   the doctor who served in Sudan. The",
          "   Sudan doctor left some time before", "   the Haiti doctor."},
         {before(Cat::D, "Prescott", "Sudan"), before(Cat::D, "Sudan", "Haiti")},
         {ruledOut("'who in turn' taken as Dr. Prescott, who then left before both the Sudan "
                   "and the Haiti doctors",
                   {before(Cat::D, "Prescott", "Sudan"), before(Cat::D, "Prescott", "Haiti")},
                   "the clue names the Sudan doctor as the one who left before the Haiti "
                   "doctor")}},
        {{"* Of Alan and Rachel, one is", "   Dr. Carver and the other served", "   in Sudan."},
         {pairOf("Alan", "Rachel", "Carver", "Sudan")}},
        {{"* The doctor who served in Haiti", "   was the very next to leave after", "   Gregory."},
         {offset(Cat::D, "Haiti", "Gregory", 1)},
         {ruledOut("'the very next to leave after' taken as some time after",
                   {before(Cat::D, "Gregory", "Haiti")},
                   "'the very next' leaves no place between them")}},
        {{"* Alan left exactly two places later", "   than the doctor who served in Chad,",
          "   and some time after the doctor who", "   served in Haiti."},
         {offset(Cat::D, "Alan", "Chad", 2), before(Cat::D, "Haiti", "Alan")}},
    };
    return p;
}

}  // namespace zentrivo
