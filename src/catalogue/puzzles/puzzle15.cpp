#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle15() {
    PuzzleContent p;
    p.number = 15;
    p.itemsA = {"Architect", "Dentist", "Librarian", "Nurse", "Pilot"};
    p.rowHeadings = {"Gavin", "Hazel", "Miriam", "Nadine", "Walter",
                     "Arabic", "French", "German", "Japanese", "Portuguese",
                     "24", "31", "38", "45", "52"};
    p.intro =
        "\r\nFive adults signed up for the evening language classes at Eastbrook Community "
        "College this fall, each to learn a different foreign language before a trip abroad or "
        "a new assignment at work. Gavin, Hazel, Miriam, Nadine and Walter are an architect, a "
        "dentist, a librarian, a nurse and a pilot, and they are 24, 31, 38, 45 and 52 years "
        "old. Between them they chose Arabic, French, German, Japanese and Portuguese. What is "
        "each student's profession and age, and which language is each of them learning?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* Miriam is either the nurse or the",
          "   one learning Portuguese."},
         {either("Miriam", "Nurse", "Portuguese")}},
        {{"* The librarian, Gavin and the",
          "   student of German are three",
          "   different people."},
         {allDifferent({"Librarian", "Gavin", "German"})}},
        {{"* Walter is older than the German",
          "   student. The Arabic student is",
          "   either the pilot or the",
          "   24-year-old."},
         {before(Cat::D, "German", "Walter"), either("Arabic", "Pilot", "24")}},
        {{"* The dentist and Walter are exactly",
          "   seven years apart in age."},
         {nextTo(Cat::D, "Dentist", "Walter")}},
        {{"* Gavin is exactly 14 years older",
          "   than the one learning Arabic."},
         {offset(Cat::D, "Gavin", "Arabic", 2)}},
        {{"* Of the librarian and the nurse, one",
          "   is Hazel and the other is learning",
          "   French. The one learning Japanese",
          "   is 24 years old."},
         {pairOf("Librarian", "Nurse", "Hazel", "French"), same("Japanese", "24")}},
        {{"* The architect is exactly 21 years",
          "   older than Hazel."},
         {offset(Cat::D, "Architect", "Hazel", 3)}},
    };
    return p;
}

}  // namespace zentrivo
