#include "core/solver.h"

#include <algorithm>
#include <cstdlib>

namespace zentrivo {

namespace {

bool positional(Fact::Kind kind) {
    return kind == Fact::Kind::Before || kind == Fact::Kind::Offset || kind == Fact::Kind::NextTo ||
           kind == Fact::Kind::AtLeastLater || kind == Fact::Kind::AtLeastApart;
}

// Position (0-4) of item x within ordered category `order`, given groups.
// Returns -1 when the item of that category sharing x's group is unassigned.
int position(const Groups &g, int order, int x) {
    if (categoryOf(x) == order) return x % 5;
    if (order == 0) return g[x];
    for (int o = 0; o < 5; ++o)
        if (g[order * 5 + o] == g[x]) return o;
    return -1;
}

// The relations of a deduction in progress.
struct Grid {
    Relations rel{};
    bool broken = false;
    bool changed = false;

    void set(int u, int v, int value) {
        if (rel[u][v] == value) return;
        if (rel[u][v] != kRelOpen) {
            broken = true;
            return;
        }
        rel[u][v] = rel[v][u] = value;
        changed = true;
    }
    bool solved() const {
        for (int u = 0; u < kItemCount; ++u)
            for (int v = 0; v < kItemCount; ++v)
                if (categoryOf(u) != categoryOf(v) && rel[u][v] == kRelOpen) return false;
        return true;
    }
};

// The grid rules, applied until nothing changes: an O rules out the rest of
// its block line, the last open square of a block line is an O, and links
// carry across blocks.
void closeGrid(Grid &grid) {
    do {
        grid.changed = false;
        for (int u = 0; u < kItemCount && !grid.broken; ++u) {
            for (int k = 0; k < 4; ++k) {
                if (k == categoryOf(u)) continue;
                int yes = 0, open = 0, lastOpen = -1;
                for (int v = k * 5; v < k * 5 + 5; ++v) {
                    if (grid.rel[u][v] == kRelYes) ++yes;
                    if (grid.rel[u][v] == kRelOpen) ++open, lastOpen = v;
                }
                if (yes > 1 || (yes == 0 && open == 0)) {
                    grid.broken = true;
                    return;
                }
                for (int v = k * 5; v < k * 5 + 5; ++v)
                    if (yes == 1 && grid.rel[u][v] == kRelOpen) grid.set(u, v, kRelNo);
                if (yes == 0 && open == 1) grid.set(u, lastOpen, kRelYes);
            }
        }
        for (int u = 0; u < kItemCount; ++u)
            for (int v = 0; v < kItemCount; ++v) {
                if (categoryOf(u) == categoryOf(v) || grid.rel[u][v] != kRelYes) continue;
                for (int w = 0; w < kItemCount; ++w) {
                    if (categoryOf(w) == categoryOf(u) || categoryOf(w) == categoryOf(v)) continue;
                    if (grid.rel[v][w] == kRelYes) grid.set(u, w, kRelYes);
                    if (grid.rel[v][w] == kRelNo) grid.set(u, w, kRelNo);
                }
            }
    } while (grid.changed && !grid.broken);
}

// What one clue, read against the grid as it stands, allows: every way of
// placing the clue's items that the grid permits is tried, and any relation
// that holds (or fails) in all of them is marked.
class ClueReader {
public:
    ClueReader(const std::vector<ResolvedFact> &facts, const Relations &rel)
        : facts_(facts), rel_(rel) {
        // The items are placed fact by fact, each fact's own items before its
        // ordering category, so that a fact can be tested as soon as it is
        // decided and cut the search there.
        auto add = [this](int i) {
            if (i >= 0 && categoryOf(i) != 0 && !isLocal(i)) vars_.push_back(i);
        };
        for (const ResolvedFact &rf : facts) {
            for (int i : rf.items) add(i);
            if (rf.order > 0)
                for (int o = rf.order * 5; o < rf.order * 5 + 5; ++o) add(o);
        }
        groups_.fill(-1);
        for (int a = 0; a < 5; ++a) groups_[a] = a;
    }

