#include <QtTest>

#include "catalogue/catalogue.h"
#include "core/answerkey.h"
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

// Whether some full assignment of the puzzle agrees with every mark in
// `marks` (blank cells are free) and satisfies every fact in `facts`. Found
// by plain enumeration of the 120^3 assignments, pruned per category, so it
// shares nothing with the solver but the reading of a single fact.
bool anyAssignment(const LogicPuzzle &puzzle, const CellCodes &marks,
                   const std::vector<Fact> &facts) {
    struct Mark {
        int u, v;
        bool together;
        int stage;  // the last category the mark needs placed
    };
    std::vector<Mark> checks;
    for (int i = 0; i < kCellCount; ++i) {
        const std::int16_t code = marks[static_cast<size_t>(i)];
        if (code != kCodeX && code != kCodeO) continue;
        const auto [u, v] = cellItems(cellAt(i));
        checks.push_back({u, v, code == kCodeO, std::max(u / 5, v / 5)});
    }
    std::vector<ResolvedFact> resolved;
    for (const Fact &f : facts) resolved.push_back(resolve(puzzle, f));
    std::array<int, 5> perm{0, 1, 2, 3, 4};
    std::vector<std::array<int, 5>> perms;
    do perms.push_back(perm);
    while (std::next_permutation(perm.begin(), perm.end()));
    Groups g{};
    for (int a = 0; a < 5; ++a) g[a] = a;
    auto agrees = [&](int stage) {
        for (const Mark &m : checks)
            if (m.stage == stage && (g[m.u] == g[m.v]) != m.together) return false;
        return true;
    };
    for (const auto &pb : perms) {
        for (int i = 0; i < 5; ++i) g[5 + i] = pb[i];
        if (!agrees(1)) continue;
        for (const auto &pc : perms) {
            for (int i = 0; i < 5; ++i) g[10 + i] = pc[i];
            if (!agrees(2)) continue;
            for (const auto &pd : perms) {
                for (int i = 0; i < 5; ++i) g[15 + i] = pd[i];
                if (!agrees(3)) continue;
                if (std::all_of(resolved.begin(), resolved.end(),
                                [&](const ResolvedFact &rf) { return evaluate(rf, g); }))
                    return true;
            }
        }
    }
    return false;
}

// Proves a step's reason on its own terms: from the squares a grid rule
// names (or from the named clue and every mark on the board before the step),
// the other mark in the hinted square leaves no assignment at all.
void verifyReason(const LogicPuzzle &puzzle, const CellCodes &before, const Hint &hint) {
    CellCodes premises = blankBoard();
    std::vector<Fact> facts;
    if (hint.step.reason == Reason::Clue) {
        QVERIFY(hint.restsOn.empty());
        premises = before;
        facts = puzzle.clues.at(static_cast<size_t>(hint.step.clue - 1));
    } else {
        QVERIFY(!hint.restsOn.empty());
        for (int cell : hint.restsOn) {
            const std::int16_t code = before[static_cast<size_t>(cell)];
            QVERIFY(code == kCodeX || code == kCodeO);
            premises[static_cast<size_t>(cell)] = code;
        }
    }
    QVERIFY(anyAssignment(puzzle, premises, facts));
    premises[static_cast<size_t>(hint.cell)] = hint.code == kCodeO ? kCodeX : kCodeO;
    QVERIFY2(!anyAssignment(puzzle, premises, facts), hint.text.c_str());
}

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
            verifyReason(logic, codes, hint);
            if (QTest::currentTestFailed()) return;
            codes[static_cast<size_t>(hint.cell)] = hint.code;
        }
        QCOMPARE(codes, answer);
        QCOMPARE(hintFor(record, codes).text,
                 std::string("Your grid is complete and agrees with the answer."));
    }

    // The hint's words: the reason, two blanks, then the mark to put.
    void hintText_data() {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<CellCodes>("codes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        auto board = [](std::initializer_list<const char *> xs, const char *o) {
            CellCodes codes = blankBoard();
            for (const char *x : xs) codes[static_cast<size_t>(at(x))] = kCodeX;
            if (o) codes[static_cast<size_t>(at(o))] = kCodeO;
            return codes;
        };

        QTest::newRow("clue, shown ampersand")
            << 10 << blankBoard()
            << "Clue 1: The Rum & Coke drinker is exactly three years older than Erin.  So 25 does "
               "not go with Rum & Coke: put an X where 25 meets Rum & Coke."
            << "0109";
        QTest::newRow("clue of two sentences")
            << 1 << blankBoard()
            << "Clue 1: The chefs' meeting began exactly 30 minutes after the nurses' meeting. The "
               "nurses met exactly one floor above the bus drivers.  So Chefs does not go with "
               "8:00 "
               "a.m.: put an X where Chefs meets 8:00 a.m."
            << "1006";
        QTest::newRow("an O rules out its line")
            << 1 << board({}, "0312")
            << "The O where Gallery meets Teachers leaves no other O for Gallery in that block.  "
               "So "
               "Gallery does not go with Nurses: put an X where Gallery meets Nurses."
            << "0311";
        QTest::newRow("last open square")
            << 1 << board({"0101", "0102", "0103", "0104"}, nullptr)
            << "The X's where Ballroom meets 1st Floor, 2nd Floor, 3rd Floor and 4th Floor leave "
               "5th Floor as the last open square for Ballroom in that block.  So Ballroom goes "
               "with 5th Floor: put an O where Ballroom meets 5th Floor."
            << "0105";
        QTest::newRow("link across blocks")
            << 1
            << board({"0311", "0313", "0314", "0315", "0112", "0212", "0412", "0512", "0305"},
                     "0312")
            << "The O where Gallery meets Teachers puts Gallery and Teachers together, so the X "
               "where Gallery meets 5th Floor holds for Teachers too.  So Teachers does not go "
               "with 5th Floor: put an X where Teachers meets 5th Floor."
            << "0705";
        QTest::newRow("name ending in a full stop")
            << 1 << board({}, "0708")
            << "The O where Teachers meets 9:00 a.m. leaves no other O for 9:00 a.m. in that "
               "block.  "
               "So Nurses does not go with 9:00 a.m.: put an X where Nurses meets 9:00 a.m."
            << "0608";

        CellCodes wrong = answerBoard(1);
        wrong[static_cast<size_t>(at("1104"))] = kCodeO;
        wrong[static_cast<size_t>(at("1205"))] = kCodeO;
        QTest::newRow("wrong O on a full board")
            << 1 << wrong
            << "The O where 8:00 a.m. meets 4th Floor does not agree with the clues.  Erase it or "
               "undo back past it."
            << "1104";
        CellCodes wrongX = blankBoard();
        wrongX[static_cast<size_t>(at("0105"))] = kCodeX;
        wrongX[static_cast<size_t>(at("0101"))] = kCodeX;
        QTest::newRow("wrong X among right marks")
            << 1 << wrongX
            << "The X where Ballroom meets 5th Floor does not agree with the clues.  Erase it or "
               "undo back past it."
            << "0105";
    }
    void hintText() {
        QFETCH(int, puzzle);
        QFETCH(CellCodes, codes);
        QFETCH(QString, text);
        QFETCH(QString, cell);
        const Hint hint = hintFor(findPuzzle(puzzle), codes);
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
