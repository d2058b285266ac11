// Help on the board's marks: a check that counts the marks the answer key
// disagrees with, and a hint that names the next step and why it holds.
#pragma once

#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "core/cells.h"
#include "core/solver.h"

namespace zentrivo {

struct MarkCount {
    int marks = 0;     // cells holding X or O
    int disagree = 0;  // of them, those the key decides the other way
};

MarkCount countMarks(const std::array<KeyTriple, 5> &key, const CellCodes &codes);
// "3 of your 12 marks do not agree with the answer." and its kin.
std::string checkMessage(const MarkCount &count);

struct Hint {
    enum class Kind {
        NoPuzzle,   // the board holds no puzzle the solver knows
        WrongMark,  // `cell` holds a mark the key disagrees with
        Complete,   // every cell marked and every mark right
        Step,       // put `code` in `cell`, for `step`'s reason
        Stuck       // nothing follows (only for puzzles deduction cannot finish)
    };
    Kind kind = Kind::NoPuzzle;
    // What the first press shows: for a step, where to look (the clue or
    // grid rule and the items to think about), without the square or its
    // mark; for a wrong mark, that one mark disagrees. The same as `text`
    // for the other kinds.
    std::string first;
    std::string text;  // the second press: the whole reasoning, the square and its mark
    int cell = -1;     // canonical index of the square the hint is about
    std::int16_t code = kCodeBlank;  // the mark to put (Step) or the wrong mark
    Step step;                       // for Kind::Step
    ExplainedStep explained;         // for Kind::Step
    std::vector<int> clues;          // the clues a step cites, 1-based
    std::vector<int> restsOn;        // the cells of the marks a step rests on
};

// The two items a cell crosses: its column's item, then its row's.
std::pair<int, int> cellItems(CellId cell);
// The cell where two items of different categories meet.
CellId cellOf(int item, int other);

// The relations the board's marks state (X apart, O together, blank open).
Relations relationsOf(const CellCodes &codes);

// The hint for a board holding `codes` of `record`'s puzzle (none when null).
Hint hintFor(const PuzzleRecord *record, const CellCodes &codes);

// A clue's text as one line: the board's lines joined, without the star.
std::string clueSentence(const Clue &clue);

}  // namespace zentrivo