    // Writes the clue's deductions into `out`; false when nothing fits.
    bool apply(Grid &out) {
        search(0);
        if (!anyLeaf_) return false;
        for (int u : vars_) {
            for (int v = 0; v < kItemCount; ++v) {
                if (categoryOf(v) == categoryOf(u) || rel_[u][v] != kRelOpen) continue;
                if (categoryOf(v) != 0 && !isLocal(v)) continue;
                if (!sameSeen_[u][v]) out.set(u, v, kRelNo);
                if (!diffSeen_[u][v]) out.set(u, v, kRelYes);
            }
        }
        return true;
    }

private:
    bool isLocal(int v) const { return std::find(vars_.begin(), vars_.end(), v) != vars_.end(); }

    bool fits(int u, int a) const {
        if (rel_[u][a] == kRelNo) return false;
        for (int v : vars_) {
            if (v == u) break;
            const int gv = groups_[v];
            if (categoryOf(v) == categoryOf(u)) {
                if (gv == a) return false;
            } else if (gv == a ? rel_[u][v] == kRelNo : rel_[u][v] == kRelYes) {
                return false;
            }
        }
        return true;
    }

    // True when every item the fact needs is placed: its own items and, for
    // an ordering, the items of that category that share their groups.
    bool decided(const ResolvedFact &rf) const {
        for (int i : rf.items)
            if (groups_[i] < 0 || (rf.order > 0 && position(groups_, rf.order, i) < 0))
                return false;
        return true;
    }

    void search(size_t depth) {
        for (const ResolvedFact &rf : facts_)
            if (decided(rf) && !evaluate(rf, groups_)) return;
        if (depth == vars_.size()) {
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
                if (categoryOf(v) != categoryOf(u))
                    (groups_[u] == groups_[v] ? sameSeen_ : diffSeen_)[u][v] = true;
        }
    }

