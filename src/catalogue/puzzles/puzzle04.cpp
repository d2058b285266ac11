#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle04() {
    PuzzleContent p;
    p.number = 4;
    p.itemsA = {"Albany", "Boise", "Dayton", "Reno", "Tulsa"};
    p.rowHeadings = {"Dora",  "Felix",       "Gwen",    "Howard", "Nina",
                     "$500",  "$1,000",      "$2,500",  "$5,000", "$10,000",
                     "Bingo", "Inheritance", "Lottery", "Raffle", "Scratch Card"};
    p.intro =
        "\r\nLast year brought good luck to five old college roommates, Dora, Felix, Gwen, "
        "Howard and Nina, who now live in five different cities. Each of them received an "
        "unexpected windfall from a different source (bingo, an inheritance, the lottery, a "
        "raffle or a scratch card), and no two of them received the same amount: the sums "
        "were $500, $1,000, $2,500, $5,000 and $10,000. The cities where the friends live are "
        "Albany, Boise, Dayton, Reno and Tulsa, one friend to a city. In which city does each "
        "friend live, where did each windfall come from, and how much did each friend "
        "receive?";
    p.clues = {
        {{"* The bingo winner was either Nina or", "   Dora. The bingo winner took home",
          "   more money than the friend who won", "   the raffle did."},
         {either("Bingo", "Nina", "Dora"), before(Cat::C, "Raffle", "Bingo")},
         {ruledOut("\"that person\" taken as Dora",
                   {either("Bingo", "Nina", "Dora"), before(Cat::C, "Raffle", "Dora")},
                   "no pronoun: the second sentence names the bingo winner")}},
        {{"* Four different friends: one is", "   Howard, one received $10,000, one",
          "   won the raffle, and one lives in", "   Boise."},
         {allDifferent({"Howard", "$10,000", "Raffle", "Boise"})},
         {ruledOut("Howard taken as the friend who received $10,000",
                   {same("Howard", "$10,000"), allDifferent({"Howard", "Raffle", "Boise"})},
                   "\"four different friends\" comes first, and each is introduced by "
                   "\"one\"")}},
        {{"* The friend who lives in Tulsa", "   received $2,500. Felix received",
          "   more money than the friend who", "   lives in Tulsa."},
         {same("Tulsa", "$2,500"), before(Cat::C, "Tulsa", "Felix")},
         {ruledOut("\"that sum\" taken as Felix's: Felix received $10,000 or $2,500",
                   {either("Felix", "$10,000", "$2,500"), before(Cat::C, "Tulsa", "Felix")},
                   "Tulsa's sum is stated on its own, and Felix's is only compared with it")}},
        {{"* Nina's windfall came either from a", "   scratch card or from bingo. Nina",
          "   got less than the raffle winner."},
         {either("Nina", "Scratch Card", "Bingo"), before(Cat::C, "Nina", "Raffle")},
         {ruledOut("\"it\" taken as the bingo prize: bingo paid less than the raffle",
                   {either("Nina", "Scratch Card", "Bingo"), before(Cat::C, "Bingo", "Raffle")},
                   "no pronoun: the second sentence names Nina")}},
        {{"* Of the lottery winner and the", "   raffle winner, one is Howard and",
          "   the other is the friend who lives", "   in Dayton."},
         {pairOf("Lottery", "Raffle", "Howard", "Dayton")}},
        {{"* Of Felix and Howard, one is the", "   friend who received an inheritance,",
          "   and the other is the one who lives", "   in Reno."},
         {pairOf("Felix", "Howard", "Inheritance", "Reno")}},
    };
    return p;
}

}  // namespace zentrivo
