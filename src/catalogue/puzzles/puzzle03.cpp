#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle03() {
    PuzzleContent p;
    p.number = 3;
    p.itemsA = {"Ash Street", "Birch Lane", "Cedar Road", "Elm Court", "Pine Avenue"};
    p.rowHeadings = {"Monday",  "Tuesday", "Wednesday", "Thursday", "Friday",
                     "Cello",   "Flute",   "Guitar",    "Piano",    "Trumpet",
                     "Abigail", "Connor",  "Isabel",    "Lucas",    "Tessa"};
    p.intro =
        "\r\nEvery week, music teacher Rosa Delgado drives around Brookfield to give one "
        "lesson each weekday, Monday through Friday, at a student's home. Her five students "
        "are Abigail, Connor, Isabel, Lucas and Tessa. No two of them live on the same street; "
        "their homes are on Ash Street, Birch Lane, Cedar Road, Elm Court and Pine Avenue, one "
        "home to a street. Each student is learning a different instrument: the cello, the "
        "flute, the guitar, the piano or the trumpet. On which day is each student's lesson, "
        "on which street does each live, and which instrument does each play?";
    p.clues = {
        {{"* Of Connor and Lucas, one is learning", "   to play the guitar, and the other",
          "   is learning to play the cello."},
         {pairOf("Connor", "Lucas", "Guitar", "Cello")}},
        {{"* The student whose lessons are given", "   at the house on Birch Lane is",
          "   either Lucas or Tessa."},
         {either("Birch Lane", "Lucas", "Tessa")}},
        {{"* Of the lessons given on Wednesday", "   and on Thursday, one is Isabel's",
          "   and the other is Lucas's."},
         {pairOf("Wednesday", "Thursday", "Isabel", "Lucas")}},
        {{"* The lesson on Ash Street is exactly", "   one day after the piano lesson. The",
          "   piano lesson is exactly one day", "   after the trumpet lesson."},
         {offset(Cat::B, "Ash Street", "Piano", 1), offset(Cat::B, "Piano", "Trumpet", 1)},
         {ruledOut(
             "\"which\" taken as the Ash Street lesson",
             {offset(Cat::B, "Ash Street", "Piano", 1), offset(Cat::B, "Ash Street", "Trumpet", 1)},
             "no relative word: the second sentence names the piano lesson")}},
        {{"* The trumpet lesson is given either", "   at a house on Cedar Road or at one",
          "   on Ash Street."},
         {either("Trumpet", "Cedar Road", "Ash Street")}},
        {{"* The Elm Court lesson is exactly one", "   day after the Pine Avenue lesson.",
          "   The student on Pine Avenue plays", "   either the cello or the trumpet."},
         {offset(Cat::B, "Elm Court", "Pine Avenue", 1),
          either("Pine Avenue", "Cello", "Trumpet")}},
    };
    return p;
}

}  // namespace zentrivo
