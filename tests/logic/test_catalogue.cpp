#include <QtTest>

#include "catalogue/catalogue.h"
#include "checker/checker.h"

using namespace zentrivo;

namespace {
// A puzzle over plain names: A1..A5, B1..B5, C1..C5, D1..D5.
LogicPuzzle plainPuzzle(std::vector<std::vector<Fact>> clues) {
    LogicPuzzle p;
    const char cats[] = {'A', 'B', 'C', 'D'};
    for (int i = 0; i < 20; ++i)
        p.names[i] = std::string(1, cats[i / 5]) + std::to_string(i % 5 + 1);
    p.clues = std::move(clues);
    return p;
}

// The diagonal solution: item i of every category belongs with A item i.
std::vector<Fact> chainFacts() {
    std::vector<Fact> facts;
    for (int i = 1; i <= 5; ++i) {
        const std::string n = std::to_string(i);
        facts.push_back(same("B" + n, "C" + n));
        facts.push_back(same("C" + n, "D" + n));
    }
    return facts;
}

// B_i goes with C_i and A_i goes with D_i; B1-B3 are placed, so two answers
// remain, the diagonal and the one with B4 and B5 swapped. The last clue of
// each case below picks the diagonal; its misreadings may not.
LogicPuzzle twoWayPuzzle(const Clue &last) {
    std::vector<Fact> links;
    for (const char *i : {"1", "2", "3", "4", "5"})
        links.push_back(same(std::string("B") + i, std::string("C") + i));
    for (const char *i : {"1", "2", "3", "4"})
        links.push_back(same(std::string("A") + i, std::string("D") + i));
    for (const char *i : {"1", "2", "3"})
        links.push_back(same(std::string("A") + i, std::string("B") + i));
    LogicPuzzle p = plainPuzzle({links, last.facts});
    p.misreadings = {{}, last.misreadings};
    return p;
}

struct MisreadingCase {
    const char *name;
    Clue last;
    long solutions;  // under the one reading tried (-1: no reading is tried)
    bool fails;
};

const std::vector<MisreadingCase> &misreadingCases() {
    static const std::vector<MisreadingCase> cases = {
        {"two solutions",
         {{}, {same("B4", "A4")}, {misreading("loose", {differ("B1", "A2")})}},
         2,
         true},
        {"no solution",
         {{}, {same("B4", "A4")}, {misreading("impossible", {same("B4", "C5")})}},
         0,
         true},
        {"another answer",
         {{}, {same("B4", "A4")}, {misreading("swapped", {same("B4", "A5")})}},
         1,
         true},
        {"ruled out",
         {{}, {same("B4", "A4")}, {ruledOut("loose", {differ("B1", "A2")}, "wording")}},
         2,
         false},
        // "Both" would put B4 with C5, which goes with B5: the inclusive reading changes nothing.
        {"inclusive either, still unique", {{}, {either("B4", "A4", "C5")}}, 1, false},
        // "Both" puts D4 with A4 and B5: the swapped answer comes back.
        {"inclusive either, two solutions", {{}, {either("D4", "A4", "B5")}}, 2, true},
        {"but not both", {{}, {eitherButNotBoth("D4", "A4", "B5")}}, -1, false},
    };
    return cases;
}
}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void lookupOutsideRange_data() {
        QTest::addColumn<int>("n");
        for (int n : {0, 26, -1, -3, 32767, -32768})
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void lookupOutsideRange() {
        QFETCH(int, n);
        QVERIFY(findPuzzle(n) == nullptr);
    }

    void puzzleOneRecord() {
        const PuzzleRecord *r = findPuzzle(1);
        QVERIFY(r);
        QCOMPARE(r->menuTitle, std::string("#1 - Conferences"));
        QCOMPARE(r->boardCaption, std::string("Zentrivo 2.0 - #1 - Conferences"));
        QCOMPARE(r->introButton, std::string("Problem #1 &Intro"));
        QCOMPARE(r->introCaption, std::string("Intro to Logic Problem #1 - Conferences"));
        QCOMPARE(r->fillInTitle, std::string("Logic Problem #1 - Conferences"));
        QCOMPARE(r->headingPicture, std::string("QRX-Images/Puz01.gif"));
        QCOMPARE(r->headingPictureFile(), std::string("Puz01.gif"));
        QCOMPARE(r->headings, (std::array<std::string, 4>{"Floor", "Room", "Attendee", "Time"}));
        QCOMPARE(findPuzzle(25)->headingPicture, std::string("QRX-Images/Puz25.gif"));
        QCOMPARE(findPuzzle(25)->introButton, std::string("Problem #25 &Intro"));
    }

    void puzzleNineteenTitles() {
        const PuzzleRecord *r = findPuzzle(19);
        QCOMPARE(r->menuTitle, std::string("#19 - Doctors w/o Borders"));
        QCOMPARE(r->boardCaption, std::string("Zentrivo 2.0 - #19 - Doctors without Borders"));
        QCOMPARE(r->introCaption,
                 std::string("Intro to Logic Problem #19 - Doctors without Borders"));
        QCOMPARE(r->fillInTitle, std::string("Logic Problem #19 - Doctors without Borders"));
    }

    void menuCaptionsKeepTheirLength() {
        const int lengths[] = {32, 33, 30, 36, 36, 34, 29, 31, 30, 32, 27, 35, 29,
                               33, 26, 34, 32, 33, 25, 27, 31, 30, 26, 31, 29};
        for (int n = 1; n <= kPuzzleCount; ++n) {
            const std::string caption = findPuzzle(n)->menuCaption();
            QCOMPARE(int(caption.size()), lengths[n - 1]);
            QVERIFY(caption.rfind(findPuzzle(n)->menuTitle, 0) == 0);
        }
    }

    void checkerCountsTwoSolutions() {
        std::vector<Fact> facts = chainFacts();
        facts.push_back(same("A1", "B1"));
        facts.push_back(same("A2", "B2"));
        facts.push_back(same("A3", "B3"));
        const LogicPuzzle p = plainPuzzle({facts});
        QVERIFY(validateFacts(p).empty());
        QCOMPARE(countSolutions(p).solutions, 2L);
        const DeductionResult d = deduce(p);
        QVERIFY(!d.solved);
        QVERIFY(!d.contradiction);
    }

    void checkerSolvesByDeduction() {
        std::vector<Fact> facts = chainFacts();
        facts.push_back(same("A1", "B1"));
        facts.push_back(same("A2", "B2"));
        facts.push_back(same("A3", "B3"));
        facts.push_back(before(Cat::A, "B4", "D5"));
        const LogicPuzzle p = plainPuzzle({facts});
        const CountResult count = countSolutions(p);
        QCOMPARE(count.solutions, 1L);
        const DeductionResult d = deduce(p);
        QVERIFY(d.solved);
        QCOMPARE(d.groups, count.first);
        QCOMPARE(count.first, keyGroups({{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}}}));
    }

    // B1..B5 stand in a row of neighbours along A's order, and B1 is not
    // last: only the order A1..A5 fits, but seeing it takes the whole chain
    // at once, which no single clue read against the grid gives.
    void checkerNeedsMoreThanDeductionHere() {
        std::vector<std::vector<Fact>> clues;
        for (const Fact &f : chainFacts()) clues.push_back({f});
        for (int i = 1; i < 5; ++i)
            clues.push_back({nextTo(Cat::A, "B" + std::to_string(i), "B" + std::to_string(i + 1))});
        clues.push_back({differ("B1", "A5")});
        const LogicPuzzle p = plainPuzzle(clues);
        QCOMPARE(countSolutions(p).solutions, 1L);
        const DeductionResult d = deduce(p);
        QVERIFY(!d.solved);
        QVERIFY(!d.contradiction);
        // Saying where the chain starts makes it deducible.
        LogicPuzzle told = p;
        told.clues.push_back({same("B1", "A1")});
        QVERIFY(deduce(told).solved);
    }

    void checkerFindsNoSolution() {
        std::vector<Fact> facts = chainFacts();
        facts.push_back(same("A1", "B1"));
        facts.push_back(differ("A1", "D1"));
        const LogicPuzzle p = plainPuzzle({facts});
        QCOMPARE(countSolutions(p).solutions, 0L);
        QVERIFY(deduce(p).contradiction);
    }

    void checkerRejectsBadFacts() {
        const LogicPuzzle p = plainPuzzle({{same("A1", "Nobody")}, {same("B1", "B2")}, {}});
        QCOMPARE(int(validateFacts(p).size()), 3);
    }

    void checkerTriesMisreadings_data() {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < misreadingCases().size(); ++i)
            QTest::newRow(misreadingCases()[i].name) << static_cast<int>(i);
    }
    void checkerTriesMisreadings() {
        QFETCH(int, row);
        const MisreadingCase &c = misreadingCases()[static_cast<size_t>(row)];
        const LogicPuzzle p = twoWayPuzzle(c.last);
        QVERIFY(validateFacts(p).empty());
        const Groups diagonal =
            keyGroups({{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}}});
        const CountResult count = countSolutions(p);
        QCOMPARE(count.solutions, 1L);
        QCOMPARE(count.first, diagonal);
        PuzzleReport report;
        checkMisreadings(p, diagonal, report);
        QCOMPARE(int(report.misreadings.size()), c.solutions < 0 ? 0 : 1);
        QCOMPARE(int(report.problems.size()), c.fails ? 1 : 0);
        if (c.solutions < 0) return;
        const MisreadingOutcome &m = report.misreadings[0];
        QCOMPARE(m.clue, 2);
        QCOMPARE(m.solutions, c.solutions);
        QCOMPARE(m.passes(), !c.fails);
        if (c.fails) QVERIFY(report.problems[0].find("clue 2 read as") != std::string::npos);
    }

    void factMeanings_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("holds");
        // Diagonal solution: A_i with B_i, C_i, D_i.
        QTest::newRow("same") << 0 << true;
        QTest::newRow("differ") << 1 << true;
        QTest::newRow("either, first") << 2 << true;
        QTest::newRow("either, neither") << 3 << false;
        QTest::newRow("before") << 4 << true;
        QTest::newRow("before, reversed") << 5 << false;
        QTest::newRow("offset 2") << 6 << true;
        QTest::newRow("offset wrong distance") << 7 << false;
        QTest::newRow("next to") << 8 << true;
        QTest::newRow("pair of, crossed") << 9 << true;
        QTest::newRow("pair of, wrong") << 10 << false;
        QTest::newRow("all different") << 11 << true;
        QTest::newRow("all different, two together") << 12 << false;
        QTest::newRow("offset within the ordered category") << 13 << true;
        QTest::newRow("either or both, both") << 14 << true;
        QTest::newRow("either or both, neither") << 15 << false;
        QTest::newRow("at least 2 later, 3 later") << 16 << true;
        QTest::newRow("at least 2 later, 1 later") << 17 << false;
        QTest::newRow("at least 2 later, earlier") << 18 << false;
        QTest::newRow("at least 3 apart, 3 before") << 19 << true;
        QTest::newRow("at least 3 apart, 2 after") << 20 << false;
    }
    void factMeanings() {
        QFETCH(int, which);
        QFETCH(bool, holds);
        const std::vector<Fact> facts = {same("B2", "D2"),
                                         differ("B2", "C3"),
                                         either("A1", "B1", "C2"),
                                         either("A1", "B2", "C2"),
                                         before(Cat::B, "C1", "D4"),
                                         before(Cat::B, "D4", "C1"),
                                         offset(Cat::C, "D4", "B2", 2),
                                         offset(Cat::C, "D4", "B2", 1),
                                         nextTo(Cat::D, "A3", "B2"),
                                         pairOf("B1", "B2", "D2", "C1"),
                                         pairOf("B1", "B2", "D3", "C1"),
                                         allDifferent({"B1", "C2", "D3"}),
                                         allDifferent({"B1", "C1", "D3"}),
                                         offset(Cat::B, "B5", "C3", 2),
                                         eitherOrBoth("A2", "B2", "C2"),
                                         eitherOrBoth("A2", "B1", "C3"),
                                         atLeastLater(Cat::A, "D4", "B1", 2),
                                         atLeastLater(Cat::A, "D4", "B3", 2),
                                         atLeastLater(Cat::A, "B1", "D4", 2),
                                         atLeastApart(Cat::C, "B1", "D4", 3),
                                         atLeastApart(Cat::C, "B5", "A3", 3)};
        const LogicPuzzle p = plainPuzzle({});
        const Groups diagonal =
            keyGroups({{{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}, {5, 5, 5}}});
        QCOMPARE(zentrivo::holds(p, facts[static_cast<size_t>(which)], diagonal), holds);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
