#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle13() {
    PuzzleContent p;
    p.number = 13;
    p.itemsA = {"Alice", "Beth", "Donna", "Karen", "Linda"};
    p.rowHeadings = {"Brian",   "Carl",     "Dennis",   "Gary",     "Howard",
                     "Bahamas", "Hawaii",   "Ireland",  "Paris",    "Tokyo",
                     "March 3", "March 10", "March 17", "March 24", "March 31"};
    p.intro =
        "\r\nEvery Saturday night the TV game show \"Perfect Pairs\" invites a married couple "
        "to answer questions about each other, and the couple takes home a trip. In March the "
        "show aired on the five Saturdays, March 3, 10, 17, 24 and 31, with a different couple "
        "each week. Each couple won a different trip: to the Bahamas, Hawaii, Ireland, Paris "
        "or Tokyo. The five husbands are Brian, Carl, Dennis, Gary and Howard, and each is "
        "married to a different one of the five wives: Alice, Beth, Donna, Karen or Linda. Who "
        "is married to whom, on which date did each couple's show air, and which trip did each "
        "couple win?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The couple who won the trip to", "   Ireland appeared on the March 24",
          "   show, exactly one week after Beth", "   and her husband."},
         {same("March 24", "Ireland"), offset(Cat::D, "Beth", "Ireland", -1)}},
        {{"* Of Gary and Brian, one appeared on", "   the March 3 show and the other is",
          "   Linda's husband. The Tokyo trip was", "   won by either Linda or Beth."},
         {pairOf("Gary", "Brian", "March 3", "Linda"), either("Tokyo", "Linda", "Beth")}},
        {{"* The Bahamas winners appeared", "   exactly one week after Carl and his", "   wife."},
         {offset(Cat::D, "Bahamas", "Carl", 1)}},
        {{"* Donna and her husband won the trip", "   to Hawaii."}, {same("Hawaii", "Donna")}},
        {{"* Carl and his wife appeared on the", "   March 10 show. Karen is not Carl's",
          "   wife, and neither couple won the", "   trip to Paris."},
         {same("March 10", "Carl"), allDifferent({"Carl", "Paris", "Karen"})},
         {ruledOut("Karen and her husband taken as Carl and his wife, who with the Paris "
                   "winners make two different couples",
                   {same("March 10", "Carl"), same("Carl", "Karen"), differ("Carl", "Paris")},
                   "the clue says Karen is not Carl's wife")}},
        {{"* Dennis and his wife appeared exactly", "   one week before or after Gary and",
          "   his wife."},
         {nextTo(Cat::D, "Dennis", "Gary")}},
    };
    return p;
}

}  // namespace zentrivo
