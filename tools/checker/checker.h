// Proves a puzzle fair: its clues allow exactly one solution, that solution
// is the answer key, a solver that only deduces (no trial and error) reaches
// it, and the clue and story texts keep the layout the board expects.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "core/solver.h"

namespace zentrivo {

struct CountResult {
    long solutions = 0;
    Groups first{};               // the first solution found, when any
    std::vector<Groups> samples;  // up to three solutions, to show an author
};

// Builds the checker's view of an authored puzzle; unknown item names and
// badly formed facts are reported in `errors`.
LogicPuzzle logicPuzzle(const PuzzleRecord &record, std::vector<std::string> &errors);

// Checks that every fact names known items of suitable categories.
std::vector<std::string> validateFacts(const LogicPuzzle &puzzle);

// True when the full assignment satisfies the fact.
bool holds(const LogicPuzzle &puzzle, const Fact &fact, const Groups &groups);

// Counts the assignments (of the 5!^3) that satisfy every clue.
CountResult countSolutions(const LogicPuzzle &puzzle);

// Solves by deduction alone with the game's solver: grid rules (one O per
// block line, last open square, links across blocks) and each clue pruning
// what it forbids.
DeductionResult deduce(const LogicPuzzle &puzzle);

// Layout rules of the clue text, story and headings.
std::vector<std::string> formProblems(const PuzzleRecord &record);

// The puzzle solved once with one clue read another way.
struct MisreadingOutcome {
    int clue = 0;  // 1-based
    std::string reading;
    long solutions = 0;
    bool equalsKey = false;  // exactly one solution, and it is the answer key
    std::string ruledOutBy;  // what in the wording excludes the reading; such a reading never fails
    bool ruledOut() const { return !ruledOutBy.empty(); }
    bool passes() const { return ruledOut() || equalsKey; }
};

// "clue 4 read as \"...\": 2 solutions", with what rules the reading out.
std::string describe(const MisreadingOutcome &outcome);

struct PuzzleReport {
    std::vector<std::string> problems;  // empty when the puzzle is fair and well formed
    long solutions = 0;
    int rounds = 0;
    std::vector<int> droppableClues;  // 1-based clue numbers no proof needs
    std::vector<Groups> samples;      // some solutions, when there is not exactly one
    bool factsChecked = false;  // the facts were well formed, so solutions and readings were tried
    std::vector<MisreadingOutcome> misreadings;  // every other reading tried
};

// Solves the puzzle once per other reading: each clue's recorded misreadings
// (replacing that clue's facts) and, for every either/or between items of two
// different categories not marked "but not both", its inclusive reading. Adds
// the outcomes to the report, and a problem for each reading that is not ruled
// out and does not leave exactly the key.
void checkMisreadings(const LogicPuzzle &puzzle, const Groups &key, PuzzleReport &report);

// One line per item of A: "Ballroom: 5th Floor, 10:00 a.m., Chefs".
std::string describe(const LogicPuzzle &puzzle, const Groups &groups);

// Runs every logic and form check on an authored puzzle.
PuzzleReport checkPuzzle(const PuzzleRecord &record, bool findDroppable);

}  // namespace zentrivo
