#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle23() {
    PuzzleContent p;
    p.number = 23;
    p.itemsA = {"Kitchen", "Bathroom", "Den", "Nursery", "Bedroom"};
    p.rowHeadings = {"Task #1",     "Task #2",    "Task #3",  "Task #4",  "Task #5",
                     "Ceiling Fan", "Mirror",     "Area Rug", "Curtains", "Shelves",
                     "Beige",       "Sage Green", "Sky Blue", "Lavender", "Yellow"};
    p.intro =
        "\r\nThis year the Morgans finally remodeled five rooms of their old farmhouse: "
        "the kitchen, the bathroom, the den, the nursery and the bedroom. They took the "
        "rooms one at a time, in an order of their own choosing, as tasks #1 to #5. Each "
        "room was painted a different color: beige, sage green, sky blue, lavender or "
        "yellow. Each was also finished with a different new accessory: a ceiling fan, a "
        "mirror, an area rug, curtains or shelves. In what order were the rooms done, and "
        "what color and accessory did each one get?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* The room done as task #3 was", "   painted either yellow or beige."},
         {either("Task #3", "Yellow", "Beige")}},
        {{"* The bedroom came exactly three", "   tasks after the room that got the",
          "   shelves. Of the rooms with the", "   area rug and the shelves, one was",
          "   the kitchen and the other was", "   painted yellow."},
         {offset(Cat::B, "Bedroom", "Shelves", 3),
          pairOf("Area Rug", "Shelves", "Kitchen", "Yellow")},
         {misreading("'one ... the other' taken in the order named: the area rug in the kitchen, "
                     "the shelves in the yellow room",
                     {offset(Cat::B, "Bedroom", "Shelves", 3), same("Area Rug", "Kitchen"),
                      same("Shelves", "Yellow")})}},
        {{"* The curtains were hung exactly", "   three tasks before the ceiling fan",
          "   was put up."},
         {offset(Cat::B, "Curtains", "Ceiling Fan", -3)}},
        {{"* The bedroom was the last room done,", "   as task #5."}, {same("Bedroom", "Task #5")}},
        {{"* The nursery was painted either", "   lavender or yellow. The lavender",
          "   room came exactly two tasks after", "   the den."},
         {either("Nursery", "Lavender", "Yellow"), offset(Cat::B, "Lavender", "Den", 2)}},
        {{"* The beige room got either the area", "   rug or the shelves. The shelves",
          "   went into a room done earlier than", "   the sage green one."},
         {either("Beige", "Area Rug", "Shelves"), before(Cat::B, "Shelves", "Sage Green")}},
    };
    return p;
}

}  // namespace zentrivo
