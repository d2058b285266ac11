#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle16() {
    PuzzleContent p;
    p.number = 16;
    p.itemsA = {"Alice", "Dominic", "Hannah", "Lucas", "Sophie"};
    p.rowHeadings = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday",
                     "Books",  "Cooking", "Gardening", "Music",    "Sports",
                     "Brazil", "Canada",  "Iceland",   "Japan",    "Kenya"};
    p.intro =
        "\r\nEvery weekday evening, Margaret Ellison sits down at her kitchen table and "
        "writes to one of her five pen pals, so that each of them hears from her on a "
        "different weekday. Her pen pals are Alice, Dominic, Hannah, Lucas and Sophie. "
        "Each lives in a different country: Brazil, Canada, Iceland, Japan or Kenya. "
        "In their letters, each writes mostly about a different favorite topic: books, "
        "cooking, gardening, music or sports. On which day does Margaret write to each "
        "pen pal, where does each one live, and which topic does each love?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The letter to Canada is written", "   exactly two days after the letter",
          "   to the pen pal who loves cooking,", "   and on a later day than the letter",
          "   to the one who loves gardening."},
         {offset(Cat::B, "Canada", "Cooking", 2), before(Cat::B, "Gardening", "Canada")}},
        {{"* Of Dominic and Lucas, one is the", "   pen pal who lives in Iceland and",
          "   the other is the pen pal who loves", "   cooking."},
         {pairOf("Dominic", "Lucas", "Iceland", "Cooking")}},
        {{"* Hannah, who lives in Kenya, gets", "   her letter from Margaret on a later",
          "   day of the week than Sophie gets", "   hers."},
         {same("Hannah", "Kenya"), before(Cat::B, "Sophie", "Hannah")}},
        {{"* Sophie's favorite topic is either", "   music or sports."},
         {either("Sophie", "Music", "Sports")}},
        {{"* The letter to Brazil is written", "   exactly one day after the letter",
          "   to Iceland."},
         {offset(Cat::B, "Brazil", "Iceland", 1)}},
        {{"* Dominic loves sports. Lucas gets", "   his letter either the day before",
          "   or the day after Margaret writes", "   to Brazil."},
         {same("Dominic", "Sports"), nextTo(Cat::B, "Lucas", "Brazil")}},
    };
    return p;
}

}  // namespace zentrivo
