#include <QtTest>
#include <map>
#include <set>

#include "catalogue/catalogue.h"
#include "core/answerkey.h"

using namespace zentrivo;

namespace {
QStringList ids(const std::array<CellId, 30> &cells) {
    QStringList out;
    for (CellId c : cells) out << QString::fromStdString(c.digits());
    return out;
}

std::array<std::int16_t, kCellCount> blankBoard() {
    std::array<std::int16_t, kCellCount> codes{};
    codes.fill(kCodeBlank);
    return codes;
}

std::int16_t &code(std::array<std::int16_t, kCellCount> &codes, const char *digits) {
    return codes[static_cast<size_t>(cellIndex(*parseCell(digits)))];
}
}  // namespace

class TestAnswers : public QObject {
    Q_OBJECT
private slots:
    void puzzleOneKey() {
        const QString expected =
            "0105 0110 0115 0204 0207 0213 0301 0308 0312 0402 0406 0414 0503 0509 0511 0603 0609 "
            "0701 0708 0804 0807 0902 0906 1005 1010 1102 1204 1301 1403 1505";
        QCOMPARE(ids(keyCells(findPuzzle(1)->key)).join(' '), expected);
    }

    // Every key has one O in each row and each column of each block, and the
    // blocks agree with one another (links across blocks hold).
    void everyKeyIsASolution() {
        for (int n = 1; n <= kPuzzleCount; ++n) {
            const auto cells = keyCells(findPuzzle(n)->key);
            std::set<std::pair<int, int>> blockRows, blockColumns;
            for (CellId c : cells) {
                QVERIFY(isCell(c.column, c.row));
                QVERIFY(blockRows.insert({c.columnBand() * 10 + c.rowBand(), c.row}).second);
                QVERIFY(blockColumns.insert({c.rowBand(), c.column}).second);
            }
            QCOMPARE(blockRows.size(), size_t(30));
            auto on = [&](int column, int row) {
                return std::find(cells.begin(), cells.end(), CellId{column, row}) != cells.end();
            };
            // A with D and D with B imply A with B, and so on.
            for (int a = 1; a <= 5; ++a)
                for (int d = 1; d <= 5; ++d)
                    for (int b = 1; b <= 5; ++b)
                        if (on(a, 10 + d) && on(5 + d, b))
                            QVERIFY2(on(a, b), qPrintable(QString::number(n)));
        }
    }

    void revealOnBlankBoard() {
        const auto steps = revealSteps(findPuzzle(1)->key, blankBoard());
        QCOMPARE(steps.size(), size_t(30));
        for (const RevealStep &s : steps) QCOMPARE(s.picture, RevealPicture::RedO);
    }

    void revealStrikesWrongOsOnly() {
        auto codes = blankBoard();
        code(codes, "0105") = kCodeO;  // O on a key cell: red O only
        code(codes, "0101") = kCodeO;  // two O's off the key in one block column
        code(codes, "0103") = kCodeO;
        code(codes, "0204") = kCodeX;  // X on a key cell: red O, code unchanged
        code(codes, "0202") = kCodeO;  // same block column as that X
        code(codes, "0301") = kCodeX;  // X on key 0301; the X below it stays
        code(codes, "0302") = kCodeX;
        code(codes, "0604") = kCodeO;  // an O in the block column of key 0603
        const auto before = codes;
        const auto steps = revealSteps(findPuzzle(1)->key, codes);
        QCOMPARE(codes, before);
        std::map<QString, RevealPicture> last;
        for (const RevealStep &s : steps)
            last[QString::fromStdString(cellAt(s.cell).digits())] = s.picture;
        QCOMPARE(last.size(), size_t(34));
        for (const char *struck : {"0101", "0103", "0202", "0604"})
            QCOMPARE(last.at(struck), RevealPicture::StruckO);
        for (const char *red : {"0105", "0204", "0301"})
            QCOMPARE(last.at(red), RevealPicture::RedO);
        QVERIFY(!last.count("0302"));
    }

    void revealIsRepeatable() {
        auto codes = blankBoard();
        code(codes, "1101") = kCodeO;
        const auto once = revealSteps(findPuzzle(5)->key, codes);
        const auto twice = revealSteps(findPuzzle(5)->key, codes);
        QCOMPARE(once.size(), twice.size());
        for (size_t i = 0; i < once.size(); ++i) {
            QCOMPARE(once[i].cell, twice[i].cell);
            QCOMPARE(once[i].picture, twice[i].picture);
        }
    }
};

QTEST_GUILESS_MAIN(TestAnswers)
#include "test_answers.moc"
