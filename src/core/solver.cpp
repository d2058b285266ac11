#include "core/solver.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

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

// The placements tried by the clue readings of this thread, which bound the
// work of one explained step.
thread_local long searchNodes = 0;
// Past this count the readings stop short and say so in `searchStopped`;
// what they found then is not used.
thread_local long searchLimit = std::numeric_limits<long>::max();
thread_local bool searchStopped = false;

// Sets the limit for the work of one part of a step's search.
class SearchLimit {
public:
    explicit SearchLimit(long limit) {
        searchLimit = limit;
        searchStopped = false;
    }
    ~SearchLimit() {
        searchLimit = std::numeric_limits<long>::max();
        searchStopped = false;
    }
    SearchLimit(const SearchLimit &) = delete;
    SearchLimit &operator=(const SearchLimit &) = delete;
};

// What one clue, read against the grid as it stands, allows: every way of
// placing the clue's items that the grid permits is tried, and any relation
// that holds (or fails) in all of them is marked.
class ClueReader {
public:
    // With `complete`, a category of which the clue places four items gets
    // its fifth placed too (it takes the group left over), so that what the
    // clue forces on that item is seen as well.
    // `also` names more items to place, beside the facts' own.
    ClueReader(const std::vector<ResolvedFact> &facts, const Relations &rel, bool complete = false,
               const std::vector<int> &also = {})
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
        for (int i : also) add(i);
        if (complete) {
            for (int k = 1; k < 4; ++k) {
                int placed = 0, missing = -1;
                for (int i = k * 5; i < k * 5 + 5; ++i) isLocal(i) ? ++placed : missing = i;
                if (placed == 4) vars_.push_back(missing);
            }
        }
        groups_.fill(-1);
        for (int a = 0; a < 5; ++a) groups_[a] = a;
        // The pairs a placement decides: each placed item with the items of
        // A and with the placed items of other categories.
        for (size_t d = 0; d < vars_.size(); ++d) {
            for (int a = 0; a < 5; ++a) open_.emplace_back(vars_[d], a);
            for (size_t e = d + 1; e < vars_.size(); ++e)
                if (categoryOf(vars_[e]) != categoryOf(vars_[d]))
                    open_.emplace_back(vars_[d], vars_[e]);
        }
        // The facts to test at each depth: all at the root, then those
        // that name the item placed last or order its category.
        touched_.resize(vars_.size() + 1);
        for (size_t f = 0; f < facts.size(); ++f) touched_[0].push_back(f);
        for (size_t d = 0; d < vars_.size(); ++d) {
            const int u = vars_[d];
            for (size_t f = 0; f < facts.size(); ++f) {
                const ResolvedFact &rf = facts[f];
                if (rf.order == categoryOf(u) ||
                    std::find(rf.items.begin(), rf.items.end(), u) != rf.items.end())
                    touched_[d + 1].push_back(f);
            }
        }
        // What the marks allow each placed item, against A and the items
        // placed before it.
        for (size_t d = 0; d < vars_.size(); ++d) {
            const int u = vars_[d];
            Constraint c;
            for (int a = 0; a < 5; ++a)
                if (rel_[u][a] == kRelYes) c.groups = 1u << a;
            if (c.groups == 0x1f)
                for (int a = 0; a < 5; ++a)
                    if (rel_[u][a] == kRelNo) c.groups &= ~(1u << a);
            for (size_t e = 0; e < d; ++e) {
                const int v = vars_[e];
                if (categoryOf(v) != categoryOf(u) && rel_[u][v] != kRelOpen)
                    c.marks.emplace_back(v, rel_[u][v] == kRelYes);
            }
            constraints_.push_back(std::move(c));
        }
        // Which positions of its two items each ordering fact allows.
        allowed_.resize(facts.size());
        for (size_t f = 0; f < facts.size(); ++f) {
            const ResolvedFact &rf = facts[f];
            if (rf.order <= 0 || rf.items.size() != 2) continue;
            ResolvedFact at = rf;
            Groups none{};
            for (int p = 0; p < 5; ++p)
                for (int q = 0; q < 5; ++q) {
                    at.items = {rf.order * 5 + p, rf.order * 5 + q};
                    allowed_[f][static_cast<size_t>(p)][static_cast<size_t>(q)] =
                        evaluate(at, none);
                }
        }
    }

    const std::vector<int> &vars() const { return vars_; }

    // Whether some placement fits; stops at the first.
    bool any() {
        stopAtFirst_ = true;
        search(0);
        return anyLeaf_;
    }

    // Every pair of a placed item with an item of A or another placed item
    // that all placements agree on (the same open or decided); false when
    // nothing fits.
    bool forced(std::vector<PairMark> &out) {
        search(0);
        if (!anyLeaf_) return false;
        for (int u : vars_) {
            for (int v = 0; v < kItemCount; ++v) {
                if (categoryOf(v) == categoryOf(u) || (categoryOf(v) != 0 && !isLocal(v))) continue;
                if (categoryOf(v) != 0 && v < u) continue;  // each pair of placed items once
                if (sameSeen_[u][v] != diffSeen_[u][v])
                    out.push_back({std::min(u, v), std::max(u, v), sameSeen_[u][v]});
            }
        }
        return true;
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

    // Whether the item placed at `depth` may join group a: the marks with
    // the items of A and with the items placed before it allow it, and no
    // item of its category holds that group.
    bool fits(size_t depth, int a) const {
        const Constraint &c = constraints_[depth];
        if (!(c.groups & (1u << a)) || (used_[categoryOf(vars_[depth])] & (1u << a))) return false;
        for (const auto &[v, together] : c.marks)
            if ((groups_[v] == a) != together) return false;
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

    // For an ordering fact whose two items are placed but not yet both
    // given a position: whether positions are still left that satisfy it.
    // The positions left to an item are those of the ordered category's
    // items that are unplaced and not crossed off the item's group.
    bool positionsLeft(size_t f) const {
        const ResolvedFact &rf = facts_[f];
        const int order = rf.order;
        unsigned sets[2] = {0, 0};
        int groups[2] = {-1, -1};
        for (int i = 0; i < 2; ++i) {
            const int x = rf.items[static_cast<size_t>(i)];
            groups[i] = groups_[x];
            if (categoryOf(x) == order) {
                sets[i] = 1u << (x % 5);
                continue;
            }
            if (groups[i] < 0) return true;
            for (int q = 0; q < 5; ++q) {
                const int o = order * 5 + q;
                if (groups_[o] == groups[i]) {
                    sets[i] = 1u << q;
                    break;
                }
                if (groups_[o] < 0 && rel_[o][groups[i]] != kRelNo) sets[i] |= 1u << q;
            }
        }
        const bool known = groups[0] >= 0 && groups[1] >= 0;
        for (int p = 0; p < 5; ++p)
            for (int q = 0; q < 5; ++q) {
                if (!(sets[0] & (1u << p)) || !(sets[1] & (1u << q))) continue;
                // Items of one group share a position; of two groups, not.
                if (known && (groups[0] == groups[1]) != (p == q)) continue;
                if (allowed_[f][static_cast<size_t>(p)][static_cast<size_t>(q)]) return true;
            }
        return false;
    }

    void search(size_t depth) {
        if (++searchNodes > searchLimit) searchStopped = true;
        if (searchStopped) return;
        // Only the facts the last placed item bears on can have changed.
        for (const size_t f : touched_[depth]) {
            const ResolvedFact &rf = facts_[f];
            if (decided(rf)) {
                if (!evaluate(rf, groups_)) return;
            } else if (rf.order > 0 && rf.items.size() == 2 && !positionsLeft(f)) {
                return;
            }
        }
        if (depth == vars_.size()) {
            record();
            return;
        }
        const int u = vars_[depth];
        unsigned &used = used_[categoryOf(u)];
        for (int a = 0; a < 5 && !done(); ++a) {
            if (!fits(depth, a)) continue;
            groups_[u] = a;
            used |= 1u << a;
            search(depth + 1);
            used &= ~(1u << a);
        }
        groups_[u] = -1;
    }

    // Notes which pairs this placement puts together and which apart; a
    // pair seen both ways is no longer followed.
    void record() {
        anyLeaf_ = true;
        for (size_t i = 0; i < open_.size();) {
            const auto [u, v] = open_[i];
            auto &seen = groups_[u] == groups_[v] ? sameSeen_ : diffSeen_;
            seen[u][v] = seen[v][u] = true;
            if (sameSeen_[u][v] && diffSeen_[u][v]) {
                open_[i] = open_.back();
                open_.pop_back();
            } else {
                ++i;
            }
        }
    }

    // Whether the search can stop: a placement is found and either that is
    // all that is asked or no pair is left that all placements could agree on.
    bool done() const { return anyLeaf_ && (stopAtFirst_ || open_.empty()); }

    const std::vector<ResolvedFact> &facts_;
    const Relations &rel_;
    std::vector<int> vars_;
    Groups groups_{};
    struct Constraint {
        unsigned groups = 0x1f;                   // the groups of A allowed
        std::vector<std::pair<int, bool>> marks;  // earlier items: together or apart
    };
    std::vector<Constraint> constraints_;       // by depth
    std::vector<std::vector<size_t>> touched_;  // by depth: the facts to test there
    std::vector<std::pair<int, int>> open_;     // pairs not yet seen both together and apart
    std::array<unsigned, 4> used_{};            // the groups each category's placed items hold
    bool anyLeaf_ = false;
    bool stopAtFirst_ = false;
    std::vector<std::array<std::array<bool, 5>, 5>> allowed_;
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

using Marks = std::vector<PairMark>;

PairMark pairMark(int u, int v, bool together) {
    return {std::min(u, v), std::max(u, v), together};
}

PairMark flipped(PairMark m) {
    m.together = !m.together;
    return m;
}

// Whether the facts leave some placement that agrees with `marks` and with
// `assumed`; false too when an assumed pair clashes with a mark or another.
bool fitsWith(const std::vector<ResolvedFact> &facts, const Marks &marks, const Marks &assumed) {
    Relations rel{};
    for (const PairMark &m : marks)
        rel[m.item][m.other] = rel[m.other][m.item] = m.together ? kRelYes : kRelNo;
    for (const PairMark &m : assumed) {
        const int want = m.together ? kRelYes : kRelNo;
        if (rel[m.item][m.other] != kRelOpen && rel[m.item][m.other] != want) return false;
        rel[m.item][m.other] = rel[m.other][m.item] = want;
    }
    ClueReader reader(facts, rel, true);
    return reader.any();
}

// Leaves out of `marks`, one at a time, each mark without which the facts
// still leave no placement with `assumed`: none of those kept can go.
Marks fewestMarks(const std::vector<ResolvedFact> &facts, Marks marks, const Marks &assumed) {
    // Marks away from the assumed pairs' items are the likeliest to go: they
    // are tried first, many at a time, then one by one.
    auto near = [&](const PairMark &m) {
        for (const PairMark &a : assumed)
            for (int i : {a.item, a.other})
                if (m.item == i || m.other == i) return true;
        return false;
    };
    std::stable_partition(marks.begin(), marks.end(), [&](const PairMark &m) { return !near(m); });
    for (size_t chunk = std::max<size_t>(1, marks.size() / 4);; chunk /= 2) {
        for (size_t i = 0; i < marks.size();) {
            const size_t n = std::min(chunk, marks.size() - i);
            Marks fewer = marks;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i),
                        fewer.begin() + static_cast<std::ptrdiff_t>(i + n));
            if (!fitsWith(facts, fewer, assumed))
                marks = std::move(fewer);
            else
                i += n;
        }
        if (chunk <= 1) break;
    }
    return marks;
}

