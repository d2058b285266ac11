#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle04() {
    PuzzleContent p;
    p.number = 4;
    p.itemsA = {"Albany", "Boise", "Dayton", "Reno", "Tulsa"};
    p.rowHeadings = {"Dora", "Felix", "Gwen", "Howard", "Nina",
                     "$500", "$1,000", "$2,500", "$5,000", "$10,000",
                     "Bingo", "Inheritance", "Lottery", "Raffle", "Scratch Card"};
    p.intro =
        "\r\nLast year brought good luck to five old college roommates who now live in five "
        "different cities: Albany, Boise, Dayton, Reno and Tulsa. Dora, Felix, Gwen, Howard "
        "and Nina each received an unexpected windfall from a different source (bingo, an "
        "inheritance, the lottery, a raffle or a scratch card), and no two of them received "
        "the same amount: the sums were $500, $1,000, $2,500, $5,000 and $10,000. In which "
        "city does each friend live, where did each windfall come from, and how much did "
        "each friend receive?";
    p.clues = {
        {{"* The bingo winner was either Nina or",
          "   Dora. That person took home more",
          "   money than the friend who won the",
          "   raffle did."},
         {either("Bingo", "Nina", "Dora"), before(Cat::C, "Raffle", "Bingo")}},
        {{"* Howard, the friend who received",
          "   $10,000, the raffle winner and the",
          "   friend who lives in Boise are four",
          "   different people."},
         {allDifferent({"Howard", "$10,000", "Raffle", "Boise"})}},
        {{"* The friend who lives in Tulsa",
          "   received less money than Felix",
          "   did, and that sum was either",
          "   $10,000 or $2,500."},
         {either("Tulsa", "$10,000", "$2,500"), before(Cat::C, "Tulsa", "Felix")}},
        {{"* Nina's windfall came either from a",
          "   scratch card or from bingo, and it",
          "   was smaller than the raffle prize."},
         {either("Nina", "Scratch Card", "Bingo"), before(Cat::C, "Nina", "Raffle")}},
        {{"* Of the lottery winner and the",
          "   raffle winner, one is Howard and",
          "   the other is the friend who lives",
          "   in Dayton."},
         {pairOf("Lottery", "Raffle", "Howard", "Dayton")}},
        {{"* Of Felix and Howard, one is the",
          "   friend who received an inheritance,",
          "   and the other is the one who lives",
          "   in Reno."},
         {pairOf("Felix", "Howard", "Inheritance", "Reno")}},
    };
    return p;
}

}  // namespace zentrivo
