#include "core/hint.h"

#include <algorithm>

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

private:
    const LogicPuzzle &puzzle_;
};

Hint textHint(Hint::Kind kind, std::string text) {
    Hint h;
    h.kind = kind;
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
    const Solver solver(puzzleOf(*record));
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
        h.cell = i;
        h.code = code;
        return h;
    }
    if (full)
        return textHint(Hint::Kind::Complete, "Your grid is complete and agrees with the answer.");

    const std::optional<Step> step = solver.nextStep(relationsOf(codes));
    if (!step)
        return textHint(Hint::Kind::Stuck,
                        "No further step follows from the clues and your marks.");
    Hint h =
        textHint(Hint::Kind::Step, words.reason(*step, record->content.clues) + "  " +
                                       words.conclusion(step->item, step->other, step->together));
    h.cell = cellIndex(cellOf(step->item, step->other));
    h.code = step->together ? kCodeO : kCodeX;
    h.step = *step;
    for (const auto &[u, v] : step->restsOn) h.restsOn.push_back(cellIndex(cellOf(u, v)));
    return h;
}

}  // namespace zentrivo
