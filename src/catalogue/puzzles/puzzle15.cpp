#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle15() {
    PuzzleContent p;
    p.number = 15;
    p.itemsA = {"Architect", "Dentist", "Librarian", "Nurse", "Pilot"};
    p.rowHeadings = {"Gavin",  "Hazel",  "Miriam", "Nadine",   "Walter",
                     "Arabic", "French", "German", "Japanese", "Portuguese",
                     "24",     "31",     "38",     "45",       "52"};
    p.intro =
        "\r\nFive adults, aged 24, 31, 38, 45 and 52, signed up for the evening language "
        "classes at Eastbrook Community College this fall, each to learn a different foreign "
        "language before a trip abroad or a new assignment at work: Arabic, French, German, "
        "Japanese or Portuguese. The students are Gavin, Hazel, Miriam, Nadine and Walter, and "
        "each has a different profession: one is an architect, one a dentist, one a librarian, "
        "one a nurse and one a pilot. What is each student's profession and age, and which "
        "language is each of them learning?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* Miriam is either the nurse or", "   learning Portuguese, but not both."},
         {eitherButNotBoth("Miriam", "Nurse", "Portuguese")},
         {misreading("'either ... or' taken as inclusive: Miriam may be a nurse learning "
                     "Portuguese",
                     {eitherOrBoth("Miriam", "Nurse", "Portuguese")})}},
        {{"* Gavin is not the librarian, and", "   neither Gavin nor the librarian is",
          "   learning German."},
         {allDifferent({"Librarian", "Gavin", "German"})},
         {ruledOut("Gavin taken as the librarian, one person besides the student of German",
                   {same("Gavin", "Librarian"), differ("Gavin", "German")},
                   "the clue says Gavin is not the librarian")}},
        {{"* Walter is older than the one", "   learning German. The one learning",
          "   Arabic is either the pilot or 24", "   years old, but not both."},
         {before(Cat::D, "German", "Walter"), eitherButNotBoth("Arabic", "Pilot", "24")},
         {misreading("'either ... or' taken as inclusive: the one learning Arabic may be a "
                     "24-year-old pilot",
                     {before(Cat::D, "German", "Walter"), eitherOrBoth("Arabic", "Pilot", "24")})}},
        {{"* The dentist and Walter are exactly", "   seven years apart in age."},
         {nextTo(Cat::D, "Dentist", "Walter")}},
        {{"* Gavin is exactly 14 years older", "   than the one learning Arabic."},
         {offset(Cat::D, "Gavin", "Arabic", 2)}},
        {{"* Of the librarian and the nurse, one", "   is Hazel and the other is learning",
          "   French. The one learning Japanese", "   is 24 years old."},
         {pairOf("Librarian", "Nurse", "Hazel", "French"), same("Japanese", "24")}},
        {{"* The architect is exactly 21 years", "   older than Hazel."},
         {offset(Cat::D, "Architect", "Hazel", 3)}},
    };
    return p;
}

}  // namespace zentrivo
