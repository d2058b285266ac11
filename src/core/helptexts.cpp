#include "core/helptexts.h"

#include <initializer_list>
#include <vector>

#include "core/workedexample.h"

namespace zentrivo {

namespace {

const char *const kCrLf = "\r\n";

const char *const kClosing =
    "Questions or comments?  Please raise them on the Zentrivo issue tracker.";

std::string join(std::initializer_list<std::string> lines) {
    std::string text;
    bool first = true;
    for (const std::string &line : lines) {
        if (!first) text += kCrLf;
        text += line;
        first = false;
    }
    return text;
}

// Puts the worked example's names into a piece of prose: {P0} .. {P3} are the
// people, {M0} .. {M3} the ways of coming into money, {WINNER} the lottery
// winner, {NOT0} and {NOT1} the two who did not inherit and {HEIR} the one
// left to inherit.
std::string withNames(std::string text) {
    using namespace worked;
    auto replaceAll = [&text](const std::string &key, const std::string &value) {
        for (std::size_t at = text.find(key); at != std::string::npos;
             at = text.find(key, at + value.size()))
            text.replace(at, key.size(), value);
    };
    for (int i = 0; i < kSize; ++i) {
        replaceAll("{P" + std::to_string(i) + "}", kPeople[i]);
        replaceAll("{M" + std::to_string(i) + "}", kMethods[i]);
    }
    replaceAll("{WINNER}", kPeople[kLotteryWinner]);
    replaceAll("{NOT0}", kPeople[kDidNotInherit[0]]);
    replaceAll("{NOT1}", kPeople[kDidNotInherit[1]]);
    replaceAll("{HEIR}", kPeople[kHeir]);
    return text;
}

}  // namespace

std::string instructionsText() {
    const std::string markingA =
        "Each logic problem gives you clues from which you work out which items go together.  "
        "In these puzzles, \"either ... or\" in a clue means one of the two, never both.  "
        "The board has a section for each pair of categories, with a square "
        "for every pair of items.  Mark an X in each square that you eliminate (the two do not "
        "go together) and an O in each square that you confirm (they do).  To mark a "
        "square, click the X box or the O box at the top left of the board once, then click "
        "the square.  ";
    const std::string markingB =
        "The box you chose stays selected, so you can mark one square after another, until you "
        "click the other box or the eraser.  To erase a mark, click the pencil eraser at the "
        "lower right of the board, then the square.  One click on the eraser is good for one "
        "square only; after that the X box is selected again.  Tab reaches the grid; see the "
        "manual.";
    const std::string clues = withNames(
        "Four friends, {P0}, {P1}, {P2} and {P3}, each came into money in a different way.  The "
        "first clue says that {WINNER} won the lottery.  That links two items, so put an O where "
        "{WINNER}'s row meets the {M0} column, and an X in the rest of that row and column in "
        "the section: nobody else won the lottery, and {WINNER} got her money no other way.  "
        "The second clue says that neither {NOT0} nor {NOT1} inherited, so put an X in their "
        "squares under {M1}.  See Example #1 with the button to the right.");
    const std::string deduction = withNames(
        "Now look at the {M1} column: only {HEIR}'s square is still empty, so {HEIR} is the "
        "only one left who can have inherited.  Put an O there and an X in the rest of "
        "{HEIR}'s row.  See Example #2.");
    const std::string finish =
        "Go on like this, clue by clue, until the whole grid is complete.  Then press \"Get the "
        "Answers\", which shows all of the answers at once.";
    const std::string stuck =
        "If you get stuck, you may want to guess, but every problem here can be solved by "
        "reasoning alone.  Read the clues again and again.";
    const std::string notes =
        "The \"Show Fill-In Grid\" button on the board opens a sheet for notes, headed by the "
        "puzzle's four categories.  Type each group of items into a row as you find it.  "
        "Example #3 shows the notes for our example so far.  \"Hide Fill-In Grid\" takes you "
        "back to the board and keeps your notes while you stay on this puzzle; they are not "
        "saved with it.";
    return join(
        {"Instructions on How to Solve Logic Problems:", std::string(kInstructionsRuleLength, '-'),
         "", markingA + markingB, "", "Example:", "", clues, "", deduction, "", finish, "", stuck,
         "", notes, "", kClosing});
}

std::string versionHistoryText() {
    const std::string rule(kHistoryRuleLength, '-');
    return join(
        {"Version 1.0", rule, "* 25 logic problems, each solved on a board of X and O squares.",
         "* Instructions with worked examples; the answers at one click.", "", "Version 2.0", rule,
         "* Save an unfinished puzzle and open it again later; keep notes",
         "    on the current puzzle in the fill-in grid.", "", kClosing});
}

namespace {

// "Lottery", "Lottery and Stocks", "Lottery, Stocks and Game Show".
std::string listed(const std::string &items, const std::string &next, bool last) {
    if (items.empty()) return next;
    return items + (last ? " and " : ", ") + next;
}

// One row of an example grid: "Cora: O under Lottery, X under Inherited,
// Stocks and Game Show." or "Ben: no marks."
std::string describeRow(const worked::Grid &grid, int person) {
    std::string text = std::string(worked::kPeople[size_t(person)]) + ":";
    bool marked = false;
    for (worked::Mark mark : {worked::Mark::O, worked::Mark::X}) {
        std::vector<std::string> methods;
        for (int m = 0; m < worked::kSize; ++m)
            if (grid[size_t(person)][size_t(m)] == mark)
                methods.push_back(worked::kMethods[size_t(m)]);
        if (methods.empty()) continue;
        std::string list;
        for (size_t i = 0; i < methods.size(); ++i)
            list = listed(list, methods[i], i + 1 == methods.size());
        text += std::string(marked ? ", " : " ") + static_cast<char>(mark) + " under " + list;
        marked = true;
    }
    return text + (marked ? "." : " no marks.");
}

std::string describeGrid(const worked::Grid &grid) {
    std::string text = "A grid of ";
    for (int p = 0; p < worked::kSize; ++p)
        text = p == 0 ? text + worked::kPeople[0]
                      : listed(text, worked::kPeople[size_t(p)], p + 1 == worked::kSize);
    text += " against ";
    std::string methods;
    for (int m = 0; m < worked::kSize; ++m)
        methods = listed(methods, worked::kMethods[size_t(m)], m + 1 == worked::kSize);
    text += methods + ".";
    for (int p = 0; p < worked::kSize; ++p) text += " " + describeRow(grid, p);
    return text;
}

// Example 3: the notes, one row a person, with the way of coming into money
// where the grid has its O.
std::string describeNotes() {
    std::string headings;
    for (int c = 0; c < worked::kSize; ++c)
        headings = listed(headings, worked::kNoteHeadings[size_t(c)], c + 1 == worked::kSize);
    std::string text = "Notes in four columns, " + headings + ".";
    const worked::Grid known = worked::afterDeduction();
    for (int p = 0; p < worked::kSize; ++p) {
        text += " Row " + std::to_string(p + 1) + ": " + worked::kPeople[size_t(p)];
        for (int m = 0; m < worked::kSize; ++m)
            if (known[size_t(p)][size_t(m)] == worked::Mark::O)
                text += std::string(", ") + worked::kMethods[size_t(m)];
        text += ".";
    }
    return text;
}

}  // namespace

std::string exampleDescription(int number) {
    switch (number) {
        case 1:
            return describeGrid(worked::afterClues());
        case 2:
            return describeGrid(worked::afterDeduction());
        case 3:
            return describeNotes();
    }
    return {};
}

}  // namespace zentrivo
