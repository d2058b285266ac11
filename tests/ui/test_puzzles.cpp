// Every built-in puzzle is fair and fits the board: exactly one solution,
// equal to its answer key, reached by deduction alone; clue text and story
// laid out as the board expects; every text fits where it is shown.
#include <QtTest>

#include "catalogue/catalogue.h"
#include "checker/checker.h"
#include "widgets/textfit.h"

using namespace zentrivo;

class TestPuzzles : public QObject {
    Q_OBJECT
private slots:
    void fair_data() {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= kPuzzleCount; ++n)
            QTest::newRow(qPrintable(QStringLiteral("#%1").arg(n))) << n;
    }
    void fair() {
        QFETCH(int, number);
        const PuzzleRecord *r = findPuzzle(number);
        QVERIFY2(r->authored(), "puzzle not written");
        const PuzzleReport report = checkPuzzle(*r, true);
        for (const std::string &p : report.problems) qWarning("%s", p.c_str());
        QVERIFY(report.problems.empty());
        QCOMPARE(report.solutions, 1L);
        qInfo("#%d %s: solved by deduction in %d rounds", number, r->title.c_str(), report.rounds);
        for (int c : report.droppableClues) qWarning("#%d: clue %d could be dropped", number, c);
    }

    void fits_data() { fair_data(); }
    void fits() {
        QFETCH(int, number);
        const PuzzleRecord *r = findPuzzle(number);
        QVERIFY(r->authored());
        const QStringList problems = puzzleFitProblems(*r);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    void puzzleOneShape() {
        const PuzzleRecord *r = findPuzzle(1);
        QVERIFY(r->authored());
        QVERIFY(!r->content.leadingEmptyLine);
        QList<int> lines;
        size_t longest = 0;
        for (const Clue &c : r->content.clues) {
            lines << int(c.lines.size());
            for (const std::string &l : c.lines) longest = std::max(longest, l.size());
        }
        QCOMPARE(lines, (QList<int>{4, 3, 2, 3, 2, 4, 3}));
        QCOMPARE(longest, size_t(38));
        const std::string &intro = r->content.intro;
        QCOMPARE(intro.size(), size_t(477));
        QCOMPARE(intro.substr(0, 2), std::string("\r\n"));
        // One more break, inside the closing question.
        const size_t inner = intro.find("\r\n", 2);
        QVERIFY(inner != std::string::npos);
        QCOMPARE(intro.find("\r\n", inner + 2), std::string::npos);
        const size_t question = intro.find_last_of(".!", inner);
        QVERIFY(question != std::string::npos && question < inner);
        QCOMPARE(intro.back(), '?');
    }

    // Clues start with "*" and are parted by one empty line; puzzle 2 runs
    // them together and puzzles 7 and 10 leave two.
    void clueSeparators_data() { fair_data(); }
    void clueSeparators() {
        QFETCH(int, number);
        const PuzzleRecord *r = findPuzzle(number);
        const QStringList lines = QString::fromStdString(r->clueText()).split("\r\n");
        const int gap = number == 2 ? 0 : (number == 7 || number == 10) ? 2 : 1;
        int clues = 0, empties = 0;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines[i].isEmpty()) {
                ++empties;
                continue;
            }
            if (lines[i].startsWith('*')) {
                const bool leading = clues == 0;
                QCOMPARE(empties, leading ? (r->content.leadingEmptyLine ? 1 : 0) : gap);
                ++clues;
            } else {
                QVERIFY2(lines[i].startsWith("   ") && empties == 0, qPrintable(lines[i]));
            }
            empties = 0;
        }
        QCOMPARE(empties, 0);
        QCOMPARE(clues, r->clueCount);
        QCOMPARE(int(lines.size()), r->lineCount);
    }
};

QTEST_MAIN(TestPuzzles)
#include "test_puzzles.moc"
