#include "checker/checker.h"

#include "core/captions.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <numeric>

namespace zentrivo {

namespace {

size_t expectedItems(Fact::Kind kind) {
    switch (kind) {
        case Fact::Kind::Either:
        case Fact::Kind::EitherOrBoth:
            return 3;
        case Fact::Kind::PairOf:
            return 4;
        case Fact::Kind::AllDifferent:
            return 0;  // two or more
        default:
            return 2;
    }
}

std::vector<std::vector<ResolvedFact>> resolveAll(const LogicPuzzle &puzzle) {
    std::vector<std::vector<ResolvedFact>> out;
    for (const auto &clue : puzzle.clues) {
        std::vector<ResolvedFact> facts;
        facts.reserve(clue.size());
        for (const Fact &f : clue) facts.push_back(resolve(puzzle, f));
        out.push_back(std::move(facts));
    }
    return out;
}

const std::vector<std::array<int, 5>> &permutations() {
    static const std::vector<std::array<int, 5>> perms = [] {
        std::vector<std::array<int, 5>> out;
        std::array<int, 5> p{0, 1, 2, 3, 4};
        do out.push_back(p);
        while (std::next_permutation(p.begin(), p.end()));
        return out;
    }();
    return perms;
}

// Errors in one clue's facts (or one reading of it): unknown items, wrong
// item counts, categories that do not fit the kind of fact.
void factErrors(const LogicPuzzle &puzzle, const std::vector<Fact> &facts, const std::string &where,
                std::vector<std::string> &errors) {
    if (facts.empty()) errors.push_back(where + "states no fact");
    for (const Fact &f : facts) {
        const ResolvedFact rf = resolve(puzzle, f);
        bool known = true;
        for (size_t i = 0; i < rf.items.size(); ++i)
            if (rf.items[i] < 0) {
                errors.push_back(where + "unknown item \"" + f.items[i] + "\"");
                known = false;
            }
        const size_t want = expectedItems(f.kind);
        if ((want && rf.items.size() != want) || (!want && rf.items.size() < 2)) {
            errors.push_back(where + "wrong number of items in a fact");
            continue;
        }
        if (f.butNotBoth && f.kind != Fact::Kind::Either)
            errors.push_back(where + "\"but not both\" on a fact that is no either-or");
        if (!known) continue;
        const auto &it = rf.items;
        auto cat = [&](size_t i) { return categoryOf(it[i]); };
        switch (f.kind) {
            case Fact::Kind::Same:
            case Fact::Kind::Differ:
                if (cat(0) == cat(1)) errors.push_back(where + "relates two items of one category");
                break;
            case Fact::Kind::Either:
            case Fact::Kind::EitherOrBoth:
                if (cat(0) == cat(1) || cat(0) == cat(2) || it[1] == it[2])
                    errors.push_back(where + "either-or with overlapping categories");
                break;
            case Fact::Kind::PairOf:
                if (cat(0) != cat(1) || cat(2) == cat(0) || cat(3) == cat(0) || it[0] == it[1] ||
                    it[2] == it[3])
                    errors.push_back(where +
                                     "pair-of needs two items of one category and two of others");
                break;
            case Fact::Kind::AllDifferent:
                for (size_t i = 0; i < it.size(); ++i)
                    for (size_t j = i + 1; j < it.size(); ++j)
                        if (it[i] == it[j])
                            errors.push_back(where + "item repeated in all-different");
                break;
            default:
                if (it[0] == it[1]) errors.push_back(where + "compares an item with itself");
                if (f.kind == Fact::Kind::Offset && f.k == 0)
                    errors.push_back(where + "offset of zero");
                if ((f.kind == Fact::Kind::AtLeastLater || f.kind == Fact::Kind::AtLeastApart) &&
                    f.k < 1)
                    errors.push_back(where + "at-least distance below one");
                break;
        }
    }
}

// An either/or between items of two different categories ("the veteran is
// Ortega or Arnold") can be read inclusively unless the prose rules it out.
bool inclusiveReadingOpen(const LogicPuzzle &puzzle, const Fact &f) {
    if (f.kind != Fact::Kind::Either || f.butNotBoth || f.items.size() != 3) return false;
    const int y = itemIndex(puzzle, f.items[1]), z = itemIndex(puzzle, f.items[2]);
    return y >= 0 && z >= 0 && categoryOf(y) != categoryOf(z);
}

// The readings tried for clue c: those recorded, then the inclusive reading
// of each open either/or the author has not recorded already (one recorded
// as ruled out does not count: only "but not both" on the fact excuses it).
std::vector<Misreading> readingsOf(const LogicPuzzle &puzzle, size_t c) {
    std::vector<Misreading> readings;
    if (c < puzzle.misreadings.size()) readings = puzzle.misreadings[c];
    const std::vector<Fact> &facts = puzzle.clues[c];
    for (size_t i = 0; i < facts.size(); ++i) {
        if (!inclusiveReadingOpen(puzzle, facts[i])) continue;
        const std::vector<std::string> &it = facts[i].items;
        const Fact inclusive = eitherOrBoth(it[0], it[1], it[2]);
        const bool recorded =
            std::any_of(readings.begin(), readings.end(), [&](const Misreading &m) {
                return m.ruledOutBy.empty() &&
                       std::any_of(m.facts.begin(), m.facts.end(), [&](const Fact &f) {
                           return f.kind == inclusive.kind && f.items == inclusive.items;
                       });
            });
        if (recorded) continue;
        std::vector<Fact> changed = facts;
        changed[i] = inclusive;
        readings.push_back(misreading("either/or taken inclusively: " + shownCaption(it[0]) +
                                          " with " + shownCaption(it[1]) + ", " +
                                          shownCaption(it[2]) + " or both",
                                      std::move(changed)));
    }
    return readings;
}

}  // namespace

LogicPuzzle logicPuzzle(const PuzzleRecord &record, std::vector<std::string> &errors) {
    LogicPuzzle p = puzzleOf(record);
    for (const std::string &e : validateFacts(p)) errors.push_back(e);
    return p;
}

std::vector<std::string> validateFacts(const LogicPuzzle &puzzle) {
    std::vector<std::string> errors;
    for (int i = 0; i < kItemCount; ++i)
        for (int j = i + 1; j < kItemCount; ++j)
            if (puzzle.names[i] == puzzle.names[j])
                errors.push_back("item name used twice: \"" + puzzle.names[i] + "\"");
    for (size_t c = 0; c < puzzle.clues.size(); ++c) {
        const std::string where = "clue " + std::to_string(c + 1) + ": ";
        factErrors(puzzle, puzzle.clues[c], where, errors);
        if (c < puzzle.misreadings.size())
            for (const Misreading &m : puzzle.misreadings[c])
                factErrors(puzzle, m.facts, where + "reading \"" + m.reading + "\": ", errors);
    }
    if (puzzle.misreadings.size() > puzzle.clues.size())
        errors.push_back("misreadings of a clue that does not exist");
    return errors;
}

bool holds(const LogicPuzzle &puzzle, const Fact &fact, const Groups &groups) {
    const ResolvedFact rf = resolve(puzzle, fact);
    for (int i : rf.items)
        if (i < 0) return false;
    return evaluate(rf, groups);
}

CountResult countSolutions(const LogicPuzzle &puzzle) {
    const auto resolved = resolveAll(puzzle);
    // Each fact is tested as soon as the categories it needs are placed.
    std::array<std::vector<const ResolvedFact *>, 3> stage;
    for (const auto &clue : resolved)
        for (const ResolvedFact &rf : clue) {
            for (int i : rf.items)
                if (i < 0) return {};
            const int s = (rf.cats & 8u) ? 2 : (rf.cats & 4u) ? 1 : 0;
            stage[s].push_back(&rf);
        }
    auto pass = [&](int s, const Groups &g) {
        for (const ResolvedFact *rf : stage[s])
            if (!evaluate(*rf, g)) return false;
        return true;
    };
    CountResult result;
    Groups g{};
    for (int a = 0; a < 5; ++a) g[a] = a;
    const auto &perms = permutations();
    for (const auto &pb : perms) {
        for (int i = 0; i < 5; ++i) g[5 + i] = pb[i];
        if (!pass(0, g)) continue;
        for (const auto &pc : perms) {
            for (int i = 0; i < 5; ++i) g[10 + i] = pc[i];
            if (!pass(1, g)) continue;
            for (const auto &pd : perms) {
                for (int i = 0; i < 5; ++i) g[15 + i] = pd[i];
                if (!pass(2, g)) continue;
                if (result.solutions++ == 0) result.first = g;
                if (result.samples.size() < 3) result.samples.push_back(g);
            }
        }
    }
    return result;
}

DeductionResult deduce(const LogicPuzzle &puzzle) { return Solver(puzzle).deduce(); }

std::vector<std::string> formProblems(const PuzzleRecord &record) {
    std::vector<std::string> problems;
    const PuzzleContent &c = record.content;
    if (c.number != record.number) {
        problems.push_back("not authored");
        return problems;
    }
    if (static_cast<int>(c.clues.size()) != record.clueCount)
        problems.push_back("has " + std::to_string(c.clues.size()) + " clues, needs " +
                           std::to_string(record.clueCount));
    const std::string text = record.clueText();
    int lines = 1;
    for (size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\r' && text[i + 1] == '\n') ++lines;
    if (lines != record.lineCount)
        problems.push_back("clue text has " + std::to_string(lines) + " lines, needs " +
                           std::to_string(record.lineCount));
    for (size_t i = 0; i < c.clues.size(); ++i) {
        const std::string where = "clue " + std::to_string(i + 1) + ": ";
        const auto &ls = c.clues[i].lines;
        if (ls.empty()) {
            problems.push_back(where + "no lines");
            continue;
        }
        for (size_t j = 0; j < ls.size(); ++j) {
            const std::string &l = ls[j];
            if (l.size() > 38) problems.push_back(where + "line over 38 characters: \"" + l + "\"");
            if (l.find_first_of("\r\n\t") != std::string::npos)
                problems.push_back(where + "control character in a line");
            if (!l.empty() && l.back() == ' ')
                problems.push_back(where + "trailing blank: \"" + l + "\"");
            if (j == 0 && (l.size() < 2 || l[0] != '*'))
                problems.push_back(where + "first line must start with \"*\"");
            if (j > 0 && (l.size() < 4 || l.compare(0, 3, "   ") != 0 || l[3] == ' '))
                problems.push_back(where + "further lines start with exactly three blanks");
        }
    }
    const size_t introLength = c.intro.size();
    if (introLength < 370 || introLength > 683)
        problems.push_back("introduction has " + std::to_string(introLength) +
                           " characters, needs 370 to 683");
    if (c.intro.empty() || c.intro.back() != '?')
        problems.push_back("introduction must end with the puzzle's question");
    for (size_t i = 0; i < c.intro.size(); ++i) {
        const bool cr = c.intro[i] == '\r', lf = c.intro[i] == '\n';
        if ((cr && (i + 1 >= c.intro.size() || c.intro[i + 1] != '\n')) ||
            (lf && (i == 0 || c.intro[i - 1] != '\r')))
            problems.push_back("introduction line breaks must be CR LF");
    }
    for (int i = 0; i < 15; ++i) {
        const std::string &h = c.rowHeadings[i];
        for (size_t j = 0; j < h.size(); ++j)
            if (h[j] == '&' && (j + 1 >= h.size() || h[++j] != '&'))
                problems.push_back("row heading with a single ampersand: \"" + h + "\"");
        if (shownCaption(h).empty() || shownCaption(h).size() > 13)
            problems.push_back("row heading empty or over 13 characters: \"" + h + "\"");
    }
    for (const std::string &a : c.itemsA)
        if (a.empty() || a.size() > 13)
            problems.push_back("item of A empty or over 13 characters: \"" + a + "\"");
    for (const std::string &h : record.headings)
        if (h.size() > 11) problems.push_back("category heading over 11 characters");
    return problems;
}

std::string describe(const LogicPuzzle &puzzle, const Groups &groups) {
    std::string out;
    for (int a = 0; a < 5; ++a) {
        out += puzzle.names[a] + ":";
        for (int k = 1; k < 4; ++k)
            for (int i = k * 5; i < k * 5 + 5; ++i)
                if (groups[i] == a) out += (k > 1 ? ", " : " ") + puzzle.names[i];
        out += "\n";
    }
    return out;
}

std::string describe(const MisreadingOutcome &outcome) {
    std::string out =
        "clue " + std::to_string(outcome.clue) + " read as \"" + outcome.reading + "\": ";
    if (outcome.solutions == 0)
        out += "no solution";
    else if (outcome.solutions == 1)
        out += outcome.equalsKey ? "1 solution, the key" : "1 solution, not the key";
    else
        out += std::to_string(outcome.solutions) + " solutions";
    if (outcome.ruledOut()) out += " (ruled out: " + outcome.ruledOutBy + ")";
    return out;
}

void checkMisreadings(const LogicPuzzle &puzzle, const Groups &key, PuzzleReport &report) {
    const std::string where = puzzle.number ? "puzzle " + std::to_string(puzzle.number) + ", " : "";
    for (size_t c = 0; c < puzzle.clues.size(); ++c) {
        for (const Misreading &m : readingsOf(puzzle, c)) {
            LogicPuzzle other = puzzle;
            other.clues[c] = m.facts;
            const CountResult count = countSolutions(other);
            MisreadingOutcome outcome{static_cast<int>(c) + 1, m.reading, count.solutions,
                                      count.solutions == 1 && count.first == key, m.ruledOutBy};
            if (!outcome.passes())
                report.problems.push_back(where + describe(outcome) + ", needs exactly 1, the key");
            report.misreadings.push_back(std::move(outcome));
        }
    }
}

PuzzleReport checkPuzzle(const PuzzleRecord &record, bool findDroppable) {
    PuzzleReport report;
    report.problems = formProblems(record);
    if (!record.authored()) return report;
    std::vector<std::string> errors;
    const LogicPuzzle puzzle = logicPuzzle(record, errors);
    for (const std::string &e : errors) report.problems.push_back(e);
    if (!errors.empty()) return report;
    report.factsChecked = true;

    const CountResult count = countSolutions(puzzle);
    report.solutions = count.solutions;
    const Groups key = keyGroups(record.key);
    if (count.solutions != 1) report.samples = count.samples;
    if (count.solutions != 1)
        report.problems.push_back(std::to_string(count.solutions) + " solutions, needs exactly 1");
    else if (count.first != key)
        report.problems.push_back("the one solution differs from the answer key");
    else {
        // The key itself must satisfy every fact, one by one, so a clue that
        // says something false is named.
        for (size_t c = 0; c < puzzle.clues.size(); ++c)
            for (const Fact &f : puzzle.clues[c])
                if (!holds(puzzle, f, key))
                    report.problems.push_back("clue " + std::to_string(c + 1) +
                                              " is false for the key");
    }
    const DeductionResult d = deduce(puzzle);
    report.rounds = d.rounds;
    if (!d.solved)
        report.problems.push_back("deduction alone stalls after " + std::to_string(d.rounds) +
                                  " rounds");
    else if (d.groups != key)
        report.problems.push_back("deduction reaches a different solution");

    if (findDroppable && report.problems.empty()) {
        for (size_t c = 0; c < puzzle.clues.size(); ++c) {
            LogicPuzzle fewer = puzzle;
            fewer.clues.erase(fewer.clues.begin() + static_cast<long>(c));
            const DeductionResult fd = deduce(fewer);
            if (fd.solved && countSolutions(fewer).solutions == 1)
                report.droppableClues.push_back(static_cast<int>(c) + 1);
        }
    }
    checkMisreadings(puzzle, key, report);
    return report;
}

}  // namespace zentrivo
