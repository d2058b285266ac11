#include <QRegularExpression>
#include <QtTest>
#include <functional>

#include "catalogue/catalogue.h"
#include "core/answerkey.h"
#include "core/captions.h"
#include "core/hint.h"

using namespace zentrivo;

Q_DECLARE_METATYPE(CellCodes)

namespace {

CellCodes blankBoard() {
    CellCodes codes{};
    codes.fill(kCodeBlank);
    return codes;
}

// The full answer of a puzzle as cell codes.
CellCodes answerBoard(int puzzle) {
    CellCodes codes{};
    codes.fill(kCodeX);
    for (CellId cell : keyCells(findPuzzle(puzzle)->key))
        codes[static_cast<size_t>(cellIndex(cell))] = kCodeO;
    return codes;
}

int at(const char *digits) { return cellIndex(*parseCell(digits)); }

// A mark as the proof reads it: two items and whether they go together.
struct Premise {
    int u, v;
    bool together;
};

// Plain enumeration of the assignments of the puzzle: each category named
// in `cats` (a bit per category, B = 2, C = 4, D = 8) runs through its 120
// orders, the others are left out (nothing here constrains them, so any of
// their orders would do). An order is dropped as soon as a mark or a fact
// whose categories are all placed fails. `visit` sees each assignment left
// and answers whether to go on. Shares nothing with the solver but the
// reading of a single fact.
class Assignments {
public:
    Assignments(const LogicPuzzle &puzzle, const std::vector<Premise> &marks,
                const std::vector<const std::vector<Fact> *> &clues, unsigned cats)
        : cats_(cats | 1u) {
        for (const Premise &m : marks) {
            marks_.push_back(m);
            cats_ |= 1u << categoryOf(m.u) | 1u << categoryOf(m.v);
        }
        for (const auto *clue : clues)
            for (const Fact &f : *clue) {
                facts_.push_back(resolve(puzzle, f));
                cats_ |= facts_.back().cats;
            }
        std::array<int, 5> perm{0, 1, 2, 3, 4};
        do perms_.push_back(perm);
        while (std::next_permutation(perm.begin(), perm.end()));
        for (int a = 0; a < 5; ++a) g_[a] = a;
    }

    // Runs through the assignments; false when `visit` stopped it.
    bool run(const std::function<bool(const Groups &)> &visit) { return place(1, 1u, visit); }
    // Whether the item's category is placed.
    bool placed(int item) const { return cats_ & (1u << categoryOf(item)); }

private:
    bool place(int k, unsigned placed, const std::function<bool(const Groups &)> &visit) {
        if (k == 4) return visit(g_);
        if (!(cats_ & (1u << k))) return place(k + 1, placed, visit);
        placed |= 1u << k;
        for (const auto &perm : perms_) {
            for (int i = 0; i < 5; ++i)
                g_[static_cast<size_t>(k * 5 + i)] = perm[static_cast<size_t>(i)];
            if (fails(k, placed)) continue;
            if (!place(k + 1, placed, visit)) return false;
        }
        return true;
    }

    // Whether a mark or fact that category k completes fails.
    bool fails(int k, unsigned placed) const {
        for (const Premise &m : marks_)
            if (std::max(categoryOf(m.u), categoryOf(m.v)) == k &&
                (g_[static_cast<size_t>(m.u)] == g_[static_cast<size_t>(m.v)]) != m.together)
                return true;
        for (const ResolvedFact &rf : facts_)
            if ((rf.cats & ~placed) == 0 && (rf.cats >> k) == 1u && !evaluate(rf, g_)) return true;
        return false;
    }

