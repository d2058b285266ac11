#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle20() {
    PuzzleContent p;
    p.number = 20;
    p.itemsA = {"Brennan", "Delgado", "Foster", "Kim", "Lawson"};
    p.rowHeadings = {"Aaron",        "Bianca",    "Derek",     "Kayla",    "Nathan",
                     "Data Analyst", "Developer", "Help Desk", "Sysadmin", "Webmaster",
                     "Bytewell",     "Cloudmere", "Datanova",  "Logicore", "Pixelfort"};
    p.intro =
        "\r\nFive friends, Aaron, Bianca, Derek, Kayla and Nathan, finished their degrees "
        "in information technology together this spring, and each one landed a first "
        "job at a different company in town: Bytewell, Cloudmere, Datanova, Logicore or "
        "Pixelfort. Each was hired for a different position: data analyst, developer, help "
        "desk technician, system administrator or webmaster. No two share a surname; theirs "
        "are Brennan, Delgado, Foster, Kim and Lawson, in no particular order. What is each "
        "graduate's full name, which company hired each one, and in what position?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* Aaron is not the webmaster, and his", "   surname is not Kim. Neither Aaron",
          "   nor the graduate surnamed Kim works", "   for Pixelfort."},
         {differ("Aaron", "Webmaster"), differ("Aaron", "Kim"), differ("Aaron", "Pixelfort"),
          differ("Kim", "Pixelfort")},
         {ruledOut("'Aaron, Kim' taken as Aaron Kim, one person besides the Pixelfort graduate "
                   "and the webmaster",
                   {same("Aaron", "Kim"), allDifferent({"Aaron", "Pixelfort", "Webmaster"})},
                   "the clue says Aaron's surname is not Kim")}},
        {{"* Of Kayla and Derek, one took a job", "   at Datanova and the other works as",
          "   a data analyst."},
         {pairOf("Kayla", "Derek", "Datanova", "Data Analyst")}},
        {{"* The graduate hired by Cloudmere", "   works there as a developer. The",
          "   graduate surnamed Kim works for", "   either Cloudmere or Pixelfort."},
         {same("Developer", "Cloudmere"), either("Kim", "Cloudmere", "Pixelfort")}},
        {{"* Of the help desk technician and", "   the webmaster, one is Delgado and",
          "   the other is Kayla."},
         {pairOf("Help Desk", "Webmaster", "Delgado", "Kayla")}},
        {{"* Nathan's surname is either Foster", "   or Lawson, and Lawson is either the",
          "   data analyst or the developer."},
         {either("Nathan", "Foster", "Lawson"), either("Lawson", "Data Analyst", "Developer")}},
        {{"* Aaron was not hired by Bytewell,", "   and the system administrator does",
          "   not work for Pixelfort."},
         {differ("Aaron", "Bytewell"), differ("Sysadmin", "Pixelfort")}},
    };
    return p;
}

}  // namespace zentrivo
