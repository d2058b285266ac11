#include "core/hint.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

#include "core/answerkey.h"
#include "core/captions.h"

namespace zentrivo {

namespace {

// Which category runs along the columns where two categories meet: A before
// D before C before B.
int columnRank(int category) {
    static constexpr int kRank[4] = {0, 3, 2, 1};
    return kRank[category];
}

class Wording {
public:
    explicit Wording(const LogicPuzzle &puzzle) : puzzle_(puzzle) {}

    std::string name(int item) const { return shownCaption(puzzle_.names[item]); }

    // "8:00 a.m. meets 4th Floor": the column's item, then the row's.
    std::string meeting(int item, int other) const {
        const auto [column, row] = cellItems(cellOf(item, other));
        return name(column) + " meets " + name(row);
    }

    std::string mark(bool together) const { return together ? "O" : "X"; }

    // Ends the text with a full stop, unless a name ending in one ("a.m.") already does.
    static std::string sentence(std::string text) {
        if (text.empty() || text.back() != '.') text += '.';
        return text;
    }

    std::string conclusion(int item, int other, bool together) const {
        const auto [column, row] = cellItems(cellOf(item, other));
        return sentence("So " + name(column) + (together ? " goes with " : " does not go with ") +
                        name(row) + ": put " + (together ? "an O" : "an X") + " where " +
                        meeting(item, other));
    }

    std::string reason(const Step &step, const std::vector<Clue> &clues) const {
        switch (step.reason) {
            case Reason::OnlyOne: {
                const auto [u, v] = step.restsOn.front();
                return "The O where " + meeting(u, v) + " leaves no other O for " + name(u) +
                       " in that block.";
            }
            case Reason::LastOpen: {
                std::string list;
                for (size_t i = 0; i < step.restsOn.size(); ++i) {
                    if (i > 0) list += i + 1 == step.restsOn.size() ? " and " : ", ";
                    list += name(step.restsOn[i].second);
                }
                return "The X's where " + name(step.item) + " meets " + list + " leave " +
                       name(step.other) + " as the last open square for " + name(step.item) +
                       " in that block.";
            }
            case Reason::Link: {
                const auto [u, v] = step.restsOn[0];
                const auto [v2, w] = step.restsOn[1];
                const auto [column, row] = cellItems(cellOf(u, v));
                return "The O where " + meeting(u, v) + " puts " + name(column) + " and " +
                       name(row) + " together, so the " + mark(step.together) + " where " +
                       meeting(v2, w) + " holds for " + name(u) + " too.";
            }
            case Reason::Clue:
                return "Clue " + std::to_string(step.clue) + ": " +
                       clueSentence(clues.at(static_cast<size_t>(step.clue - 1)));
        }
        return {};
    }

    // Where to look for a grid rule's step, without its square.
    std::string gridLook(const ExplainedStep &e) const {
        const Step &step = e.step;
        switch (step.reason) {
            case Reason::OnlyOne: {
                const auto [u, v] = step.restsOn.front();
                return "Look at the O where " + meeting(u, v) +
                       ": a line of a block holds only one O.";
            }
            case Reason::LastOpen: {
                const int k = categoryOf(step.other) * 5;
                return "Look at the line of " + name(step.item) + " across " + name(k) + " to " +
                       name(k + 4) + ": every line of a block holds one O.";
            }
            case Reason::Link: {
                const auto [u, v] = step.restsOn.front();
                return "Look at the O where " + meeting(u, v) +
                       ": two items that go together share their X's and O's in the other blocks.";
            }
            case Reason::Clue:
                break;
        }
        return {};
    }

    // "a", "a and b", "a, b and c".
    static std::string list(const std::vector<std::string> &parts) {
        std::string text;
        for (size_t i = 0; i < parts.size(); ++i) {
            if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
            text += parts[i];
        }
        return text;
    }

    // "the X where Pine Avenue meets Trumpet", as the board names the square.
    std::string markName(const PairMark &m) const {
        return std::string(m.together ? "the O" : "the X") + " where " + meeting(m.item, m.other);
    }

