#include "catalogue/catalogue.h"

#include <vector>

namespace zentrivo {

namespace {

struct FixedRow {
    const char *title;
    const char *menuName;  // differs from the title for one puzzle only
    int menuLength;
    std::array<const char *, 4> headings;  // B, A, D, C
    int clues;
    int lines;
    std::array<KeyTriple, 5> key;
};

// Titles, menu captions, category headings, clue and line counts and the
// answer keys of the 25 puzzles.
const FixedRow kRows[kPuzzleCount] = {
    {"Conferences",
     nullptr,
     32,
     {"Floor", "Room", "Attendee", "Time"},
     7,
     27,
     {{{5, 5, 5}, {4, 2, 3}, {1, 3, 2}, {2, 1, 4}, {3, 4, 1}}}},
    {"Babysitting",
     nullptr,
     33,
     {"Name", "Snack", "TV Show", "Room"},
     6,
     28,
     {{{3, 2, 5}, {4, 4, 1}, {1, 3, 3}, {5, 1, 2}, {2, 5, 4}}}},
    {"Music Lessons",
     nullptr,
     30,
     {"Weekday", "Street", "Student", "Instrument"},
     6,
     25,
     {{{3, 2, 3}, {2, 4, 5}, {1, 5, 1}, {5, 3, 2}, {4, 1, 4}}}},
    {"Windfall",
     nullptr,
     36,
     {"Winner", "Location", "Source", "Winning"},
     6,
     28,
     {{{2, 5, 2}, {5, 1, 5}, {3, 2, 4}, {4, 4, 3}, {1, 3, 1}}}},
    {"Criminals",
     nullptr,
     36,
     {"1st Name", "Surname", "Crime", "City"},
     6,
     26,
     {{{4, 4, 2}, {3, 1, 1}, {1, 5, 5}, {2, 3, 3}, {5, 2, 4}}}},
    {"Speeders",
     nullptr,
     34,
     {"Name", "Vehicle", "Speed", "Street"},
     6,
     28,
     {{{2, 2, 2}, {1, 5, 5}, {5, 3, 4}, {4, 4, 3}, {3, 1, 1}}}},
    {"Annual May Day",
     nullptr,
     29,
     {"1st Name", "Surname", "Placed", "Craft"},
     6,
     27,
     {{{5, 2, 3}, {3, 3, 2}, {2, 5, 4}, {1, 1, 5}, {4, 4, 1}}}},
    {"Service Retirees",
     nullptr,
     31,
     {"1st Name", "Surname", "Branch", "Years"},
     8,
     26,
     {{{1, 1, 5}, {2, 2, 1}, {5, 4, 2}, {3, 5, 4}, {4, 3, 3}}}},
    {"Book Promotion",
     nullptr,
     30,
     {"Day", "TV Show", "TV Host", "Location"},
     6,
     27,
     {{{5, 2, 2}, {1, 4, 4}, {3, 5, 1}, {4, 1, 5}, {2, 3, 3}}}},
    {"Girls Night Out",
     nullptr,
     32,
     {"Name", "Age", "Hair Type", "Drink"},
     6,
     27,
     {{{5, 5, 5}, {2, 3, 3}, {4, 1, 4}, {1, 4, 1}, {3, 2, 2}}}},
    {"Community Service",
     nullptr,
     27,
     {"Name", "Charge", "Placement", "Sentence"},
     7,
     28,
     {{{3, 2, 3}, {1, 1, 1}, {2, 5, 2}, {4, 4, 4}, {5, 3, 5}}}},
    {"Yachts",
     nullptr,
     35,
     {"Yacht", "Length", "Owner", "Career"},
     6,
     25,
     {{{5, 1, 3}, {1, 4, 4}, {4, 3, 1}, {3, 5, 2}, {2, 2, 5}}}},
    {"Game Show",
     nullptr,
     29,
     {"Husband", "Wife", "Air Date", "Trip Won"},
     6,
     26,
     {{{1, 4, 1}, {5, 1, 3}, {2, 2, 2}, {3, 3, 4}, {4, 5, 5}}}},
    {"Airport Arrivals",
     nullptr,
     33,
     {"Time", "Arrived", "Destination", "Airline"},
     6,
     27,
     {{{3, 2, 2}, {2, 4, 4}, {5, 3, 3}, {4, 5, 1}, {1, 1, 5}}}},
    {"Foreign Languages",
     nullptr,
     26,
     {"Name", "Profession", "Age", "Language"},
     7,
     26,
     {{{3, 5, 4}, {4, 3, 2}, {2, 4, 1}, {1, 2, 5}, {5, 1, 3}}}},
    {"Pen Pals",
     nullptr,
     34,
     {"Day", "Pen Pal", "Location", "Topic"},
     6,
     28,
     {{{5, 1, 2}, {1, 5, 3}, {4, 3, 5}, {3, 2, 4}, {2, 4, 1}}}},
    {"Science Fair",
     nullptr,
     32,
     {"Placement", "Student", "Project", "City"},
     6,
     27,
     {{{5, 4, 2}, {3, 5, 3}, {1, 2, 4}, {4, 3, 1}, {2, 1, 5}}}},
    {"Reporters",
     nullptr,
     33,
     {"Reporter", "City", "Newspaper", "Topic"},
     6,
     26,
     {{{5, 4, 1}, {1, 3, 5}, {4, 5, 4}, {2, 1, 2}, {3, 2, 3}}}},
    {"Doctors without Borders",
     "Doctors w/o Borders",
     25,
     {"1st Name", "Surname", "Order Left", "Location"},
     6,
     25,
     {{{3, 1, 3}, {1, 3, 5}, {4, 2, 4}, {2, 5, 1}, {5, 4, 2}}}},
    {"New IT Graduates",
     nullptr,
     27,
     {"1st Name", "Surname", "Company", "Position"},
     6,
     26,
     {{{4, 5, 3}, {1, 3, 4}, {5, 4, 1}, {2, 2, 2}, {3, 1, 5}}}},
    {"Soap Opera",
     nullptr,
     31,
     {"Character", "Role", "End Date", "Method"},
     6,
     28,
     {{{1, 1, 2}, {3, 5, 3}, {5, 2, 5}, {4, 3, 4}, {2, 4, 1}}}},
    {"Ask the Experts",
     nullptr,
     30,
     {"1st Name", "Surname", "Topic", "Order"},
     6,
     26,
     {{{4, 4, 4}, {2, 2, 5}, {3, 1, 3}, {5, 3, 1}, {1, 5, 2}}}},
    {"Home Remodeling",
     nullptr,
     26,
     {"Task #", "Room", "Color", "Accessory"},
     6,
     27,
     {{{3, 3, 1}, {1, 4, 3}, {2, 5, 5}, {4, 1, 4}, {5, 2, 2}}}},
    {"Mom vs. Child",
     nullptr,
     31,
     {"Name", "Hoped For", "Moved To", "Career"},
     6,
     28,
     {{{3, 4, 1}, {2, 2, 2}, {1, 1, 4}, {5, 5, 3}, {4, 3, 5}}}},
    {"Affluent Neighbors",
     nullptr,
     29,
     {"Unit #", "Husband", "Profession", "Wife"},
     6,
     25,
     {{{3, 3, 1}, {5, 1, 2}, {4, 2, 3}, {1, 5, 5}, {2, 4, 4}}}},
};

std::string menuTitleOf(int n) {
    const FixedRow &row = kRows[n - 1];
    return "#" + std::to_string(n) + " - " + (row.menuName ? row.menuName : row.title);
}

std::vector<PuzzleRecord> buildRecords() {
    std::vector<PuzzleRecord> records;
    records.reserve(kPuzzleCount);
    for (int n = 1; n <= kPuzzleCount; ++n) {
        const FixedRow &row = kRows[n - 1];
        PuzzleRecord r;
        const std::string num = std::to_string(n);
        r.number = n;
        r.title = row.title;
        r.menuTitle = menuTitleOf(n);
        r.menuCaptionLength = row.menuLength;
        r.boardCaption = "Zentrivo 2.0 - #" + num + " - " + r.title;
        r.introButton = "Problem #" + num + " &Intro";
        r.introCaption = "Intro to Logic Problem #" + num + " - " + r.title;
        r.fillInTitle = "Logic Problem #" + num + " - " + r.title;
        for (int i = 0; i < 4; ++i) r.headings[i] = row.headings[i];
        r.clueCount = row.clues;
        r.lineCount = row.lines;
        r.cluesSeparator = (n == 7 || n == 10) ? 2 : (n == 2 ? 0 : 1);
        r.key = row.key;
        r.headingPicture = std::string("QRX-Images/Puz") + (n < 10 ? "0" : "") + num + ".gif";
        r.content = puzzleContent(n);
        records.push_back(std::move(r));
    }
    return records;
}

}  // namespace

std::string PuzzleRecord::clueText() const {
    std::string text;
    bool first = true;
    auto addLine = [&](const std::string &line) {
        if (!first) text += "\r\n";
        text += line;
        first = false;
    };
    if (content.leadingEmptyLine) addLine("");
    for (size_t i = 0; i < content.clues.size(); ++i) {
        if (i > 0)
            for (int s = 0; s < cluesSeparator; ++s) addLine("");
        for (const std::string &line : content.clues[i].lines) addLine(line);
    }
    return text;
}

std::string PuzzleRecord::headingPictureFile() const {
    return headingPicture.substr(headingPicture.find_last_of('/') + 1);
}

std::string PuzzleRecord::menuCaption() const { return zentrivo::menuCaption(number); }

std::string menuCaption(int n) {
    if (n < 1 || n > kPuzzleCount) return {};
    std::string caption = menuTitleOf(n);
    const size_t length = static_cast<size_t>(kRows[n - 1].menuLength);
    if (caption.size() < length) caption.append(length - caption.size(), ' ');
    return caption;
}

const PuzzleRecord *findPuzzle(int n) {
    static const std::vector<PuzzleRecord> records = buildRecords();
    if (n < 1 || n > kPuzzleCount) return nullptr;
    return &records[n - 1];
}

}  // namespace zentrivo
