#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle14() {
    PuzzleContent p;
    p.number = 14;
    p.itemsA = {"Atlanta", "Dallas", "Houston", "Phoenix", "Toronto"};
    p.rowHeadings = {"10:00 a.m.", "10:20 a.m.", "10:40 a.m.", "11:00 a.m.", "11:20 a.m.",
                     "Alpine Air", "Coastline",  "Eastwind",   "Polar Air",  "Sunbird",
                     "Boston",     "Chicago",    "Denver",     "Miami",      "Seattle"};
    p.intro =
        "\r\nTessa Morgan works the transfer desk at Lakeview International Airport. One "
        "Monday morning five connecting passengers stopped at her desk. They had landed 20 "
        "minutes apart, from 10:00 to 11:20 a.m. Each had flown in from a different city, "
        "Atlanta, Dallas, Houston, Phoenix or Toronto, on a different airline. The airlines "
        "were Alpine Air, Coastline, Eastwind, Polar Air and Sunbird. Each passenger was "
        "flying on to a different destination: Boston, Chicago, Denver, Miami or Seattle. "
        "Where did each passenger arrive from, at what time, on which airline, and where was "
        "each going?";
    p.clues = {
        {{"* The passenger from Houston landed", "   exactly 20 minutes after the one",
          "   bound for Boston. The Eastwind", "   passenger was either from Houston",
          "   or bound for Seattle, but not both."},
         {offset(Cat::B, "Boston", "Houston", -1),
          eitherButNotBoth("Eastwind", "Houston", "Seattle")},
         {misreading("'either ... or' taken as inclusive: the Eastwind passenger may be the one "
                     "from Houston bound for Seattle",
                     {offset(Cat::B, "Boston", "Houston", -1),
                      eitherOrBoth("Eastwind", "Houston", "Seattle")}),
          ruledOut("the 20 minutes after the Boston passenger taken as the Seattle passenger's",
                   {offset(Cat::B, "Boston", "Seattle", -1),
                    eitherButNotBoth("Eastwind", "Houston", "Seattle")},
                   "the clue names the Houston passenger as the one who landed after the "
                   "Boston passenger")}},
        {{"* The Phoenix passenger landed exactly", "   20 minutes before or after the one",
          "   bound for Denver. The Denver-bound,", "   Polar Air and Toronto passengers",
          "   were three different people."},
         {nextTo(Cat::B, "Phoenix", "Denver"), allDifferent({"Denver", "Polar Air", "Toronto"})},
         {ruledOut("the 20 minutes taken as at least 20 minutes",
                   {atLeastApart(Cat::B, "Phoenix", "Denver", 1),
                    allDifferent({"Denver", "Polar Air", "Toronto"})},
                   "the clue says exactly 20 minutes")}},
        {{"* The passenger bound for Denver", "   landed exactly 40 minutes after the",
          "   one from Atlanta. Of the Denver and", "   Miami passengers, one flew Eastwind",
          "   and the other flew Polar Air."},
         {offset(Cat::B, "Denver", "Atlanta", 2),
          pairOf("Denver", "Miami", "Eastwind", "Polar Air")}},
        {{"* The Coastline flight landed earlier", "   than the 11:00 a.m. arrival."},
         {before(Cat::B, "Coastline", "11:00 a.m.")}},
        {{"* The Coastline passenger was headed", "   for Chicago."},
         {same("Coastline", "Chicago")}},
        {{"* The Alpine Air flight landed at", "   10:00 a.m., exactly 20 minutes",
          "   before the Polar Air flight."},
         {same("Alpine Air", "10:00 a.m."), offset(Cat::B, "Polar Air", "Alpine Air", 1)}},
    };
    return p;
}

}  // namespace zentrivo