    unsigned cats_;
    std::vector<Premise> marks_;
    std::vector<ResolvedFact> facts_;
    std::vector<std::array<int, 5>> perms_;
    Groups g_{};
};

// Whether the marks and clues leave an assignment that puts the target's
// two items the other way.
bool otherWayFits(const LogicPuzzle &puzzle, const std::vector<Premise> &marks,
                  const std::vector<const std::vector<Fact> *> &clues, const Premise &target) {
    Assignments all(puzzle, marks, clues, 1u << categoryOf(target.u) | 1u << categoryOf(target.v));
    return !all.run([&](const Groups &g) {
        return (g[static_cast<size_t>(target.u)] == g[static_cast<size_t>(target.v)]) ==
               target.together;
    });
}

// Proves a step from what it cites alone: the cited clues and the cited
// marks (as the board held them) force the hinted mark, and leave an
// assignment; leaving out any one citation lets the other mark fit; an X is
// never given where the same citations force an O on an open square; the
// second text names every cited mark's two items and every cited clue, and
// the first gives no mark.
void proveStep(const LogicPuzzle &puzzle, const CellCodes &before, const Hint &hint) {
    const auto [tu, tv] = cellItems(cellAt(hint.cell));
    const Premise target{tu, tv, hint.code == kCodeO};
    std::vector<Premise> marks;
    for (int cell : hint.restsOn) {
        const std::int16_t code = before[static_cast<size_t>(cell)];
        QVERIFY(code == kCodeX || code == kCodeO);
        const auto [u, v] = cellItems(cellAt(cell));
        marks.push_back({u, v, code == kCodeO});
    }
    std::vector<const std::vector<Fact> *> clues;
    for (int c : hint.clues) clues.push_back(&puzzle.clues.at(static_cast<size_t>(c - 1)));
    QVERIFY2(!marks.empty() || !clues.empty(), hint.text.c_str());

    // One pass over every assignment the citations leave: none puts the
    // target the other way, and the O's on open squares that all of them
    // share are noted.
    Assignments all(puzzle, marks, clues, 1u << categoryOf(tu) | 1u << categoryOf(tv));
    std::vector<Premise> alwaysTogether;
    for (int i = 0; i < kCellCount; ++i) {
        const auto [u, v] = cellItems(cellAt(i));
        if (before[static_cast<size_t>(i)] == kCodeBlank && i != hint.cell && all.placed(u) &&
            all.placed(v))
            alwaysTogether.push_back({u, v, true});
    }
    long count = 0;
    bool otherWay = false;
    all.run([&](const Groups &g) {
        ++count;
        if ((g[static_cast<size_t>(tu)] == g[static_cast<size_t>(tv)]) != target.together) {
            otherWay = true;
            return false;
        }
        alwaysTogether.erase(std::remove_if(alwaysTogether.begin(), alwaysTogether.end(),
                                            [&](const Premise &p) {
                                                return g[static_cast<size_t>(p.u)] !=
                                                       g[static_cast<size_t>(p.v)];
                                            }),
                             alwaysTogether.end());
        return true;
    });
    QVERIFY2(count > 0 && !otherWay, hint.text.c_str());
    if (!target.together) {
        // An item of a category no citation names is free, so no O on it is forced.
        QVERIFY2(alwaysTogether.empty(), hint.text.c_str());
    }
    for (size_t i = 0; i < marks.size(); ++i) {
        std::vector<Premise> fewer = marks;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        QVERIFY2(otherWayFits(puzzle, fewer, clues, target), hint.text.c_str());
    }
    for (size_t i = 0; i < clues.size(); ++i) {
        auto fewer = clues;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        QVERIFY2(otherWayFits(puzzle, marks, fewer, target), hint.text.c_str());
    }

    const QString first = QString::fromStdString(hint.first);
    const QString second = QString::fromStdString(hint.text);
    for (const Premise &m : marks)
        for (int item : {m.u, m.v})
            QVERIFY2(second.contains(QString::fromStdString(
                         shownCaption(puzzle.names[static_cast<size_t>(item)]))),
                     hint.text.c_str());
    for (int c : hint.clues)
        QVERIFY2(second.contains(QRegularExpression(QString("\\b[Cc]lue %1\\b").arg(c))),
                 hint.text.c_str());
    const auto [column, row] = cellItems(cellAt(hint.cell));
    const QString square =
        QString::fromStdString(" where " + shownCaption(puzzle.names[static_cast<size_t>(column)]) +
                               " meets " + shownCaption(puzzle.names[static_cast<size_t>(row)]));
    QVERIFY2(!first.contains("put an") && !first.contains(square), hint.first.c_str());
    QVERIFY2(second.contains(QString(hint.code == kCodeO ? "put an O" : "put an X") + square),
             hint.text.c_str());
}

// The proofs run over every puzzle, and over one in a sanitizer build,
// where they take many times longer.
bool proved(int puzzle) { return !ZENTRIVO_SANITIZED || puzzle == 3; }

}  // namespace

class TestHint : public QObject {
    Q_OBJECT
private slots:
    // Doing what each hint says, again and again, reaches the answer; every
    // step's reason is proved independently and names a blank square.
    void followingHintsSolves_data() {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<bool>("someMarks");
        for (int n = 1; n <= kPuzzleCount; ++n) {
            if (!proved(n)) continue;
            QTest::addRow("%d empty", n) << n << false;
            QTest::addRow("%d some marks", n) << n << true;
        }
    }
    void followingHintsSolves() {
        QFETCH(int, puzzle);
        QFETCH(bool, someMarks);
        const PuzzleRecord *record = findPuzzle(puzzle);
        const LogicPuzzle logic = puzzleOf(*record);
        const CellCodes answer = answerBoard(puzzle);
        CellCodes codes = blankBoard();
        if (someMarks)
            for (size_t i = static_cast<size_t>(puzzle); i < codes.size(); i += 23)
                codes[i] = answer[i];
        for (int steps = 0; steps <= kCellCount; ++steps) {
            const Hint hint = hintFor(record, codes);
            if (hint.kind == Hint::Kind::Complete) break;
            QCOMPARE(hint.kind, Hint::Kind::Step);
            QCOMPARE(codes[static_cast<size_t>(hint.cell)], kCodeBlank);
            QCOMPARE(hint.code, answer[static_cast<size_t>(hint.cell)]);
            proveStep(logic, codes, hint);
            if (QTest::currentTestFailed()) return;
            codes[static_cast<size_t>(hint.cell)] = hint.code;
        }
        QCOMPARE(codes, answer);
        QCOMPARE(hintFor(record, codes).text,
                 std::string("Your grid is complete and agrees with the answer."));
    }