    const std::vector<ResolvedFact> &facts_;
    const Relations &rel_;
    std::vector<int> vars_;
    Groups groups_{};
    bool anyLeaf_ = false;
    std::array<std::array<bool, kItemCount>, kItemCount> sameSeen_{};
    std::array<std::array<bool, kItemCount>, kItemCount> diffSeen_{};
};

// The first open pair of a block line that one of the grid's rules decides,
// in the order of Reason; nothing when none does or a line breaks a rule.
std::optional<Step> gridStep(const Relations &rel, bool &broken) {
    for (int pass = 0; pass < 2; ++pass) {
        for (int u = 0; u < kItemCount; ++u) {
            for (int k = 0; k < 4; ++k) {
                if (k == categoryOf(u)) continue;
                int yes = 0, open = 0, lastOpen = -1, yesAt = -1;
                for (int v = k * 5; v < k * 5 + 5; ++v) {
                    if (rel[u][v] == kRelYes) ++yes, yesAt = v;
                    if (rel[u][v] == kRelOpen) ++open, lastOpen = v;
                }
                if (yes > 1 || (yes == 0 && open == 0)) {
                    broken = true;
                    return std::nullopt;
                }
                if (pass == 0 && yes == 1 && open > 0) {
                    for (int v = k * 5; v < k * 5 + 5; ++v)
                        if (rel[u][v] == kRelOpen)
                            return Step{Reason::OnlyOne, u, v, false, 0, {{u, yesAt}}};
                }
                if (pass == 1 && yes == 0 && open == 1) {
                    Step s{Reason::LastOpen, u, lastOpen, true, 0, {}};
                    for (int v = k * 5; v < k * 5 + 5; ++v)
                        if (v != lastOpen) s.restsOn.emplace_back(u, v);
                    return s;
                }
            }
        }
    }
    for (int u = 0; u < kItemCount; ++u)
        for (int v = 0; v < kItemCount; ++v) {
            if (categoryOf(u) == categoryOf(v) || rel[u][v] != kRelYes) continue;
            for (int w = 0; w < kItemCount; ++w) {
                if (categoryOf(w) == categoryOf(u) || categoryOf(w) == categoryOf(v)) continue;
                if (rel[v][w] != kRelOpen && rel[u][w] == kRelOpen)
                    return Step{Reason::Link, u, w, rel[v][w] == kRelYes, 0, {{u, v}, {v, w}}};
            }
        }
    return std::nullopt;
}

}  // namespace

LogicPuzzle puzzleOf(const PuzzleRecord &record) {
    LogicPuzzle p;
    for (int i = 0; i < 5; ++i) p.names[i] = record.content.itemsA[i];
    for (int i = 0; i < 15; ++i) p.names[5 + i] = record.content.rowHeadings[i];
    p.number = record.number;
    for (const Clue &clue : record.content.clues) {
        p.clues.push_back(clue.facts);
        p.misreadings.push_back(clue.misreadings);
    }
    return p;
}

int itemIndex(const LogicPuzzle &puzzle, const std::string &name) {
    for (int i = 0; i < kItemCount; ++i)
        if (puzzle.names[i] == name) return i;
    return -1;
}

ResolvedFact resolve(const LogicPuzzle &puzzle, const Fact &fact) {
    ResolvedFact r{&fact, {}, positional(fact.kind) ? static_cast<int>(fact.order) : -1, 1u};
    for (const std::string &name : fact.items) {
        int i = itemIndex(puzzle, name);
        r.items.push_back(i);
        if (i >= 0) r.cats |= 1u << categoryOf(i);
    }
    if (r.order >= 0) r.cats |= 1u << r.order;
    return r;
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

Solver::Solver(LogicPuzzle puzzle) : puzzle_(std::move(puzzle)) {
    for (const auto &clue : puzzle_.clues) {
        std::vector<ResolvedFact> facts;
        facts.reserve(clue.size());
        for (const Fact &f : clue) {
            facts.push_back(resolve(puzzle_, f));
            for (int i : facts.back().items)
                if (i < 0) resolvedOk_ = false;
        }
        facts_.push_back(std::move(facts));
    }
}

Solver::~Solver() = default;

std::optional<Step> Solver::nextStep(const Relations &relations) const {
    if (!resolvedOk_) return std::nullopt;
    bool broken = false;
    if (std::optional<Step> s = gridStep(relations, broken)) return s;
    if (broken) return std::nullopt;
    // Each fact of a clue read on its own already follows from the clue and
    // is far quicker to read than the whole clue, so single facts are tried
    // first; the clues read whole come last.
    std::optional<Step> step;
    auto decides = [&](const std::vector<ResolvedFact> &facts, size_t clue) {
        Grid grid;
        grid.rel = relations;
        ClueReader reader(facts, relations);
        if (!reader.apply(grid) || grid.broken) return false;
        for (int u = 0; u < kItemCount && !step; ++u)
            for (int v = u + 1; v < kItemCount && !step; ++v)
                if (relations[u][v] == kRelOpen && grid.rel[u][v] != kRelOpen)
                    step = Step{Reason::Clue,
                                u,
                                v,
                                grid.rel[u][v] == kRelYes,
                                static_cast<int>(clue) + 1,
                                {}};
        return true;
    };
    for (size_t c = 0; c < facts_.size() && !step; ++c)
        for (const ResolvedFact &rf : facts_[c])
            if (!step && !decides({rf}, c)) return std::nullopt;
    for (size_t c = 0; c < facts_.size() && !step; ++c)
        if (facts_[c].size() > 1 && !decides(facts_[c], c)) return std::nullopt;
    return step;
}

DeductionResult Solver::deduce() const {
    DeductionResult result;
    if (!resolvedOk_) {
        result.contradiction = true;
        return result;
    }
    Grid grid;
    for (int round = 1; round <= 50; ++round) {
        Grid next = grid;
        next.changed = false;
        for (const auto &clue : facts_) {
            ClueReader reader(clue, grid.rel);
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
            for (int u = 0; u < kItemCount; ++u)
                for (int a = 0; a < 5; ++a)
                    if (u == a || grid.rel[u][a] == kRelYes) result.groups[u] = a;
            return result;
        }
    }
    return result;
}

}  // namespace zentrivo
