#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle10() {
    PuzzleContent p;
    p.number = 10;
    p.itemsA = {"25", "26", "27", "28", "29"};
    p.rowHeadings = {"Amber",    "Brooke",    "Chloe",     "Danielle",    "Erin",
                     "Daiquiri", "Margarita", "Mojito",    "Rum && Coke", "Sangria",
                     "Braids",   "Curly",     "Pixie Cut", "Straight",    "Wavy"};
    p.intro =
        "\r\nFive old college roommates, Amber, Brooke, Chloe, Danielle and Erin, meet "
        "once a month for a girls' night out. This time they took a corner table at the "
        "Blue Lantern, where each of them ordered her favorite drink: a daiquiri, a "
        "margarita, a mojito, a Rum & Coke or a glass of sangria. No two of the friends are "
        "the same age (the youngest is 25 and the oldest 29), and each wears her hair a "
        "different way: in braids, curly, in a pixie cut, straight or wavy. How old is each "
        "woman, what did she drink, and how does she wear her hair?";
    p.clues = {
        {{"* The Rum & Coke drinker is exactly", "   three years older than Erin."},
         {offset(Cat::A, "Rum && Coke", "Erin", 3)}},
        {{"* Of Amber and Brooke, one is 28 and", "   the other ordered a mojito."},
         {pairOf("Amber", "Brooke", "28", "Mojito")}},
        {{"* Danielle either ordered the daiquiri", "   or wears braids, but not both. The",
          "   daiquiri drinker is exactly a year", "   older than the pixie-cut woman."},
         {eitherButNotBoth("Danielle", "Daiquiri", "Braids"),
          offset(Cat::A, "Daiquiri", "Pixie Cut", 1)},
         {misreading("inclusive \"or\": Danielle may both drink the daiquiri and wear braids",
                     {eitherOrBoth("Danielle", "Daiquiri", "Braids"),
                      offset(Cat::A, "Daiquiri", "Pixie Cut", 1)})}},
        {{"* The woman with straight hair, who", "   is either Amber or Danielle, is",
          "   older than the one with wavy hair."},
         {before(Cat::A, "Wavy", "Straight"), either("Straight", "Amber", "Danielle")}},
        {{"* Neither Amber nor the curly-haired", "   woman ordered the mojito, and",
          "   Amber's hair is not curly."},
         {allDifferent({"Amber", "Curly", "Mojito"})},
         {ruledOut("Amber taken as the curly-haired woman",
                   {same("Amber", "Curly"), differ("Amber", "Mojito")},
                   "\"neither ... nor\" names them as two people, and Amber's hair is said "
                   "not to be curly")}},
        {{"* The margarita drinker is exactly", "   two years older than the woman with",
          "   straight hair."},
         {offset(Cat::A, "Margarita", "Straight", 2)}},
    };
    return p;
}

}  // namespace zentrivo