    std::string markList(const std::vector<PairMark> &marks) const {
        std::vector<std::string> parts;
        parts.reserve(marks.size());
        for (const PairMark &m : marks) parts.push_back(markName(m));
        return list(parts);
    }

    // "Pine Avenue with Cello": the column's item, then the row's.
    std::string with(const PairMark &m) const {
        const auto [column, row] = cellItems(cellOf(m.item, m.other));
        return name(column) + " with " + name(row);
    }

    // What one fact states, in the words of its kind.
    std::string factText(const Fact &f) const {
        std::vector<std::string> n;
        std::vector<int> cat;
        for (const std::string &item : f.items) {
            n.push_back(shownCaption(item));
            cat.push_back(categoryOf(std::max(0, itemIndex(puzzle_, item))));
        }
        const int k = static_cast<int>(f.order) * 5;
        const std::string order = ", in the order " + name(k) + " to " + name(k + 4);
        auto places = [](int count) {
            return count == 1 ? std::string("one place") : std::to_string(count) + " places";
        };
        switch (f.kind) {
            case Fact::Kind::Same:
                return n[0] + " goes with " + n[1];
            case Fact::Kind::Differ:
                return n[0] + " does not go with " + n[1];
            case Fact::Kind::Either:
                return n[0] + " goes with " + n[1] + " or " + n[2] +
                       (cat[1] != cat[2] ? ", not both" : "");
            case Fact::Kind::EitherOrBoth:
                return n[0] + " goes with " + n[1] + " or " + n[2] + ", or both";
            case Fact::Kind::Before:
                return n[0] + " comes before " + n[1] + order;
            case Fact::Kind::Offset:
                return n[0] + " is exactly " + places(std::abs(f.k)) +
                       (f.k < 0 ? " before " : " after ") + n[1] + order;
            case Fact::Kind::NextTo:
                return n[0] + " and " + n[1] + " are next to each other" + order;
            case Fact::Kind::AtLeastLater:
                return n[0] + " is at least " + places(f.k) + " after " + n[1] + order;
            case Fact::Kind::AtLeastApart:
                return n[0] + " and " + n[1] + " are at least " + places(f.k) + " apart" + order;
            case Fact::Kind::PairOf:
                return "of " + n[0] + " and " + n[1] + ", one goes with " + n[2] +
                       " and the other with " + n[3];
            case Fact::Kind::AllDifferent:
                return "no two of " + list(n) + " go together";
        }
        return {};
    }

    // The facts of a clue that a step reads, joined.
    std::string factsText(const ExplainedStep &e) const {
        const std::vector<Fact> &facts = puzzle_.clues.at(static_cast<size_t>(e.step.clue - 1));
        std::string text;
        for (int i : e.facts) {
            if (!text.empty()) text += "; ";
            text += factText(facts.at(static_cast<size_t>(i)));
        }
        return text;
    }

    static std::string capitalized(std::string text) {
        if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
        return text;
    }

    // Where to look for a clue's step: the clue, what it states, and the
    // items of the marks to read it with.
    std::string clueLook(const ExplainedStep &e) const {
        std::string text =
            sentence("Look at clue " + std::to_string(e.step.clue) + ": " + factsText(e));
        if (e.marks.empty()) return text;
        std::vector<int> items;
        for (const PairMark &m : e.marks)
            for (int i : {m.item, m.other})
                if (std::find(items.begin(), items.end(), i) == items.end()) items.push_back(i);
        std::vector<std::string> names;
        names.reserve(items.size());
        for (int i : items) names.push_back(name(i));
        return text +
               (e.cases.empty() ? " Read it with your marks for "
                                : " Try its cases one by one with your marks for ") +
               sentence(list(names));
    }

