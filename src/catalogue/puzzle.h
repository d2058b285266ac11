// Content of one built-in puzzle: its story, row headings, the items of the
// category that appears only in the heading picture, and its clues. Each clue
// carries its prose (as laid out on the board) and the facts that the prose
// states, in a form the checker can reason with.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace zentrivo {

// The four categories of a puzzle. A runs along columns 01-05 of the board,
// B down rows 01-05, C down rows 06-10 (and columns 11-15), D down rows 11-15
// (and columns 06-10).
enum class Cat { A = 0, B = 1, C = 2, D = 3 };

struct Fact {
    enum class Kind {
        Same,          // items[0] and items[1] belong together
        Differ,        // items[0] and items[1] do not belong together
        Either,        // items[0] goes with exactly one of items[1], items[2]
        Before,        // in category `order`, items[0] comes earlier than items[1]
        Offset,        // in category `order`, position(items[0]) = position(items[1]) + k
        NextTo,        // in category `order`, items[0] and items[1] are one step apart
        PairOf,        // of items[0] and items[1], one is items[2] and the other items[3]
        AllDifferent,  // no two of the items belong together
        EitherOrBoth,  // items[0] goes with items[1], items[2] or both (an inclusive "or")
        AtLeastLater,  // in category `order`, position(items[0]) >= position(items[1]) + k
        AtLeastApart   // in category `order`, items[0] and items[1] are k or more steps apart
    };
    Kind kind = Kind::Same;
    std::vector<std::string> items;
    Cat order = Cat::A;
    int k = 0;
    // Either only: the prose says "but not both", so its inclusive reading is not tried.
    bool butNotBoth = false;
};

// Readable constructors for clue facts. Items are named exactly as they are
// stored (row headings with doubled ampersands, items of A as listed).
Fact same(const std::string &x, const std::string &y);
Fact differ(const std::string &x, const std::string &y);
Fact either(const std::string &x, const std::string &y, const std::string &z);
Fact before(Cat order, const std::string &x, const std::string &y);
Fact offset(Cat order, const std::string &x, const std::string &y, int k);
Fact nextTo(Cat order, const std::string &x, const std::string &y);
Fact pairOf(const std::string &x, const std::string &y, const std::string &z, const std::string &w);
Fact allDifferent(std::initializer_list<std::string> items);
// Mostly for misreadings: the inclusive "or", and distances read as "at least".
Fact eitherOrBoth(const std::string &x, const std::string &y, const std::string &z);
Fact atLeastLater(Cat order, const std::string &x, const std::string &y, int k);
Fact atLeastApart(Cat order, const std::string &x, const std::string &y, int k);
// Either whose prose says "but not both" (or is otherwise worded so that both cannot hold).
Fact eitherButNotBoth(const std::string &x, const std::string &y, const std::string &z);

// A reading of a clue that a careful player could take instead of the intended one.
struct Misreading {
    std::string reading;      // the other reading, in words ("'which' taken as the chefs' meeting")
    std::vector<Fact> facts;  // the clue's facts under that reading; they replace the clue's facts
    // Empty: the puzzle must keep exactly one solution, the key's, under this reading.
    // Otherwise: what in the present wording excludes the reading; the checker still
    // tries it and reports the outcome, but does not fail.
    std::string ruledOutBy;
};
Misreading misreading(std::string reading, std::vector<Fact> facts);
Misreading ruledOut(std::string reading, std::vector<Fact> facts, std::string by);

struct Clue {
    std::vector<std::string> lines;  // first starts with "*", the rest with three blanks
    std::vector<Fact> facts;
    // Clues are written {{lines}, {facts}} or {{lines}, {facts}, {misreadings...}}.
    std::vector<Misreading> misreadings{};
};

struct PuzzleContent {
    int number = 0;
    std::array<std::string, 5> itemsA;        // shown only in the heading picture
    std::array<std::string, 15> rowHeadings;  // B 1-5, C 1-5, D 1-5; "&" doubled
    std::string intro;                        // CR LF line breaks
    bool leadingEmptyLine = false;            // clue text starts with an empty line
    std::vector<Clue> clues;
};

// One function per authored puzzle, defined in catalogue/puzzles/.
// Returns a content whose number is 0 when the puzzle is not written yet.
PuzzleContent puzzleContent(int number);

}  // namespace zentrivo
