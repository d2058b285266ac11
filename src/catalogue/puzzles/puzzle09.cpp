#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle09() {
    PuzzleContent p;
    p.number = 9;
    p.itemsA = {"Coffee Talk", "Daybreak", "Late Edition", "Morning Mix", "The Lowdown"};
    p.rowHeadings = {"Monday",     "Tuesday",     "Wednesday",  "Thursday",    "Friday",
                     "Atlanta",    "Boston",      "Chicago",    "Denver",      "Seattle",
                     "Gina Marsh", "Hank Bowers", "Lena Ortiz", "Rob Kimball", "Tess Walden"};
    p.intro =
        "\r\nWhen Claire Danvers published her first mystery novel, The Glass Orchard, her "
        "publisher sent her on a whirlwind tour to promote it. From Monday to Friday she "
        "spent one day in each of five cities (Atlanta, Boston, Chicago, Denver and Seattle, "
        "though not in that order), and in each she was the guest of a local TV show: Coffee "
        "Talk, Daybreak, Late Edition, Morning Mix or The Lowdown. Each show had a different "
        "host: Gina Marsh, Hank Bowers, Lena Ortiz, Rob Kimball or Tess Walden. On which day "
        "did Claire appear on each show, in which city, and who interviewed her?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* Claire's TV appearance in Chicago", "   came exactly one day after her",
          "   interview on Daybreak."},
         {offset(Cat::B, "Chicago", "Daybreak", 1)}},
        {{"* Of Coffee Talk and Late Edition,", "   one is hosted by Hank Bowers and",
          "   the other is the show Claire did in", "   Seattle."},
         {pairOf("Coffee Talk", "Late Edition", "Hank Bowers", "Seattle")}},
        {{"* Tess Walden interviewed Claire in", "   either Atlanta or Boston."},
         {either("Tess Walden", "Atlanta", "Boston")}},
        {{"* Gina Marsh interviewed Claire some", "   time earlier in the week than the",
          "   Morning Mix host did."},
         {before(Cat::B, "Gina Marsh", "Morning Mix")}},
        {{"* Claire's talk with Lena Ortiz came", "   some time earlier in the week than",
          "   Claire's appearance on the show in", "   Seattle."},
         {before(Cat::B, "Lena Ortiz", "Seattle")}},
        {{"* Claire's visit to Coffee Talk came", "   exactly four days after her",
          "   interview with Rob Kimball, and", "   Hank Bowers interviewed her in",
          "   either Boston or Seattle."},
         {offset(Cat::B, "Coffee Talk", "Rob Kimball", 4),
          either("Hank Bowers", "Boston", "Seattle")}},
    };
    return p;
}

}  // namespace zentrivo
