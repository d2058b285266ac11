// The help texts: their line structure, their line breaks, and the worked
// example that the instructions and the example pictures share.
#include <QtTest>

#include "core/helptexts.h"
#include "core/workedexample.h"

using namespace zentrivo;

namespace {

// Splits on CR LF; a lone CR or LF stays inside its line.
QStringList lines(const std::string &text) {
    return QString::fromStdString(text).split(QStringLiteral("\r\n"));
}

int count(const worked::Grid &g, worked::Mark mark) {
    int n = 0;
    for (const auto &row : g)
        for (worked::Mark m : row) n += m == mark;
    return n;
}

}  // namespace

class TestHelpTexts : public QObject {
    Q_OBJECT

private slots:
    // What each example picture shows, told in words: the grid's rows with
    // their marks, the deduction's O in example 2, the notes in example 3.
    void examplesAreDescribed_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("says");
        QTest::newRow("1: the clues' marks") << 1
                                             << "Ben: X under Lottery. Cora: O under Lottery, X "
                                                "under Inherited, Stocks and Game Show.";
        QTest::newRow("2: the heir's O") << 2
                                         << "Ben: O under Inherited, X under Lottery, Stocks "
                                            "and Game Show.";
        QTest::newRow("3: the notes") << 3
                                      << "Notes in four columns, Name, Method, Amount and "
                                         "City. Row 1: Amy. Row 2: Ben, Inherited.";
        QTest::newRow("no such example") << 4 << "";
    }
    void examplesAreDescribed() {
        QFETCH(int, number);
        QFETCH(QString, says);
        const QString text = QString::fromStdString(exampleDescription(number));
        QVERIFY2(text.contains(says), qPrintable(text));
        QCOMPARE(text.isEmpty(), says.isEmpty());
    }

    void textsBreakOnlyWithCrLf_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("instructions") << QString::fromStdString(instructionsText());
        QTest::newRow("history") << QString::fromStdString(versionHistoryText());
    }
    void textsBreakOnlyWithCrLf() {
        QFETCH(QString, text);
        QString withoutBreaks = text;
        withoutBreaks.remove(QStringLiteral("\r\n"));
        QVERIFY(!withoutBreaks.contains(QLatin1Char('\r')));
        QVERIFY(!withoutBreaks.contains(QLatin1Char('\n')));
        QVERIFY(!text.endsWith(QStringLiteral("\r\n")));
        // No personal address in the contact line.
        QVERIFY(!text.contains(QLatin1Char('@')));
        QVERIFY(
            text.split(QStringLiteral("\r\n")).last().contains(QStringLiteral("issue tracker")));
    }

    void instructionsBeginWithHeadingAndRule() {
        const QStringList l = lines(instructionsText());
        QCOMPARE(l.value(0), QStringLiteral("Instructions on How to Solve Logic Problems:"));
        QCOMPARE(l.value(1), QString(67, QLatin1Char('-')));
        QCOMPARE(l.value(2), QString());
        QCOMPARE(l.value(5), QStringLiteral("Example:"));
    }

    // Eighteen lines: every piece is one line, and pieces are parted by
    // exactly one empty line.
    void instructionsPiecesAreSingleLinesWithOneEmptyLineBetween() {
        const QStringList l = lines(instructionsText());
        QCOMPARE(l.size(), 18);
        for (int i = 0; i < l.size(); ++i) {
            const bool shouldBeEmpty = i >= 2 && i % 2 == 0;
            QVERIFY2(l[i].isEmpty() == shouldBeEmpty,
                     qPrintable(QStringLiteral("line %1").arg(i + 1)));
        }
    }

    void instructionParagraphsHaveRoughlyTheirLength_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("about");
        QTest::newRow("marking") << 4 << 670;
        QTest::newRow("first clues") << 8 << 450;
        QTest::newRow("deduction") << 10 << 200;
        QTest::newRow("answers") << 12 << 145;
        QTest::newRow("guessing") << 14 << 145;
        QTest::newRow("fill-in grid") << 16 << 320;
    }
    void instructionParagraphsHaveRoughlyTheirLength() {
        QFETCH(int, line);
        QFETCH(int, about);
        const QString paragraph = lines(instructionsText()).value(line - 1);
        QVERIFY2(paragraph.size() > about * 0.8 && paragraph.size() < about * 1.25,
                 qPrintable(QStringLiteral("%1 characters").arg(paragraph.size())));
    }

    void instructionsPointToTheExamplesInOrder() {
        const QStringList l = lines(instructionsText());
        QVERIFY(l[7].contains(QStringLiteral("Example #1")));
        QVERIFY(l[9].contains(QStringLiteral("Example #2")));
        QVERIFY(l[15].contains(QStringLiteral("Example #3")));
        // The board's own captions, without their access-key marks.
        QVERIFY(l[11].contains(QStringLiteral("\"Get the Answers\"")));
        QVERIFY(l[15].contains(QStringLiteral("\"Show Fill-In Grid\"")));
        QVERIFY(l[15].contains(QStringLiteral("\"Hide Fill-In Grid\"")));
    }

    // The prose names the same people as the pictures draw.
    void instructionsTellTheWorkedExample() {
        using namespace worked;
        const QStringList l = lines(instructionsText());
        const QString winner = QString::fromLatin1(kPeople[kLotteryWinner]);
        QVERIFY(l[7].contains(winner + QStringLiteral(" won the lottery")));
        QVERIFY(l[7].contains(QStringLiteral("neither %1 nor %2 inherited")
                                  .arg(QString::fromLatin1(kPeople[kDidNotInherit[0]]),
                                       QString::fromLatin1(kPeople[kDidNotInherit[1]]))));
        QVERIFY(l[9].contains(QString::fromLatin1(kPeople[kHeir]) +
                              QStringLiteral(" is the only one left")));
        QVERIFY(!l[7].contains(QLatin1Char('{')));
        QVERIFY(!l[9].contains(QLatin1Char('{')));
    }

    void workedExampleMarks() {
        using namespace worked;
        const Grid clues = afterClues();
        QCOMPARE(clues[kLotteryWinner][kLottery], Mark::O);
        QCOMPARE(count(clues, Mark::O), 1);
        // The winner's row and the lottery column (6 squares) and the two
        // who did not inherit.
        QCOMPARE(count(clues, Mark::X), 8);
        for (int p : kDidNotInherit) QCOMPARE(clues[p][kInherited], Mark::X);

        const Grid next = afterDeduction();
        QCOMPARE(next[kHeir][kInherited], Mark::O);
        QCOMPARE(count(next, Mark::O), 2);
        for (int m = 0; m < kSize; ++m)
            if (m != kInherited) QCOMPARE(next[kHeir][m], Mark::X);
        // Each column and row holds at most one O.
        for (int i = 0; i < kSize; ++i) {
            int inRow = 0, inColumn = 0;
            for (int j = 0; j < kSize; ++j) {
                inRow += next[i][j] == Mark::O;
                inColumn += next[j][i] == Mark::O;
            }
            QVERIFY(inRow <= 1 && inColumn <= 1);
        }
    }

    void historyStructure() {
        const QStringList l = lines(versionHistoryText());
        QCOMPARE(l.size(), 11);
        QCOMPARE(l[0], QStringLiteral("Version 1.0"));
        QCOMPARE(l[1], QString(16, QLatin1Char('-')));
        QVERIFY(l[2].startsWith(QStringLiteral("* ")));
        QVERIFY(l[3].startsWith(QStringLiteral("* ")));
        QCOMPARE(l[4], QString());
        QCOMPARE(l[5], QStringLiteral("Version 2.0"));
        QCOMPARE(l[6], QString(16, QLatin1Char('-')));
        QVERIFY(l[7].startsWith(QStringLiteral("* ")));
        // The continuation of the last item: four blanks, then text.
        QVERIFY(l[8].startsWith(QStringLiteral("    ")));
        QVERIFY(!l[8].at(4).isSpace());
        QCOMPARE(l[9], QString());
        QVERIFY(!l[10].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHelpTexts)
#include "test_helptexts.moc"