    // The whole reasoning of a clue's step, the square and its mark.
    std::string clueWhy(const ExplainedStep &e) const {
        const Step &s = e.step;
        const PairMark target{s.item, s.other, s.together};
        const std::string clue = "clue " + std::to_string(s.clue) + " (" + factsText(e) + ")";
        const std::string put = std::string(": put ") + (s.together ? "an O" : "an X") + " where " +
                                meeting(s.item, s.other);
        const std::string verb = s.together ? " puts " : " rules out ";
        if (e.marks.empty()) return sentence(capitalized(clue) + verb + with(target) + put);
        if (e.cases.empty())
            return sentence("With " + markList(e.marks) + ", " + clue + verb + with(target) + put);
        const auto [column, row] = cellItems(cellOf(s.item, s.other));
        std::string text = "If " + name(column) +
                           (s.together ? " did not go with " : " went with ") + name(row) + ", " +
                           clue + " would leave only ";
        // Cases that the same marks rule out are told together.
        std::vector<bool> told(e.cases.size(), false);
        for (size_t i = 0; i < e.cases.size(); ++i) {
            if (told[i]) continue;
            std::vector<std::string> ways;
            for (size_t j = i; j < e.cases.size(); ++j) {
                if (told[j] || !(e.cases[j].ruledOutBy == e.cases[i].ruledOutBy)) continue;
                told[j] = true;
                std::vector<std::string> placed;
                for (const PairMark &m : e.cases[j].placed)
                    placed.push_back(name(m.item) + " with " + name(m.other));
                ways.push_back(placed.empty() ? std::string("its one way") : list(placed));
            }
            std::string group;
            for (size_t w = 0; w < ways.size(); ++w) group += (w ? ", or " : "") + ways[w];
            const std::vector<PairMark> &by = e.cases[i].ruledOutBy;
            if (i > 0) text += "; or ";
            text +=
                group + ", which " + markList(by) + (by.size() == 1 ? " rules out" : " rule out");
        }
        return text + ".  " + conclusion(s.item, s.other, s.together);
    }

private:
    const LogicPuzzle &puzzle_;
};

Hint textHint(Hint::Kind kind, std::string text) {
    Hint h;
    h.kind = kind;
    h.first = text;
    h.text = std::move(text);
    return h;
}

}  // namespace

std::pair<int, int> cellItems(CellId cell) {
    const int c = (cell.column - 1) % 5, r = (cell.row - 1) % 5;
    static constexpr int kColumnCategory[3] = {0, 3, 2};  // A, D, C
    static constexpr int kRowCategory[3] = {1, 2, 3};     // B, C, D
    return {kColumnCategory[cell.columnBand() - 1] * 5 + c,
            kRowCategory[cell.rowBand() - 1] * 5 + r};
}

CellId cellOf(int item, int other) {
    if (columnRank(categoryOf(item)) > columnRank(categoryOf(other))) std::swap(item, other);
    static constexpr int kFirstColumn[4] = {1, 0, 11, 6};  // by category; B is never a column
    static constexpr int kFirstRow[4] = {0, 1, 6, 11};     // A is never a row
    return {kFirstColumn[categoryOf(item)] + item % 5, kFirstRow[categoryOf(other)] + other % 5};
}

Relations relationsOf(const CellCodes &codes) {
    Relations rel{};
    for (int i = 0; i < kCellCount; ++i) {
        const std::int16_t code = codes[static_cast<size_t>(i)];
        if (code != kCodeX && code != kCodeO) continue;
        const auto [u, v] = cellItems(cellAt(i));
        rel[u][v] = rel[v][u] = code == kCodeO ? kRelYes : kRelNo;
    }
    return rel;
}

std::string clueSentence(const Clue &clue) {
    std::string text;
    for (const std::string &line : clue.lines) {
        const size_t start = line.find_first_not_of("* ");
        if (start == std::string::npos) continue;
        if (!text.empty()) text += ' ';
        text += line.substr(start);
    }
    return text;
}

MarkCount countMarks(const std::array<KeyTriple, 5> &key, const CellCodes &codes) {
    std::array<bool, kCellCount> inKey{};
    for (CellId cell : keyCells(key)) inKey[static_cast<size_t>(cellIndex(cell))] = true;
    MarkCount count;
    for (size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] != kCodeX && codes[i] != kCodeO) continue;
        ++count.marks;
        if ((codes[i] == kCodeO) != inKey[i]) ++count.disagree;
    }
    return count;
}

