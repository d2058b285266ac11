#include <QtTest>

#include "core/cells.h"

using namespace zentrivo;

class TestCells : public QObject {
    Q_OBJECT
private slots:
    void validity_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("exists");
        QTest::newRow("first") << "0101" << true;
        QTest::newRow("column 5 bottom") << "0515" << true;
        QTest::newRow("column 6 bottom") << "0610" << true;
        QTest::newRow("below column 6") << "0611" << false;
        QTest::newRow("column 11 bottom") << "1105" << true;
        QTest::newRow("below column 11") << "1106" << false;
        QTest::newRow("last") << "1505" << true;
        QTest::newRow("column 16") << "1601" << false;
        QTest::newRow("row 0") << "0100" << false;
        QTest::newRow("column 0") << "0001" << false;
        QTest::newRow("not digits") << "01a1" << false;
        QTest::newRow("too short") << "101" << false;
    }
    void validity() {
        QFETCH(QString, digits);
        QFETCH(bool, exists);
        QCOMPARE(parseCell(digits.toStdString()).has_value(), exists);
    }

    void canonicalOrder() {
        const auto &cells = allCells();
        QCOMPARE(cells.size(), size_t(150));
        QCOMPARE(cells[0].digits(), std::string("0101"));
        QCOMPARE(cells[14].digits(), std::string("0115"));
        QCOMPARE(cells[15].digits(), std::string("0201"));
        QCOMPARE(cells[75].digits(), std::string("0601"));
        QCOMPARE(cells[125].digits(), std::string("1101"));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(cells[145 + i].digits(), "150" + std::to_string(i + 1));
        for (int i = 0; i < 150; ++i) {
            QCOMPARE(cellIndex(cells[i]), i);
            if (i > 0) {
                const bool ascending =
                    cells[i - 1].column < cells[i].column ||
                    (cells[i - 1].column == cells[i].column && cells[i - 1].row < cells[i].row);
                QVERIFY(ascending);
            }
            // Every cell lies in one of the six blocks of the staircase.
            QVERIFY(cells[i].columnBand() + cells[i].rowBand() <= 4);
        }
    }

    void blockColumnPeers_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QStringList>("peers");
        QTest::newRow("0101") << "0101" << QStringList{"0102", "0103", "0104", "0105"};
        QTest::newRow("0103") << "0103" << QStringList{"0101", "0102", "0104", "0105"};
        QTest::newRow("0406") << "0406" << QStringList{"0407", "0408", "0409", "0410"};
        QTest::newRow("0115") << "0115" << QStringList{"0111", "0112", "0113", "0114"};
        QTest::newRow("0708") << "0708" << QStringList{"0706", "0707", "0709", "0710"};
        QTest::newRow("1301") << "1301" << QStringList{"1302", "1303", "1304", "1305"};
    }
    void blockColumnPeers() {
        QFETCH(QString, cell);
        QFETCH(QStringList, peers);
        QStringList got;
        for (CellId c : zentrivo::blockColumnPeers(*parseCell(cell.toStdString())))
            got << QString::fromStdString(c.digits());
        QCOMPARE(got, peers);
    }
};

QTEST_GUILESS_MAIN(TestCells)
#include "test_cells.moc"
