// The small worked example that the instructions walk through and that the
// example pictures draw: four people, four ways of coming into money. Both
// the help text and the picture tool read it from here, so the words and the
// pictures cannot drift apart.
#pragma once

#include <array>

namespace zentrivo::worked {

constexpr int kSize = 4;

constexpr std::array<const char *, kSize> kPeople = {"Amy", "Ben", "Cora", "Dan"};
constexpr std::array<const char *, kSize> kMethods = {"Lottery", "Inherited", "Stocks",
                                                      "Game Show"};
// The column headings of the notes in example 3.
constexpr std::array<const char *, kSize> kNoteHeadings = {"Name", "Method", "Amount", "City"};

constexpr int kLottery = 0;
constexpr int kInherited = 1;

// Clue 1: this person won the lottery.
constexpr int kLotteryWinner = 2;  // Cora
// Clue 2: these two people did not inherit.
constexpr std::array<int, 2> kDidNotInherit = {0, 3};  // Amy and Dan

enum class Mark : char { Blank = ' ', X = 'X', O = 'O' };
using Grid = std::array<std::array<Mark, kSize>, kSize>;  // [person][method]

// Confirms one pairing: O in its square, X in the rest of its row and column.
constexpr void confirm(Grid &g, int person, int method) {
    for (int i = 0; i < kSize; ++i) {
        g[person][i] = Mark::X;
        g[i][method] = Mark::X;
    }
    g[person][method] = Mark::O;
}

// The grid after the two sample clues (example 1).
constexpr Grid afterClues() {
    Grid g{};
    for (auto &row : g)
        for (Mark &m : row) m = Mark::Blank;
    confirm(g, kLotteryWinner, kLottery);
    for (int person : kDidNotInherit) g[person][kInherited] = Mark::X;
    return g;
}

// The one person left who can have inherited once the clues are marked, or -1.
constexpr int onlyHeir(const Grid &g) {
    int found = -1;
    for (int p = 0; p < kSize; ++p) {
        if (g[p][kInherited] == Mark::X) continue;
        if (found >= 0) return -1;
        found = p;
    }
    return found;
}

// The grid after the next deduction (example 2): the only person left for
// the inheritance gets the O.
constexpr Grid afterDeduction() {
    Grid g = afterClues();
    const int heir = onlyHeir(g);
    if (heir >= 0) confirm(g, heir, kInherited);
    return g;
}

constexpr int kHeir = onlyHeir(afterClues());
static_assert(kHeir == 1, "the two clues leave exactly one person to inherit");

}  // namespace zentrivo::worked
