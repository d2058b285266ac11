#include <QPushButton>

#include "board/frmlogic.h"
#include "harness.h"
#include "widgets/buttons.h"

using namespace zentrivo;
using namespace zentrivo::testing;

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("caption");
        QTest::newRow("instructions") << "CmdInstructions" << QRect(8, 8, 137, 57)
                                      << "&Instructions on How to Solve Logic Problems";
        QTest::newRow("#1") << "CmdPuz01" << QRect(8, 72, 137, 25)
                            << "#1 - Conferences                ";
        QTest::newRow("#8") << "CmdPuz08" << QRect(8, 296, 137, 25)
                            << "#8 - Service Retirees          ";
        QTest::newRow("#9") << "CmdPuz09" << QRect(160, 8, 137, 25)
                            << "#9 - Book Promotion           ";
        QTest::newRow("#18") << "CmdPuz18" << QRect(160, 296, 137, 25)
                             << "#18 - Reporters                  ";
        QTest::newRow("#19") << "CmdPuz19" << QRect(312, 8, 137, 25) << "#19 - Doctors w/o Borders";
        QTest::newRow("#25") << "CmdPuz25" << QRect(312, 200, 137, 25)
                             << "#25 - Affluent Neighbors     ";
        QTest::newRow("open") << "CmdOpenSaved" << QRect(312, 232, 137, 33) << "&Open Saved File";
        QTest::newRow("history") << "CmdHx" << QRect(312, 272, 65, 49) << "&Version History";
        QTest::newRow("exit") << "CmdExit" << QRect(392, 288, 57, 33) << "E&xit";
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        QFETCH(QString, caption);
        Game g;
        QCOMPARE(g.menu.size(), QSize(455, 329));
        QCOMPARE(g.menu.windowTitle(), QString("Zentrivo 2.0"));
        QCOMPARE(g.menu.pos(), QPoint(10, 10));
        auto *b = g.menu.findChild<QPushButton *>(name);
        QVERIFY(b);
        QCOMPARE(b->geometry(), rect);
        QCOMPARE(b->text(), caption);
    }

    void tabOrder() {
        Game g;
        QStringList names;
        QWidget *w = g.menu.CmdInstructions;
        for (int i = 0; i < 29; ++i, w = w->nextInFocusChain()) names << w->objectName();
        QCOMPARE(names.first(), QString("CmdInstructions"));
        QCOMPARE(names[1], QString("CmdPuz01"));
        QCOMPARE(names[25], QString("CmdPuz25"));
        QCOMPARE(names.mid(26), (QStringList{"CmdOpenSaved", "CmdHx", "CmdExit"}));
    }

    // A puzzle button sets the number and shows that puzzle, fresh, however
    // the previous board was left.
    void choosingPuzzles() {
        Game g;
        g.menu.show();
        whenModal([&](QWidget *w) {
            auto *board = qobject_cast<FrmLogic *>(w);
            QVERIFY(board);
            QCOMPARE(board->windowTitle(), QString("Zentrivo 2.0 - #7 - Annual May Day"));
            board->ImgO_Click();
            board->Img_Click(0);
            board->close();
        });
        QTest::mouseClick(g.menu.CmdPuz[6], Qt::LeftButton);
        QCOMPARE(int(g.state.PuzzleNum), 7);
        QVERIFY(!g.windows.loadedLogic());
        whenModal([&](QWidget *w) {
            auto *board = qobject_cast<FrmLogic *>(w);
            QCOMPARE(board->windowTitle(), QString("Zentrivo 2.0 - #3 - Music Lessons"));
            QCOMPARE(int(board->codes()[0]), 2);
            board->CmdExit_Click();
        });
        QTest::mouseClick(g.menu.CmdPuz[2], Qt::LeftButton);
        QCOMPARE(int(g.state.PuzzleNum), 3);
        g.menu.hide();
        QCOMPARE(visibleTopLevels(), 0);
    }

    // After puzzle 25, Next closes the board and the menu is active again.
    void pastTheLastPuzzle() {
        Game g;
        g.menu.show();
        whenModal([&](QWidget *w) { qobject_cast<FrmLogic *>(w)->CmdNext_Click(); });
        QTest::mouseClick(g.menu.CmdPuz[24], Qt::LeftButton);
        QCOMPARE(int(g.state.PuzzleNum), 1);
        QVERIFY(!QApplication::activeModalWidget());
        g.menu.hide();
        QCOMPARE(visibleTopLevels(), 0);
    }

    void accessKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("window");
        QTest::newRow("Alt+I") << int(Qt::Key_I) << "FrmInstructions";
        QTest::newRow("Alt+O") << int(Qt::Key_O) << "FrmFiles";
        QTest::newRow("Alt+V") << int(Qt::Key_V) << "FrmHx";
    }
    void accessKeys() {
        QFETCH(int, key);
        QFETCH(QString, window);
        Game g;
        g.menu.show();
        g.menu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g.menu));
        QString opened;
        whenModal([&](QWidget *w) {
            opened = w->objectName();
            w->close();
        });
        QTest::keyClick(&g.menu, Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(opened, window);
        g.menu.hide();
        QCOMPARE(visibleTopLevels(), 0);
    }

    void exitUnloadsEveryWindow_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Exit button") << false;
        QTest::newRow("Alt+X") << true;
    }
    void exitUnloadsEveryWindow() {
        QFETCH(bool, byKey);
        Game g;
        g.menu.show();
        g.menu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g.menu));
        // A fill-in grid left loaded and hidden by a board closed with its
        // close box is unloaded too.
        g.windows.fillInGrid();
        g.windows.introWindow();
        if (byKey)
            QTest::keyClick(&g.menu, Qt::Key_X, Qt::AltModifier);
        else
            QTest::mouseClick(g.menu.CmdExit, Qt::LeftButton);
        QTRY_VERIFY(!g.windows.loadedFillIn());
        QVERIFY(!g.windows.loadedIntro());
        QVERIFY(g.menu.isHidden());
        QCOMPARE(visibleTopLevels(), 0);
    }
};

QTEST_MAIN(TestMenu)
#include "test_menu.moc"
