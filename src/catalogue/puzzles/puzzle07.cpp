#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle07() {
    PuzzleContent p;
    p.number = 7;
    p.itemsA = {"Abbott", "Fletcher", "Garner", "Hollis", "Pruitt"};
    p.rowHeadings = {"Agnes",     "Betty",     "Carol",     "Doris",     "Ellen",
                     "Basketry",  "Candles",   "Pottery",   "Quilting",  "Woodcarving",
                     "1st Place", "2nd Place", "3rd Place", "4th Place", "5th Place"};
    p.intro =
        "\r\nEvery year the village of Little Thornbury celebrates May Day with a maypole, "
        "a brass band and a crafts contest on the green. This year five women entered: "
        "Agnes, Betty, Carol, Doris and Ellen. Their surnames, in no particular order, are "
        "Abbott, Fletcher, Garner, Hollis and Pruitt. Each brought a different craft (a "
        "woven basket, a set of candles, a piece of pottery, a quilt or a woodcarving), and "
        "the judges ranked the five entries from 1st to 5th place. What is each woman's full "
        "name, what craft did she enter, and where did she place?";
    p.clues = {
        {{"* Ellen finished exactly two places", "   ahead of the woman who wove the",
          "   basket."},
         {offset(Cat::D, "Basketry", "Ellen", 2)}},
        {{"* Of Mrs. Garner and Mrs. Fletcher,", "   one is Betty and the other took",
          "   2nd place."},
         {pairOf("Garner", "Fletcher", "Betty", "2nd Place")}},
        {{"* The quilter finished somewhere", "   ahead of Mrs. Abbott, and the",
          "   potter exactly two places ahead of", "   Mrs. Garner."},
         {before(Cat::D, "Quilting", "Abbott"), offset(Cat::D, "Garner", "Pottery", 2)}},
        {{"* Agnes either wove the basket or is", "   Mrs. Pruitt, but not both."},
         {eitherButNotBoth("Agnes", "Basketry", "Pruitt")},
         {misreading("inclusive \"or\": Agnes may be Mrs. Pruitt and the basket weaver",
                     {eitherOrBoth("Agnes", "Basketry", "Pruitt")})}},
        {{"* Carol did not make candles. Doris", "   finished exactly four places ahead",
          "   of Mrs. Hollis."},
         {differ("Carol", "Candles"), offset(Cat::D, "Hollis", "Doris", 4)}},
        {{"* The woman who placed 4th entered", "   either a quilt or a woodcarving."},
         {either("4th Place", "Quilting", "Woodcarving")}},
    };
    return p;
}

}  // namespace zentrivo