// Whether the marks force the target on their own, by the grid alone: then
// a clue read with them adds nothing.
bool gridForces(const Marks &marks, const PairMark &target) {
    Relations rel{};
    std::vector<int> items{target.item, target.other};
    for (const PairMark &m : marks) {
        rel[m.item][m.other] = rel[m.other][m.item] = m.together ? kRelYes : kRelNo;
        items.push_back(m.item);
        items.push_back(m.other);
    }
    const PairMark other = flipped(target);
    rel[other.item][other.other] = rel[other.other][other.item] = other.together ? kRelYes : kRelNo;
    static const std::vector<ResolvedFact> none;
    ClueReader reader(none, rel, true, items);
    return !reader.any();
}

// The pairs the facts force with `marks` alone; none when nothing fits.
Marks forcedBy(const std::vector<ResolvedFact> &facts, const Marks &marks) {
    Relations rel{};
    for (const PairMark &m : marks)
        rel[m.item][m.other] = rel[m.other][m.item] = m.together ? kRelYes : kRelNo;
    ClueReader reader(facts, rel, true);
    Marks out;
    reader.forced(out);
    return out;
}

// Position `p` of ordered category `order` for item x: the O it takes, none
// when x is of that category (and so fixed), or false when it cannot be.
bool placeAt(int order, int x, int p, Marks &out) {
    if (categoryOf(x) == order) return x % 5 == p;
    out.push_back({x, order * 5 + p, true});
    return true;
}

