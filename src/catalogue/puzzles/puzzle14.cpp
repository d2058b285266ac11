#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle14() {
    PuzzleContent p;
    p.number = 14;
    p.itemsA = {"Atlanta", "Dallas", "Houston", "Phoenix", "Toronto"};
    p.rowHeadings = {"10:00 a.m.", "10:20 a.m.", "10:40 a.m.", "11:00 a.m.", "11:20 a.m.",
                     "Alpine Air", "Coastline", "Eastwind", "Polar Air", "Sunbird",
                     "Boston", "Chicago", "Denver", "Miami", "Seattle"};
    p.intro =
        "\r\nTessa Morgan works the transfer desk at Lakeview International Airport. One "
        "Monday morning five connecting passengers stopped at her desk. Each had landed at a "
        "different time, 20 minutes apart, between 10:00 and 11:20 a.m., having arrived from "
        "a different city (Atlanta, Dallas, Houston, Phoenix or Toronto) on a different "
        "airline (Alpine Air, Coastline, Eastwind, Polar Air or Sunbird), and each was flying "
        "on to a different destination: Boston, Chicago, Denver, Miami or Seattle. Where did "
        "each passenger arrive from, at what time, on which airline, and where was each going?";
    p.clues = {
        {{"* The Eastwind flight carried either",
          "   the passenger bound for Seattle or",
          "   the one from Houston, who landed",
          "   exactly 20 minutes after the one",
          "   bound for Boston."},
         {either("Eastwind", "Seattle", "Houston"), offset(Cat::B, "Boston", "Houston", -1)}},
        {{"* The passenger from Phoenix landed",
          "   20 minutes before or after the one",
          "   bound for Denver. The Denver-bound,",
          "   Polar Air and Toronto passengers",
          "   were three different people."},
         {nextTo(Cat::B, "Phoenix", "Denver"), allDifferent({"Denver", "Polar Air", "Toronto"})}},
        {{"* The passenger bound for Denver",
          "   landed exactly 40 minutes after the",
          "   one from Atlanta. Of the Denver and",
          "   Miami passengers, one flew Eastwind",
          "   and the other flew Polar Air."},
         {offset(Cat::B, "Denver", "Atlanta", 2), pairOf("Denver", "Miami", "Eastwind", "Polar Air")}},
        {{"* The Coastline flight landed earlier",
          "   than the 11:00 a.m. arrival."},
         {before(Cat::B, "Coastline", "11:00 a.m.")}},
        {{"* The Coastline passenger was headed",
          "   for Chicago."},
         {same("Coastline", "Chicago")}},
        {{"* The Alpine Air flight landed at",
          "   10:00 a.m., exactly 20 minutes",
          "   before the Polar Air flight."},
         {same("Alpine Air", "10:00 a.m."), offset(Cat::B, "Polar Air", "Alpine Air", 1)}},
    };
    return p;
}

}  // namespace zentrivo
