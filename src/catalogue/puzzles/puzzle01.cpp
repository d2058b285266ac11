#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle01() {
    PuzzleContent p;
    p.number = 1;
    p.itemsA = {"Ballroom", "Boardroom", "Gallery", "Library", "Terrace Room"};
    p.rowHeadings = {"1st Floor", "2nd Floor", "3rd Floor", "4th Floor",   "5th Floor",
                     "8:00 a.m.", "8:30 a.m.", "9:00 a.m.", "9:30 a.m.",   "10:00 a.m.",
                     "Nurses",    "Teachers",  "Writers",   "Bus Drivers", "Chefs"};
    p.intro =
        "\r\nThe Grand Meridian Hotel hosted five professional conferences on one busy "
        "Saturday morning in June. Each group had a room to itself on a different floor of the "
        "hotel, and each began its meeting at a different time, half an hour apart, "
        "between 8:00 and 10:00 a.m. The nurses, teachers, writers, bus drivers and chefs "
        "each met in one of the Ballroom, the Boardroom, the Gallery, the Library and the "
        "Terrace Room. Which group met in each room,\r\non which floor, and at what time?";
    p.clues = {
        {{"* The chefs' meeting began exactly 30", "   minutes after the nurses' meeting.",
          "   The nurses met exactly one floor", "   above the bus drivers."},
         {offset(Cat::C, "Chefs", "Nurses", 1), offset(Cat::B, "Nurses", "Bus Drivers", 1)},
         {ruledOut(
             "\"which\" taken as the chefs' meeting: the chefs one floor above the bus "
             "drivers",
             {offset(Cat::C, "Chefs", "Nurses", 1), offset(Cat::B, "Chefs", "Bus Drivers", 1)},
             "no relative word: the floor is stated in a sentence of its own about the "
             "nurses")}},
        {{"* The teachers met in the Gallery,", "   which was on a lower floor than",
          "   the writers' meeting."},
         {same("Teachers", "Gallery"), before(Cat::B, "Teachers", "Writers")}},
        {{"* The 8:30 a.m. meeting was exactly", "   two floors above the 8:00 a.m. one."},
         {offset(Cat::B, "8:30 a.m.", "8:00 a.m.", 2)},
         {ruledOut("\"two floors above\" taken as at least two floors above",
                   {atLeastLater(Cat::B, "8:30 a.m.", "8:00 a.m.", 2)}, "\"exactly two floors\"")}},
        {{"* Of the Boardroom and the Ballroom,", "   one hosted the writers and the",
          "   other was on the 5th floor."},
         {pairOf("Boardroom", "Ballroom", "Writers", "5th Floor")}},
        {{"* The nurses' meeting began later", "   than 8:30 a.m."},
         {before(Cat::C, "8:30 a.m.", "Nurses")}},
        {{"* The Terrace Room meeting started", "   later than the 9:00 a.m. meeting",
          "   but earlier than the one in the", "   Ballroom."},
         {before(Cat::C, "9:00 a.m.", "Terrace Room"), before(Cat::C, "Terrace Room", "Ballroom")}},
        {{"* Of the meetings on the 1st and 3rd", "   floors, one was the teachers' and",
          "   the other was in the Terrace Room."},
         {pairOf("1st Floor", "3rd Floor", "Teachers", "Terrace Room")}},
    };
    return p;
}

}  // namespace zentrivo