// The ways one fact can hold, each as the pairs it decides (those it puts
// together with the item the fact names first); one empty way for the
// facts that hold one way only.
std::vector<Marks> waysOf(const ResolvedFact &rf) {
    const std::vector<int> &it = rf.items;
    const Fact &f = *rf.fact;
    std::vector<Marks> ways;
    auto differs = [](int u, int v) { return categoryOf(u) != categoryOf(v); };
    switch (f.kind) {
        case Fact::Kind::Either: {
            Marks first{{it[0], it[1], true}}, second{{it[0], it[2], true}};
            if (differs(it[0], it[2])) first.push_back(pairMark(it[0], it[2], false));
            if (differs(it[0], it[1])) second.push_back(pairMark(it[0], it[1], false));
            return {first, second};
        }
        case Fact::Kind::EitherOrBoth:
            return {{{it[0], it[1], true}}, {{it[0], it[2], true}}};
        case Fact::Kind::PairOf:
            return {{{it[0], it[2], true}, {it[1], it[3], true}},
                    {{it[0], it[3], true}, {it[1], it[2], true}}};
        case Fact::Kind::Before:
        case Fact::Kind::Offset:
        case Fact::Kind::NextTo:
        case Fact::Kind::AtLeastLater:
        case Fact::Kind::AtLeastApart: {
            const int order = rf.order;
            for (int p = 0; p < 5; ++p)
                for (int q = 0; q < 5; ++q) {
                    if (p == q) continue;
                    Groups g{};
                    // Positions only: the fact's items in groups p and q of an
                    // ordered category read directly.
                    for (int i = 0; i < kItemCount; ++i) g[i] = categoryOf(i) == order ? i % 5 : -1;
                    ResolvedFact local = rf;
                    local.order = order;
                    Marks way;
                    if (!placeAt(order, it[0], p, way) || !placeAt(order, it[1], q, way)) continue;
                    // Evaluate on positions: items of the ordered category stand in.
                    local.items = {order * 5 + p, order * 5 + q};
                    if (!evaluate(local, g)) continue;
                    ways.push_back(way);
                }
            return ways;
        }
        default:
            return {{}};
    }
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

std::optional<ExplainedStep> Solver::explainStep(const Relations &relations) const {
    if (!resolvedOk_) return std::nullopt;
    bool broken = false;
    if (std::optional<Step> s = gridStep(relations, broken)) {
        ExplainedStep e{*s, {}, {}, {}};
        for (const auto &[u, v] : s->restsOn)
            e.marks.push_back(pairMark(u, v, relations[u][v] == kRelYes));
        return e;
    }
    if (broken) return std::nullopt;
    auto open = [&](const PairMark &m) { return relations[m.item][m.other] == kRelOpen; };
    // The placements the search for the fewest marks may try before it
    // takes the best step found so far (a few milliseconds' work), so that
    // a hint never keeps the player waiting. Counted, not timed, so that
    // the same board always gets the same hint.
    constexpr long kStepBudget = 30000;
    searchNodes = 0;

    // The step of clue c to `target` resting on `marks`: the facts it reads
    // and, when the other mark leaves the clue more than one way to hold,
    // those ways with the marks that rule each out.
    auto explain = [&](size_t c, const PairMark &target, const Marks &marks) {
        ExplainedStep e{Step{Reason::Clue,
                             target.item,
                             target.other,
                             target.together,
                             static_cast<int>(c) + 1,
                             {}},
                        marks,
                        {},
                        {}};
        const Marks contrary{flipped(target)};
        std::vector<ResolvedFact> facts = facts_[c];
        std::vector<int> kept;
        for (size_t i = 0; i < facts_[c].size(); ++i) kept.push_back(static_cast<int>(i));
        for (size_t i = 0; i < facts.size() && facts.size() > 1;) {
            std::vector<ResolvedFact> fewer = facts;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
            if (!fitsWith(fewer, marks, contrary)) {
                facts = std::move(fewer);
                kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                ++i;
            }
        }
        e.facts = kept;
        if (marks.empty()) return e;
        // The ways each fact can still hold with the other mark, read with
        // all the facts the step reads. When no fact has two, the mark follows
        // without cases; otherwise the cases are the ways of the fact with
        // the fewest.
        std::vector<Marks> split;
        for (const ResolvedFact &rf : facts) {
            std::vector<Marks> alive;
            for (const Marks &way : waysOf(rf)) {
                Marks assumed = contrary;
                assumed.insert(assumed.end(), way.begin(), way.end());
                if (fitsWith(facts, {}, assumed)) alive.push_back(way);
            }
            if (alive.size() > 1 && (split.empty() || alive.size() < split.size()))
                split = std::move(alive);
        }
        for (const Marks &way : split) {
            Marks assumed = contrary;
            assumed.insert(assumed.end(), way.begin(), way.end());
            StepCase one;
            for (const PairMark &m : way)
                if (m.together && !(pairMark(m.item, m.other, true) == flipped(target)))
                    one.placed.push_back(m);
            one.ruledOutBy = fewestMarks(facts, marks, assumed);
            e.cases.push_back(std::move(one));
        }
        // Ways all ruled out by the same marks need no cases.
        if (std::all_of(e.cases.begin(), e.cases.end(), [&](const StepCase &one) {
                return one.ruledOutBy == e.cases.front().ruledOutBy;
            }))
            e.cases.clear();
        return e;
    };

    // A clue read alone; its O first.
    {
        const std::lock_guard<std::mutex> lock(aloneMutex_);
        if (alone_.empty())
            for (const auto &clue : facts_) alone_.push_back(forcedBy(clue, {}));
    }
    for (size_t c = 0; c < facts_.size(); ++c) {
        const Marks &forced = alone_[c];
        std::optional<PairMark> pick;
        for (const PairMark &m : forced)
            if (open(m) && (!pick || (m.together && !pick->together))) pick = m;
        if (pick) return explain(c, *pick, {});
    }

    // A clue read with the marks on its items: each mark it forces, with the
    // fewest marks found that force it.
    struct Candidate {
        size_t clue;
        PairMark target;
        Marks marks;
        const Marks *forcedO;  // the open O's the clue forces with every mark
    };
    struct Reading {
        size_t clue;
        long cost;  // the placements its reading with every mark tried
        Marks forced, relevant, forcedO;
    };
    std::vector<Reading> readings;
    for (size_t c = 0; c < facts_.size(); ++c) {
        const long before = searchNodes;
        ClueReader reader(facts_[c], relations, true);
        Reading r{c, 0, {}, {}, {}};
        if (!reader.forced(r.forced)) return std::nullopt;
        r.cost = searchNodes - before;
        r.forced.erase(std::remove_if(r.forced.begin(), r.forced.end(),
                                      [&](const PairMark &m) { return !open(m); }),
                       r.forced.end());
        const std::vector<int> &vars = reader.vars();
        auto placed = [&](int v) { return std::find(vars.begin(), vars.end(), v) != vars.end(); };
        for (int u = 0; u < kItemCount; ++u)
            for (int v = u + 1; v < kItemCount; ++v)
                if (categoryOf(u) != categoryOf(v) && relations[u][v] != kRelOpen &&
                    (placed(v) && (categoryOf(u) == 0 || placed(u))))
                    r.relevant.push_back(pairMark(u, v, relations[u][v] == kRelYes));
        for (const PairMark &m : r.forced)
            if (m.together) r.forcedO.push_back(m);
        if (!r.forced.empty()) readings.push_back(std::move(r));
    }
    // The quickest clues to read first, so that the budget goes furthest.
    std::stable_sort(readings.begin(), readings.end(),
                     [](const Reading &a, const Reading &b) { return a.cost < b.cost; });
    // Once a step is in hand, the search for one with fewer marks gives up
    // past the budget.
    std::vector<Candidate> candidates;
    bool stopped = false;
    for (size_t i = 0; i < readings.size() && !stopped; ++i) {
        const Reading &r = readings[i];
        for (size_t t = 0; t < r.forced.size() && !stopped; ++t) {
            const PairMark &target = r.forced[t];
            const SearchLimit limit(candidates.empty() ? std::numeric_limits<long>::max()
                                                       : kStepBudget);
            Marks marks = fewestMarks(facts_[r.clue], r.relevant, {flipped(target)});
            stopped = searchStopped;
            if (!stopped && !gridForces(marks, target))
                candidates.push_back({r.clue, target, std::move(marks), &r.forcedO});
        }
    }
    if (candidates.empty()) return std::nullopt;
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) {
                         if (a.marks.size() != b.marks.size())
                             return a.marks.size() < b.marks.size();
                         return a.target.together && !b.target.together;
                     });
    std::optional<ExplainedStep> withCases;
    for (Candidate &cand : candidates) {
        const SearchLimit limit(withCases ? 2 * kStepBudget : std::numeric_limits<long>::max());
        // An O the same marks force comes first. It is among the O's the
        // clue forces with every mark, as fewer marks force no more.
        // One whose marks put two items together by the grid alone is left
        // for another step.
        bool gridO = false;
        if (!cand.target.together) {
            for (const PairMark &m : *cand.forcedO)
                if (!fitsWith(facts_[cand.clue], cand.marks, {flipped(m)})) {
                    if (searchStopped) break;
                    Marks marks = fewestMarks(facts_[cand.clue], cand.marks, {flipped(m)});
                    if (gridForces(marks, m)) {
                        gridO = true;
                        continue;
                    }
                    cand.target = m;
                    cand.marks = std::move(marks);
                    gridO = false;
                    break;
                }
        }
        if (searchStopped) break;
        if (gridO) continue;
        ExplainedStep e = explain(cand.clue, cand.target, cand.marks);
        if (searchStopped) break;
        if (e.cases.empty()) return e;
        // Of the steps with cases on as few marks, the one with the fewest.
        if (!withCases ||
            (e.marks.size() == withCases->marks.size() && e.cases.size() < withCases->cases.size()))
            withCases = std::move(e);
    }
    return withCases;
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
