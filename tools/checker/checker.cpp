#include "checker/checker.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <numeric>

namespace zentrivo {

namespace {

constexpr int kItems = 20;
constexpr int kUnknown = 0, kYes = 1, kNo = 2;

int catOf(int item) { return item / 5; }

// Facts with item names resolved to indices.
struct ResolvedFact {
    const Fact *fact;
    std::vector<int> items;
    int order;      // category index for positional facts, -1 otherwise
    unsigned cats;  // bit mask of the categories the fact needs assigned
};

bool positional(Fact::Kind kind) {
    return kind == Fact::Kind::Before || kind == Fact::Kind::Offset || kind == Fact::Kind::NextTo ||
           kind == Fact::Kind::AtLeastLater || kind == Fact::Kind::AtLeastApart;
}

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

int indexOf(const LogicPuzzle &puzzle, const std::string &name) {
    for (int i = 0; i < kItems; ++i)
        if (puzzle.names[i] == name) return i;
    return -1;
}

ResolvedFact resolve(const LogicPuzzle &puzzle, const Fact &fact) {
    ResolvedFact r{&fact, {}, positional(fact.kind) ? static_cast<int>(fact.order) : -1, 1u};
    for (const std::string &name : fact.items) {
        int i = indexOf(puzzle, name);
        r.items.push_back(i);
        if (i >= 0) r.cats |= 1u << catOf(i);
    }
    if (r.order >= 0) r.cats |= 1u << r.order;
    return r;
}

// Position (0-4) of item x within ordered category `order`, given groups.
// Returns -1 when the item of that category sharing x's group is unassigned.
int position(const Groups &g, int order, int x) {
    if (catOf(x) == order) return x % 5;
    if (order == 0) return g[x];
    for (int o = 0; o < 5; ++o)
        if (g[order * 5 + o] == g[x]) return o;
    return -1;
}

bool evaluate(const ResolvedFact &rf, const Groups &g) {
    const std::vector<int> &it = rf.items;
    switch (rf.fact->kind) {
        case Fact::Kind::Same:
            return g[it[0]] == g[it[1]];
        case Fact::Kind::Differ:
            return g[it[0]] != g[it[1]];
        case Fact::Kind::Either:
            return (g[it[0]] == g[it[1]]) != (g[it[0]] == g[it[2]]);
        case Fact::Kind::Before:
            return position(g, rf.order, it[0]) < position(g, rf.order, it[1]);
        case Fact::Kind::Offset:
            return position(g, rf.order, it[0]) == position(g, rf.order, it[1]) + rf.fact->k;
        case Fact::Kind::NextTo:
            return std::abs(position(g, rf.order, it[0]) - position(g, rf.order, it[1])) == 1;
        case Fact::Kind::EitherOrBoth:
            return g[it[0]] == g[it[1]] || g[it[0]] == g[it[2]];
        case Fact::Kind::AtLeastLater:
            return position(g, rf.order, it[0]) >= position(g, rf.order, it[1]) + rf.fact->k;
        case Fact::Kind::AtLeastApart:
            return std::abs(position(g, rf.order, it[0]) - position(g, rf.order, it[1])) >=
                   rf.fact->k;
        case Fact::Kind::PairOf:
            return (g[it[0]] == g[it[2]] && g[it[1]] == g[it[3]]) ||
                   (g[it[0]] == g[it[3]] && g[it[1]] == g[it[2]]);
        case Fact::Kind::AllDifferent:
            for (size_t i = 0; i < it.size(); ++i)
                for (size_t j = i + 1; j < it.size(); ++j)
                    if (g[it[i]] == g[it[j]]) return false;
            return true;
    }
    return false;
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

// ---- deduction -------------------------------------------------------------

struct Grid {
    std::array<std::array<int, kItems>, kItems> rel{};
    bool broken = false;
    bool changed = false;

    void set(int u, int v, int value) {
        if (rel[u][v] == value) return;
        if (rel[u][v] != kUnknown) {
            broken = true;
            return;
        }
        rel[u][v] = rel[v][u] = value;
        changed = true;
    }
    bool solved() const {
        for (int u = 0; u < kItems; ++u)
            for (int v = 0; v < kItems; ++v)
                if (catOf(u) != catOf(v) && rel[u][v] == kUnknown) return false;
        return true;
    }
};

// The grid rules, applied until nothing changes: an O rules out the rest of
// its block line, the last open square of a block line is an O, and links
// carry across blocks.
void closeGrid(Grid &grid) {
    do {
        grid.changed = false;
        for (int u = 0; u < kItems && !grid.broken; ++u) {
            for (int k = 0; k < 4; ++k) {
                if (k == catOf(u)) continue;
                int yes = 0, open = 0, lastOpen = -1;
                for (int v = k * 5; v < k * 5 + 5; ++v) {
                    if (grid.rel[u][v] == kYes) ++yes;
                    if (grid.rel[u][v] == kUnknown) ++open, lastOpen = v;
                }
                if (yes > 1 || (yes == 0 && open == 0)) {
                    grid.broken = true;
                    return;
                }
                for (int v = k * 5; v < k * 5 + 5; ++v)
                    if (yes == 1 && grid.rel[u][v] == kUnknown) grid.set(u, v, kNo);
                if (yes == 0 && open == 1) grid.set(u, lastOpen, kYes);
            }
        }
        for (int u = 0; u < kItems; ++u)
            for (int v = 0; v < kItems; ++v) {
                if (catOf(u) == catOf(v) || grid.rel[u][v] != kYes) continue;
                for (int w = 0; w < kItems; ++w) {
                    if (catOf(w) == catOf(u) || catOf(w) == catOf(v)) continue;
                    if (grid.rel[v][w] == kYes) grid.set(u, w, kYes);
                    if (grid.rel[v][w] == kNo) grid.set(u, w, kNo);
                }
            }
    } while (grid.changed && !grid.broken);
}

// What one clue, read against the grid as it stands, allows: every way of
// placing the clue's items that the grid permits is tried, and any relation
// that holds (or fails) in all of them is marked.
class ClueReader {
public:
    ClueReader(const std::vector<ResolvedFact> &facts, const Grid &grid)
        : facts_(facts), grid_(grid) {
        std::vector<bool> local(kItems, false);
        for (const ResolvedFact &rf : facts) {
            for (int i : rf.items)
                if (i >= 0 && catOf(i) != 0) local[i] = true;
            if (rf.order > 0)
                for (int o = rf.order * 5; o < rf.order * 5 + 5; ++o) local[o] = true;
        }
        for (int i = 0; i < kItems; ++i)
            if (local[i]) vars_.push_back(i);
        groups_.fill(-1);
        for (int a = 0; a < 5; ++a) groups_[a] = a;
    }

    // Writes the clue's deductions into `out`; false when nothing fits.
    bool apply(Grid &out) {
        search(0);
        if (!anyLeaf_) return false;
        for (int u : vars_) {
            for (int v = 0; v < kItems; ++v) {
                if (catOf(v) == catOf(u) || grid_.rel[u][v] != kUnknown) continue;
                if (catOf(v) != 0 && !isLocal(v)) continue;
                if (!sameSeen_[u][v]) out.set(u, v, kNo);
                if (!diffSeen_[u][v]) out.set(u, v, kYes);
            }
        }
        return true;
    }

private:
    bool isLocal(int v) const { return std::find(vars_.begin(), vars_.end(), v) != vars_.end(); }

    bool fits(int u, int a) const {
        if (grid_.rel[u][a] == kNo) return false;
        for (int v : vars_) {
            if (v == u) break;
            const int gv = groups_[v];
            if (catOf(v) == catOf(u)) {
                if (gv == a) return false;
            } else if (gv == a ? grid_.rel[u][v] == kNo : grid_.rel[u][v] == kYes) {
                return false;
            }
        }
        return true;
    }

    void search(size_t depth) {
        if (depth == vars_.size()) {
            for (const ResolvedFact &rf : facts_)
                if (!evaluate(rf, groups_)) return;
            record();
            return;
        }
        const int u = vars_[depth];
        for (int a = 0; a < 5; ++a) {
            if (!fits(u, a)) continue;
            groups_[u] = a;
            search(depth + 1);
        }
        groups_[u] = -1;
    }

    void record() {
        anyLeaf_ = true;
        for (int u : vars_) {
            for (int a = 0; a < 5; ++a) (groups_[u] == a ? sameSeen_ : diffSeen_)[u][a] = true;
            for (int v : vars_)
                if (catOf(v) != catOf(u))
                    (groups_[u] == groups_[v] ? sameSeen_ : diffSeen_)[u][v] = true;
        }
    }

    const std::vector<ResolvedFact> &facts_;
    const Grid &grid_;
    std::vector<int> vars_;
    Groups groups_{};
    bool anyLeaf_ = false;
    std::array<std::array<bool, kItems>, kItems> sameSeen_{};
    std::array<std::array<bool, kItems>, kItems> diffSeen_{};
};

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

std::string shown(const std::string &heading) {
    std::string out;
    for (size_t i = 0; i < heading.size(); ++i) {
        out += heading[i];
        if (heading[i] == '&' && i + 1 < heading.size() && heading[i + 1] == '&') ++i;
    }
    return out;
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
        auto cat = [&](size_t i) { return catOf(it[i]); };
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
    const int y = indexOf(puzzle, f.items[1]), z = indexOf(puzzle, f.items[2]);
    return y >= 0 && z >= 0 && catOf(y) != catOf(z);
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
        readings.push_back(misreading("either/or taken inclusively: " + shown(it[0]) + " with " +
                                          shown(it[1]) + ", " + shown(it[2]) + " or both",
                                      std::move(changed)));
    }
    return readings;
}

}  // namespace

LogicPuzzle logicPuzzle(const PuzzleRecord &record, std::vector<std::string> &errors) {
    LogicPuzzle p;
    for (int i = 0; i < 5; ++i) p.names[i] = record.content.itemsA[i];
    for (int i = 0; i < 15; ++i) p.names[5 + i] = record.content.rowHeadings[i];
    p.number = record.number;
    for (const Clue &clue : record.content.clues) {
        p.clues.push_back(clue.facts);
        p.misreadings.push_back(clue.misreadings);
    }
    for (const std::string &e : validateFacts(p)) errors.push_back(e);
    return p;
}

std::vector<std::string> validateFacts(const LogicPuzzle &puzzle) {
    std::vector<std::string> errors;
    for (int i = 0; i < kItems; ++i)
        for (int j = i + 1; j < kItems; ++j)
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

Groups keyGroups(const std::array<KeyTriple, 5> &key) {
    Groups g{};
    for (int a = 0; a < 5; ++a) {
        g[a] = a;
        g[5 + key[a].b - 1] = a;
        g[10 + key[a].c - 1] = a;
        g[15 + key[a].d - 1] = a;
    }
    return g;
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

DeductionResult deduce(const LogicPuzzle &puzzle) {
    DeductionResult result;
    const auto resolved = resolveAll(puzzle);
    for (const auto &clue : resolved)
        for (const ResolvedFact &rf : clue)
            for (int i : rf.items)
                if (i < 0) {
                    result.contradiction = true;
                    return result;
                }
    Grid grid;
    for (int round = 1; round <= 50; ++round) {
        Grid next = grid;
        next.changed = false;
        for (const auto &clue : resolved) {
            ClueReader reader(clue, grid);
            if (!reader.apply(next)) next.broken = true;
        }
        const bool clueChanged = next.changed;
        closeGrid(next);
        if (next.broken) {
            result.contradiction = true;
            result.rounds = round;
            return result;
        }
        if (!clueChanged && next.rel == grid.rel) break;  // stalled
        grid = next;
        result.rounds = round;
        if (grid.solved()) {
            result.solved = true;
            for (int u = 0; u < kItems; ++u)
                for (int a = 0; a < 5; ++a)
                    if (u == a || grid.rel[u][a] == kYes) result.groups[u] = a;
            return result;
        }
    }
    return result;
}

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
        if (shown(h).empty() || shown(h).size() > 13)
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
