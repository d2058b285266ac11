#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle06() {
    PuzzleContent p;
    p.number = 6;
    p.itemsA = {"Convertible", "Motorcycle", "Pickup Truck", "Sedan", "Minivan"};
    p.rowHeadings = {"Harold",     "Ingrid",      "Jerome",    "Kayla",      "Lionel",
                     "Elm Street", "Harbor Road", "Mill Lane", "Oak Avenue", "Bay Drive",
                     "35 mph",     "40 mph",      "45 mph",    "50 mph",     "55 mph"};
    p.intro =
        "\r\nOfficer Dana Whitlock of the Brookfield police spent a quiet Sunday "
        "afternoon with her radar gun and still wrote five speeding tickets, each to a "
        "different driver on a different street of the town's 25 mph zone. The drivers were "
        "Harold, Ingrid, Jerome, Kayla and Lionel. No two of them were clocked at the same "
        "speed: the readings were 35, 40, 45, 50 and 55 mph. Each drove a different kind of "
        "vehicle: one a convertible, one a motorcycle, one a pickup truck, one a sedan and "
        "one a minivan. Who drove which vehicle, on which street were they stopped, and "
        "how fast was each of them going?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The motorcycle was clocked at", "   exactly 10 mph more than Kayla's",
          "   vehicle. Kayla was not the driver", "   stopped on Elm Street."},
         {offset(Cat::D, "Motorcycle", "Kayla", 2), differ("Kayla", "Elm Street")}},
        {{"* Of Ingrid and Lionel, one was", "   behind the wheel of the convertible",
          "   and the other was pulled over on", "   Mill Lane."},
         {pairOf("Ingrid", "Lionel", "Convertible", "Mill Lane")}},
        {{"* The minivan was stopped on", "   Elm Street and was going exactly",
          "   10 mph slower than the sedan."},
         {same("Minivan", "Elm Street"), offset(Cat::D, "Sedan", "Minivan", 2)}},
        {{"* Harold was not driving the", "   minivan. He was pulled over on",
          "   either Bay Drive or Oak Avenue."},
         {differ("Harold", "Minivan"), either("Harold", "Bay Drive", "Oak Avenue")}},
        {{"* The driver on Harbor Road was going", "   exactly 5 mph faster than the one",
          "   on Elm Street. The pickup truck was", "   going faster than both of them."},
         {offset(Cat::D, "Harbor Road", "Elm Street", 1),
          before(Cat::D, "Harbor Road", "Pickup Truck")},
         {ruledOut("\"exactly 5 mph\" carried over to the pickup truck",
                   {offset(Cat::D, "Harbor Road", "Elm Street", 1),
                    offset(Cat::D, "Pickup Truck", "Harbor Road", 1)},
                   "the pickup truck is compared in a sentence of its own, with no distance")}},
        {{"* Of the drivers clocked at 40 mph", "   and at 55 mph, one was Ingrid and",
          "   the other was stopped on", "   Bay Drive."},
         {pairOf("40 mph", "55 mph", "Ingrid", "Bay Drive")}},
    };
    return p;
}

}  // namespace zentrivo
