#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle07() {
    PuzzleContent p;
    p.number = 7;
    p.itemsA = {"Abbott", "Fletcher", "Garner", "Hollis", "Pruitt"};
    p.rowHeadings = {"Agnes", "Betty", "Carol", "Doris", "Ellen",
                     "Basketry", "Candles", "Pottery", "Quilting", "Woodcarving",
                     "1st Place", "2nd Place", "3rd Place", "4th Place", "5th Place"};
    p.intro = "x?";
    p.clues = {
        {{"* Ellen placed exactly two places", "   ahead of the basket weaver."},
         {offset(Cat::D, "Basketry", "Ellen", 2)}},
        {{"* Of Garner and Fletcher, one is", "   Betty and the other took 2nd place."},
         {pairOf("Garner", "Fletcher", "Betty", "2nd Place")}},
        {{"* The quilter finished somewhere", "   ahead of Abbott, and the potter", "   exactly two places ahead of Garner."},
         {before(Cat::D, "Quilting", "Abbott"), offset(Cat::D, "Garner", "Pottery", 2)}},
        {{"* Agnes is either the basket weaver", "   or Pruitt."},
         {either("Agnes", "Basketry", "Pruitt")}},
        {{"* Carol did not make candles. Doris", "   finished exactly four places ahead",  "   of Hollis."},
         {differ("Carol", "Candles"), offset(Cat::D, "Hollis", "Doris", 4)}},
        {{"* The woman who placed 4th entered", "   either a quilt or a woodcarving."},
         {either("4th Place", "Quilting", "Woodcarving")}},
    };
    return p;
}

}  // namespace zentrivo
