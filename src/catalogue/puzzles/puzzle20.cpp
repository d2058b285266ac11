#include "catalogue/puzzle.h"

namespace zentrivo {

PuzzleContent puzzle20() {
    PuzzleContent p;
    p.number = 20;
    p.itemsA = {"Brennan", "Delgado", "Foster", "Kim", "Lawson"};
    p.rowHeadings = {"Aaron", "Bianca", "Derek", "Kayla", "Nathan",
                     "Data Analyst", "Developer", "Help Desk", "Sysadmin", "Webmaster",
                     "Bytewell", "Cloudmere", "Datanova", "Logicore", "Pixelfort"};
    p.intro =
        "\r\nFive friends, Aaron, Bianca, Derek, Kayla and Nathan, finished their degrees "
        "in information technology together this spring, and each one landed a first "
        "job at a different company in town: Bytewell, Cloudmere, Datanova, Logicore or "
        "Pixelfort. Their surnames are Brennan, Delgado, Foster, Kim and Lawson, and "
        "each was hired for a different position: data analyst, developer, help desk "
        "technician, system administrator or webmaster. What is each graduate's full "
        "name, which company hired each one, and in what position?";
    p.leadingEmptyLine = true;
    p.clues = {
        {{"* Aaron, Kim, the graduate hired by",
          "   Pixelfort and the new webmaster",
          "   are four different people."},
         {allDifferent({"Aaron", "Kim", "Pixelfort", "Webmaster"})}},
        {{"* Of Kayla and Derek, one took a job",
          "   at Datanova and the other works as",
          "   a data analyst."},
         {pairOf("Kayla", "Derek", "Datanova", "Data Analyst")}},
        {{"* The graduate hired by Cloudmere",
          "   works there as a developer. Kim",
          "   went to work for either Cloudmere",
          "   or Pixelfort."},
         {same("Developer", "Cloudmere"), either("Kim", "Cloudmere", "Pixelfort")}},
        {{"* Of the help desk technician and",
          "   the webmaster, one is Delgado and",
          "   the other is Kayla."},
         {pairOf("Help Desk", "Webmaster", "Delgado", "Kayla")}},
        {{"* Nathan's surname is either Foster",
          "   or Lawson. The graduate surnamed",
          "   Lawson is either the data analyst",
          "   or the developer."},
         {either("Nathan", "Foster", "Lawson"), either("Lawson", "Data Analyst", "Developer")}},
        {{"* Aaron was not hired by Bytewell,",
          "   and the system administrator does",
          "   not work for Pixelfort."},
         {differ("Aaron", "Bytewell"), differ("Sysadmin", "Pixelfort")}},
    };
    return p;
}

}  // namespace zentrivo
