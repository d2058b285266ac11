#include <QtTest>

#include "core/gamestate.h"
#include "core/tools.h"

using namespace zentrivo;

Q_DECLARE_METATYPE(CellAction)

namespace {
// "x", "o", "e" click a tool; "r" is the reset after an erase.
ToolState run(const QString &clicks) {
    ToolState t;
    for (QChar c : clicks) {
        if (c == 'x') t.clickX();
        if (c == 'o') t.clickO();
        if (c == 'e') t.clickEraser();
        if (c == 'r') t.resetTool();
    }
    return t;
}
}  // namespace

class TestTools : public QObject {
    Q_OBJECT
private slots:
    // Each row: clicks from a fresh load, then SelectedTool, EraserArmed and
    // which tools look pressed (x, o, e).
    void selection_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("armed");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("loaded: X ready") << "" << 1 << 0 << "x";
        QTest::newRow("O ready") << "o" << 2 << 0 << "o";
        QTest::newRow("back to X") << "ox" << 1 << 0 << "x";
        QTest::newRow("eraser armed") << "e" << 3 << 1 << "e";
        QTest::newRow("eraser twice") << "ee" << 3 << 1 << "e";
        QTest::newRow("armed from O") << "oe" << 3 << 1 << "e";
        QTest::newRow("X while armed") << "ex" << 1 << 1 << "x";
        QTest::newRow("O while armed") << "eo" << 2 << 1 << "o";
        QTest::newRow("eraser hidden behind X") << "exe" << 3 << 1 << "x";
        QTest::newRow("eraser hidden behind O") << "eoe" << 3 << 1 << "o";
        QTest::newRow("reset after erase") << "er" << 1 << 0 << "x";
        QTest::newRow("reset from hidden eraser") << "eoer" << 1 << 0 << "x";
        QTest::newRow("armed again after reset") << "ere" << 3 << 1 << "e";
    }
    void selection() {
        QFETCH(QString, clicks);
        QFETCH(int, tool);
        QFETCH(int, armed);
        QFETCH(QString, pressed);
        const ToolState t = run(clicks);
        QCOMPARE(int(t.SelectedTool), tool);
        QCOMPARE(int(t.EraserArmed), armed);
        QString looks;
        if (t.xPressed) looks += 'x';
        if (t.oPressed) looks += 'o';
        if (t.eraserPressed) looks += 'e';
        QCOMPARE(looks, pressed);
    }

    void loadResetsAnyState() {
        ToolState t = run("eoe");
        t.load();
        QVERIFY(t == ToolState{});
    }

    void cellClick_data() {
        QTest::addColumn<int>("whereFrom");
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("tool");
        QTest::addColumn<CellAction>("action");
        QTest::newRow("restore X") << 1 << 0 << 2 << CellAction::ShowX;
        QTest::newRow("restore O") << 1 << 1 << 1 << CellAction::ShowO;
        QTest::newRow("restore blank") << 1 << 2 << 1 << CellAction::ShowBlank;
        QTest::newRow("restore 3 leaves cell") << 1 << 3 << 1 << CellAction::Nothing;
        QTest::newRow("restore -1 leaves cell") << 1 << -1 << 3 << CellAction::Nothing;
        QTest::newRow("mark X") << 0 << 1 << 1 << CellAction::ShowX;
        QTest::newRow("mark O") << 0 << 0 << 2 << CellAction::ShowO;
        QTest::newRow("erase") << 0 << 0 << 3 << CellAction::ShowBlank;
        QTest::newRow("save mode marks too") << 2 << 0 << 2 << CellAction::ShowO;
        QTest::newRow("no tool") << 0 << 0 << 7 << CellAction::Nothing;
    }
    void cellClick() {
        QFETCH(int, whereFrom);
        QFETCH(int, saved);
        QFETCH(int, tool);
        QFETCH(CellAction, action);
        QCOMPARE(
            zentrivo::cellClick(std::int16_t(whereFrom), std::int16_t(saved), std::int16_t(tool)),
            action);
    }

    void codes() {
        QCOMPARE(int(codeFor(CellAction::ShowX, 2)), 0);
        QCOMPARE(int(codeFor(CellAction::ShowO, 0)), 1);
        QCOMPARE(int(codeFor(CellAction::ShowBlank, 1)), 2);
        QCOMPARE(int(codeFor(CellAction::Nothing, 1)), 1);
    }
};

QTEST_GUILESS_MAIN(TestTools)
#include "test_tools.moc"