    // Boards a player could have: some of the answer's marks, spread over
    // the grid more or less densely. The hint on each is proved.
    void preparedBoards_data() {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<int>("every");
        for (int n = 1; n <= kPuzzleCount; ++n)
            for (int every : {2, 3, 4, 6, 11})
                if (proved(n)) QTest::addRow("%d every %d", n, every) << n << every;
    }
    void preparedBoards() {
        QFETCH(int, puzzle);
        QFETCH(int, every);
        const PuzzleRecord *record = findPuzzle(puzzle);
        const CellCodes answer = answerBoard(puzzle);
        CellCodes codes = blankBoard();
        for (size_t i = 0; i < codes.size(); ++i)
            if ((i * 7 + static_cast<size_t>(puzzle)) % static_cast<size_t>(every) == 0)
                codes[i] = answer[i];
        const Hint hint = hintFor(record, codes);
        QCOMPARE(hint.kind, Hint::Kind::Step);
        QCOMPARE(hint.code, answer[static_cast<size_t>(hint.cell)]);
        proveStep(puzzleOf(*record), codes, hint);
    }

    // The two texts of a hint: where to look, then the reasoning, the square
    // and its mark.
    void hintText_data() {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<CellCodes>("codes");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        auto board = [](std::initializer_list<const char *> xs, const char *o) {
            CellCodes codes = blankBoard();
            for (const char *x : xs) codes[static_cast<size_t>(at(x))] = kCodeX;
            if (o) codes[static_cast<size_t>(at(o))] = kCodeO;
            return codes;
        };
        // The board after the first `steps` hints of a puzzle's walk.
        auto walked = [](int puzzle, int steps) {
            CellCodes codes = blankBoard();
            for (int i = 0; i < steps; ++i) {
                const Hint hint = hintFor(findPuzzle(puzzle), codes);
                codes[static_cast<size_t>(hint.cell)] = hint.code;
            }
            return codes;
        };

        QTest::newRow("clue alone, shown ampersand")
            << 10 << blankBoard()
            << "Look at clue 1: Rum & Coke is exactly 3 places after Erin, in the order 25 to 29."
            << "Clue 1 (Rum & Coke is exactly 3 places after Erin, in the order 25 to 29) rules "
               "out 25 with Rum & Coke: put an X where 25 meets Rum & Coke."
            << "0109";
        QTest::newRow("clue with a mark gives the O")
            << 3 << walked(3, 20)
            << "Look at clue 6: Pine Avenue goes with Cello or Trumpet. Read it with your marks "
               "for Pine Avenue and Trumpet."
            << "With the X where Pine Avenue meets Trumpet, clue 6 (Pine Avenue goes with Cello or "
               "Trumpet) puts Pine Avenue with Cello: put an O where Pine Avenue meets Cello."
            << "0506";
        QTest::newRow("clue with cases")
            << 3 << walked(3, 28)
            << "Look at clue 4: Ash Street is exactly one place after Piano, in the order Monday "
               "to Friday; Piano is exactly one place after Trumpet, in the order Monday to "
               "Friday. Try its cases one by one with your marks for Pine Avenue, Piano and "
               "Trumpet."
            << "If Pine Avenue went with Wednesday, clue 4 (Ash Street is exactly one place after "
               "Piano, in the order Monday to Friday; Piano is exactly one place after Trumpet, "
               "in the order Monday to Friday) would leave only Ash Street with Thursday and "
               "Piano with Wednesday, which the X where Pine Avenue meets Piano rules out; or Ash "
               "Street with Friday and Piano with Thursday, which the X where Pine Avenue meets "
               "Trumpet rules out.  So Pine Avenue does not go with Wednesday: put an X where "
               "Pine Avenue meets Wednesday."
            << "0503";
        QTest::newRow("an O rules out its line")
            << 1 << board({}, "0312")
            << "Look at the O where Gallery meets Teachers: a line of a block holds only one O."
            << "The O where Gallery meets Teachers leaves no other O for Gallery in that block.  "
               "So Gallery does not go with Nurses: put an X where Gallery meets Nurses."
            << "0311";
        QTest::newRow("last open square")
            << 1 << board({"0101", "0102", "0103", "0104"}, nullptr)
            << "Look at the line of Ballroom across 1st Floor to 5th Floor: every line of a block "
               "holds one O."
            << "The X's where Ballroom meets 1st Floor, 2nd Floor, 3rd Floor and 4th Floor leave "
               "5th Floor as the last open square for Ballroom in that block.  So Ballroom goes "
               "with 5th Floor: put an O where Ballroom meets 5th Floor."
            << "0105";
        QTest::newRow("link across blocks")
            << 1
            << board({"0311", "0313", "0314", "0315", "0112", "0212", "0412", "0512", "0305"},
                     "0312")
            << "Look at the O where Gallery meets Teachers: two items that go together share "
               "their X's and O's in the other blocks."
            << "The O where Gallery meets Teachers puts Gallery and Teachers together, so the X "
               "where Gallery meets 5th Floor holds for Teachers too.  So Teachers does not go "
               "with 5th Floor: put an X where Teachers meets 5th Floor."
            << "0705";
        QTest::newRow("name ending in a full stop")
            << 1 << board({}, "0708")
            << "Look at the O where Teachers meets 9:00 a.m.: a line of a block holds only one O."
            << "The O where Teachers meets 9:00 a.m. leaves no other O for 9:00 a.m. in that "
               "block.  So Nurses does not go with 9:00 a.m.: put an X where Nurses meets 9:00 "
               "a.m."
            << "0608";

        const QString oneWrong = "One of your marks does not agree with the clues.";
        CellCodes wrong = answerBoard(1);
        wrong[static_cast<size_t>(at("1104"))] = kCodeO;
        wrong[static_cast<size_t>(at("1205"))] = kCodeO;
        QTest::newRow("wrong O on a full board")
            << 1 << wrong << oneWrong
            << "The O where 8:00 a.m. meets 4th Floor does not agree with the clues.  Erase it or "
               "undo back past it."
            << "1104";
        CellCodes wrongX = blankBoard();
        wrongX[static_cast<size_t>(at("0105"))] = kCodeX;
        wrongX[static_cast<size_t>(at("0101"))] = kCodeX;
        QTest::newRow("wrong X among right marks")
            << 1 << wrongX << oneWrong
            << "The X where Ballroom meets 5th Floor does not agree with the clues.  Erase it or "
               "undo back past it."
            << "0105";
    }
    void hintText() {
        QFETCH(int, puzzle);
        QFETCH(CellCodes, codes);
        QFETCH(QString, first);
        QFETCH(QString, text);
        QFETCH(QString, cell);
        const Hint hint = hintFor(findPuzzle(puzzle), codes);
        QCOMPARE(QString::fromStdString(hint.first), first);
        QCOMPARE(QString::fromStdString(hint.text), text);
        QCOMPARE(hint.cell, at(cell.toLatin1().constData()));
    }

