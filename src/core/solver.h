// Deduction on a puzzle's grid of relations, one step at a time or in rounds.
// Items are numbered 0-19: A 1-5, B 1-5, C 1-5, D 1-5. Each step records why
// it holds: one of the grid's rules (with the relations it rests on) or the
// clue it was read from.
#pragma once

#include <array>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"

namespace zentrivo {

constexpr int kItemCount = 20;

// A full solution: for each of the 20 items (category * 5 + item), the item
// of A (0-4) it belongs with.
using Groups = std::array<int, kItemCount>;

// A puzzle in the solver's terms: 20 item names, the facts of each clue and
// the other readings recorded for each clue.
struct LogicPuzzle {
    int number = 0;                             // 0 for a puzzle made up by a test
    std::array<std::string, kItemCount> names;  // A 1-5, B 1-5, C 1-5, D 1-5 (as stored)
    std::vector<std::vector<Fact>> clues;
    std::vector<std::vector<Misreading>> misreadings;  // per clue; may be shorter than clues
};

// The puzzle's names and clues, unchecked.
LogicPuzzle puzzleOf(const PuzzleRecord &record);

inline int categoryOf(int item) { return item / 5; }
// Index of the item of that name, or -1.
int itemIndex(const LogicPuzzle &puzzle, const std::string &name);

// A fact with its item names resolved to indices.
struct ResolvedFact {
    const Fact *fact;
    std::vector<int> items;  // -1 for an unknown name
    int order;               // category index for positional facts, -1 otherwise
    unsigned cats;           // bit mask of the categories the fact needs assigned
};
ResolvedFact resolve(const LogicPuzzle &puzzle, const Fact &fact);
// True when the full assignment satisfies the fact (all its items known).
bool evaluate(const ResolvedFact &fact, const Groups &groups);

// The solution the answer key describes.
Groups keyGroups(const std::array<KeyTriple, 5> &key);

// What is known of each pair of items of different categories; symmetric.
enum Relation : int { kRelOpen = 0, kRelYes = 1, kRelNo = 2 };
using Relations = std::array<std::array<int, kItemCount>, kItemCount>;

struct DeductionResult {
    bool solved = false;  // every relation decided
    bool contradiction = false;
    int rounds = 0;   // passes over the clues until solved (or stalled)
    Groups groups{};  // valid when solved
};

// Why a step holds.
enum class Reason {
    OnlyOne,   // an O rules out the rest of its line in the block
    LastOpen,  // the last open square of a line in the block is an O
    Link,      // an O between two items carries the other's marks over
    Clue       // one clue read against the marks
};

struct Step {
    Reason reason = Reason::Clue;
    int item = 0, other = 0;  // the pair decided
    bool together = false;    // O when true, X otherwise
    int clue = 0;             // 1-based, for a clue
    // The pairs a grid rule rests on: OnlyOne the O; LastOpen the four X's;
    // Link the O, then the mark it carries over. Empty for a clue.
    std::vector<std::pair<int, int>> restsOn;
};

// A mark on the grid: a pair of items and X (apart) or O (together).
struct PairMark {
    int item = 0, other = 0;  // item < other (but see StepCase::placed)
    bool together = false;

    bool operator==(const PairMark &o) const {
        return item == o.item && other == o.other && together == o.together;
    }
};

// One way a clue could hold were the step's mark the other way, with the
// marks on the board that leave that way no room.
struct StepCase {
    std::vector<PairMark> placed;      // the pairs the case puts together, the clue's item first
    std::vector<PairMark> ruledOutBy;  // the marks that rule it out
};

// A step with everything it rests on: the grid rule or the clue, and every
// mark on the board it combines with them, none of which can be left out.
struct ExplainedStep {
    Step step;
    std::vector<PairMark> marks;  // the marks the step rests on
    std::vector<int> facts;       // a clue step: the facts of the clue it reads (0-based)
    // A clue step that needs cases: the ways the clue could hold with the
    // other mark, each ruled out by some of `marks`; empty for a direct step.
    std::vector<StepCase> cases;
};

class Solver {
public:
    explicit Solver(LogicPuzzle puzzle);
    ~Solver();
    Solver(const Solver &) = delete;
    Solver &operator=(const Solver &) = delete;

    const LogicPuzzle &puzzle() const { return puzzle_; }
    // Every fact names items the puzzle has.
    bool resolved() const { return resolvedOk_; }

    // The simplest step that decides an open pair: the grid rules first (in
    // the order of Reason), then the clues in order. Nothing when every pair
    // is decided, when nothing follows, or when the relations break a rule.
    std::optional<Step> nextStep(const Relations &relations) const;

    // The simplest step with all it rests on: a grid rule; else a clue read
    // alone; else a clue read with the fewest marks, where the mark follows
    // without cases; else one that needs cases. Where the clue and marks of a
    // step also put two items together on an open square, the step gives
    // that O rather than an X. The search for fewer marks has a fixed budget
    // of placements once a step is in hand. Nothing as for nextStep.
    std::optional<ExplainedStep> explainStep(const Relations &relations) const;

    // Solves by deduction alone in rounds: every clue read against the grid,
    // then the grid rules applied until nothing changes.
    DeductionResult deduce() const;

private:
    LogicPuzzle puzzle_;
    std::vector<std::vector<ResolvedFact>> facts_;
    bool resolvedOk_ = true;
    // What each clue forces read alone, found on the first explained step.
    mutable std::mutex aloneMutex_;
    mutable std::vector<std::vector<PairMark>> alone_;
};

}  // namespace zentrivo