std::string checkMessage(const MarkCount &count) {
    if (count.marks == 0) return "There are no marks to check yet.";
    if (count.marks == 1)
        return count.disagree ? "Your one mark does not agree with the answer."
                              : "Your one mark agrees with the answer.";
    const std::string marks = std::to_string(count.marks);
    if (count.disagree == 0) return "All " + marks + " of your marks agree with the answer.";
    return std::to_string(count.disagree) + " of your " + marks +
           (count.disagree == 1 ? " marks does not agree with the answer."
                                : " marks do not agree with the answer.");
}

Hint hintFor(const PuzzleRecord *record, const CellCodes &codes) {
    if (!record || !record->authored())
        return textHint(Hint::Kind::NoPuzzle, "There is no puzzle on the board.");
    // The catalogue's puzzles keep one solver each, so that what their
    // clues force read alone is found once.
    static std::mutex solversMutex;
    static std::map<const PuzzleRecord *, std::unique_ptr<Solver>> solvers;
    std::unique_ptr<Solver> own;
    const Solver *shared = nullptr;
    if (record == findPuzzle(record->number)) {
        const std::lock_guard<std::mutex> lock(solversMutex);
        std::unique_ptr<Solver> &slot = solvers[record];
        if (!slot) slot = std::make_unique<Solver>(puzzleOf(*record));
        shared = slot.get();
    } else {
        own = std::make_unique<Solver>(puzzleOf(*record));
    }
    const Solver &solver = shared ? *shared : *own;
    const Wording words(solver.puzzle());

    std::array<bool, kCellCount> inKey{};
    for (CellId cell : keyCells(record->key)) inKey[static_cast<size_t>(cellIndex(cell))] = true;
    bool full = true;
    for (int i = 0; i < kCellCount; ++i) {
        const std::int16_t code = codes[static_cast<size_t>(i)];
        if (code != kCodeX && code != kCodeO) {
            full = false;
            continue;
        }
        if ((code == kCodeO) == inKey[static_cast<size_t>(i)]) continue;
        const auto [column, row] = cellItems(cellAt(i));
        Hint h =
            textHint(Hint::Kind::WrongMark,
                     "The " + words.mark(code == kCodeO) + " where " + words.meeting(column, row) +
                         " does not agree with the clues.  Erase it or undo back past it.");
        h.first = "One of your marks does not agree with the clues.";
        h.cell = i;
        h.code = code;
        return h;
    }
    if (full)
        return textHint(Hint::Kind::Complete, "Your grid is complete and agrees with the answer.");

    const Relations relations = relationsOf(codes);
    const std::optional<ExplainedStep> explained = solver.explainStep(relations);
    if (!explained) {
        // A step the solver takes that no explained step covers (none of
        // the puzzles has one) is still given, with its clue quoted whole,
        // rather than the board called stuck.
        const std::optional<Step> step = solver.nextStep(relations);
        if (!step)
            return textHint(Hint::Kind::Stuck,
                            "No further step follows from the clues and your marks.");
        Hint h = textHint(Hint::Kind::Step,
                          words.reason(*step, record->content.clues) + "  " +
                              words.conclusion(step->item, step->other, step->together));
        h.first = "Look at clue " + std::to_string(step->clue) + " and your marks.";
        h.cell = cellIndex(cellOf(step->item, step->other));
        h.code = step->together ? kCodeO : kCodeX;
        h.step = *step;
        h.explained.step = *step;
        h.clues.push_back(step->clue);
        return h;
    }
    const Step &step = explained->step;
    Hint h;
    h.kind = Hint::Kind::Step;
    if (step.reason == Reason::Clue) {
        h.first = words.clueLook(*explained);
        h.text = words.clueWhy(*explained);
        h.clues.push_back(step.clue);
    } else {
        h.first = words.gridLook(*explained);
        h.text = words.reason(step, record->content.clues) + "  " +
                 words.conclusion(step.item, step.other, step.together);
    }
    h.cell = cellIndex(cellOf(step.item, step.other));
    h.code = step.together ? kCodeO : kCodeX;
    h.step = step;
    h.explained = *explained;
    for (const PairMark &m : explained->marks)
        h.restsOn.push_back(cellIndex(cellOf(m.item, m.other)));
    return h;
}

}  // namespace zentrivo