    void noPuzzle() { QCOMPARE(hintFor(nullptr, blankBoard()).kind, Hint::Kind::NoPuzzle); }

    // The check counts the marks the key decides otherwise, never changing them.
    void check_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << 0 << "There are no marks to check yet.";
        QTest::newRow("one right") << 1 << 0 << "Your one mark agrees with the answer.";
        QTest::newRow("one wrong") << 0 << 1 << "Your one mark does not agree with the answer.";
        QTest::newRow("all right") << 12 << 0 << "All 12 of your marks agree with the answer.";
        QTest::newRow("one of 12")
            << 11 << 1 << "1 of your 12 marks does not agree with the answer.";
        QTest::newRow("three of 12")
            << 9 << 3 << "3 of your 12 marks do not agree with the answer.";
        QTest::newRow("all wrong")
            << 0 << 150 << "150 of your 150 marks do not agree with the answer.";
    }
    void check() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, text);
        for (int puzzle : {1, 10, 25}) {
            const CellCodes answer = answerBoard(puzzle);
            CellCodes codes = blankBoard();
            // Spread the marks over the board, the wrong ones on both X and O squares.
            for (int i = 0, placed = 0; placed < right + wrong;
                 i = (i + 37) % kCellCount, ++placed) {
                const std::int16_t truth = answer[static_cast<size_t>(i)];
                codes[static_cast<size_t>(i)] =
                    placed < wrong ? (truth == kCodeO ? kCodeX : kCodeO) : truth;
            }
            const MarkCount count = countMarks(findPuzzle(puzzle)->key, codes);
            QCOMPARE(count.marks, right + wrong);
            QCOMPARE(count.disagree, wrong);
            QCOMPARE(QString::fromStdString(checkMessage(count)), text);
        }
    }
};

QTEST_APPLESS_MAIN(TestHint)
#include "test_hint.moc"
