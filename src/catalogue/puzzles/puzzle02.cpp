#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle02() {
    PuzzleContent p;
    p.number = 2;
    p.itemsA = {"Apple Slices", "Cheese Puffs", "Cookies", "Popcorn", "Pretzels"};
    p.rowHeadings = {"Hannah",     "Jacob",      "Kayla",     "Marcus",      "Olivia",
                     "Basement",   "Den",        "Kitchen",   "Playroom",    "Sunroom",
                     "Bubble Bay", "Comet Kids", "Moon Pups", "Tiger Trail", "Zoom Robots"};
    p.intro =
        "\r\nOn the last Friday night of the school year, five teenagers from Maple Street "
        "each took a babysitting job with a different family: Hannah, Jacob, Kayla, Marcus "
        "and Olivia each looked after one child. No two of the five children spent the "
        "evening in the same kind of room (one was in a basement, one in a den, one in a "
        "kitchen, one in a playroom and one in a sunroom), had the same snack or watched the "
        "same TV show. For each sitter, in which room did the child stay, what snack did the "
        "child eat, and which show did the child watch?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The child who had cookies for an", "   evening snack settled in front of",
          "   the television to watch Moon Pups,", "   but was not Olivia's charge."},
         {same("Cookies", "Moon Pups"), differ("Cookies", "Olivia")}},
        {{"* Jacob's charge spent the evening", "   either in the playroom or in the",
          "   sunroom. That child watched either", "   Zoom Robots or Tiger Trail."},
         {either("Jacob", "Playroom", "Sunroom"), either("Jacob", "Zoom Robots", "Tiger Trail")}},
        {{"* The child who stayed in the den", "   was looked after by either Kayla",
          "   or Jacob. The same child snacked", "   on either popcorn or apple slices."},
         {either("Den", "Kayla", "Jacob"), either("Den", "Popcorn", "Apple Slices")}},
        {{"* The Comet Kids fan was not in the", "   den. Of the Comet Kids fan and the",
          "   Tiger Trail fan, one was looked", "   after by Olivia and the other was",
          "   the child who ate the pretzels."},
         {pairOf("Comet Kids", "Tiger Trail", "Olivia", "Pretzels"), differ("Comet Kids", "Den")},
         {ruledOut(
             "\"that child\" taken as the child in the den",
             {differ("Den", "Tiger Trail"), differ("Olivia", "Pretzels"),
              eitherButNotBoth("Den", "Olivia", "Pretzels"),
              eitherButNotBoth("Tiger Trail", "Olivia", "Pretzels"), differ("Comet Kids", "Den")},
             "the second sentence names the Comet Kids fan again")}},
        {{"* Kayla's charge was not the child in", "   the basement. Of the basement child",
          "   and the one in the playroom, one", "   snacked on popcorn and the other",
          "   watched Bubble Bay."},
         {pairOf("Basement", "Playroom", "Popcorn", "Bubble Bay"), differ("Kayla", "Basement")}},
        {{"* Four different children: one ate", "   the apple slices, one watched",
          "   Bubble Bay, one was in Hannah's", "   care, and one spent the evening in",
          "   the basement."},
         {allDifferent({"Apple Slices", "Bubble Bay", "Hannah", "Basement"})},
         {ruledOut("the child who ate apple slices taken as the one who watched Bubble Bay",
                   {same("Apple Slices", "Bubble Bay"),
                    allDifferent({"Apple Slices", "Hannah", "Basement"})},
                   "\"four different children\" comes first, and each is introduced by "
                   "\"one\"")}},
    };
    return p;
}

}  // namespace zentrivo
