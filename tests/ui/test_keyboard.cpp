// The game played with the keyboard alone: the grid's focus square and its
// keys, the focus frames, keys held down, and a whole game without a mouse.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "board/boardgrid.h"
#include "board/frmlogic.h"
#include "core/gridmoves.h"
#include "files/frmfiles.h"
#include "fillin/frmfillin.h"
#include "harness.h"
#include "intro/frmlogicintro.h"
#include "testfiles.h"
#include "widgets/buttons.h"
#include "widgets/filelists.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

int cell(const char *digits) { return cellIndex(*parseCell(digits)); }

BoardGrid *gridOf(FrmLogic *board) { return child<BoardGrid>(board, "Grid"); }

// A key to whatever has the focus now, in the modal window on top. That
// window is made active first: the offscreen platform does not activate a
// window that comes back on top when the one over it closes, as a desktop
// does, and access keys reach the active window only.
QWidget *focused() {
    QWidget *top = QApplication::activeModalWidget();
    if (!top)
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible()) top = w;
    if (top && QApplication::activeWindow() != top) QApplication::setActiveWindow(top);
    QWidget *target = QApplication::focusWidget();
    if (top && (!target || target->window() != top))
        target = top->focusWidget() ? top->focusWidget() : top;
    if (!target) qWarning("nothing has the focus");
    return target;
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focused(), key, modifiers);
}

// A key held down: its first press, then the presses the keyboard repeats.
void hold(QWidget *target, Qt::Key key, int repeats) {
    for (int i = 0; i <= repeats; ++i) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(target, &event);
    }
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// Relative luminance contrast of two colours.
double contrast(QColor a, QColor b) {
    auto lum = [](QColor c) {
        auto lin = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    const double x = lum(a) + 0.05, y = lum(b) + 0.05;
    return x > y ? x / y : y / x;
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    // From corners and borders of every block: the square moves over the
    // staircase only, and on across block borders where it goes on.
    void focusSquareMoves_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        const int L = Qt::Key_Left, R = Qt::Key_Right, U = Qt::Key_Up, D = Qt::Key_Down;
        QTest::newRow("top left, left") << "0101" << L << "0101";
        QTest::newRow("top left, up") << "0101" << U << "0101";
        QTest::newRow("top left, right") << "0101" << R << "0201";
        QTest::newRow("top left, down") << "0101" << D << "0102";
        QTest::newRow("block A|D border, right") << "0503" << R << "0603";
        QTest::newRow("block D|C border, right") << "1004" << R << "1104";
        QTest::newRow("block D|C border, left") << "1104" << L << "1004";
        QTest::newRow("top right, right") << "1501" << R << "1501";
        QTest::newRow("bottom right of C|B, down") << "1505" << D << "1505";
        QTest::newRow("band 1 to 2 in column 01") << "0105" << D << "0106";
        QTest::newRow("band 1 to 2 in column 10") << "1005" << D << "1006";
        QTest::newRow("band 2 to 1, up") << "0706" << U << "0705";
        QTest::newRow("no square below column 11") << "1105" << D << "1105";
        QTest::newRow("no square right of 1006") << "1006" << R << "1006";
        QTest::newRow("band 2 to 3 in column 05") << "0510" << D << "0511";
        QTest::newRow("no square below column 06") << "0610" << D << "0610";
        QTest::newRow("no square right of 0511") << "0511" << R << "0511";
        QTest::newRow("right from 0512 stays") << "0512" << R << "0512";
        QTest::newRow("bottom left, down") << "0115" << D << "0115";
        QTest::newRow("bottom left, left") << "0115" << L << "0115";
        QTest::newRow("bottom of band 3, right") << "0415" << R << "0515";
        QTest::newRow("Home from C|B") << "1303" << int(Qt::Key_Home) << "0103";
        QTest::newRow("End in band 1") << "0303" << int(Qt::Key_End) << "1503";
        QTest::newRow("End in band 2") << "0308" << int(Qt::Key_End) << "1008";
        QTest::newRow("End in band 3") << "0112" << int(Qt::Key_End) << "0512";
        QTest::newRow("Page Down") << "0202" << int(Qt::Key_PageDown) << "0207";
        QTest::newRow("Page Down to the last row") << "0213" << int(Qt::Key_PageDown) << "0215";
        QTest::newRow("Page Down in band 3 column") << "1203" << int(Qt::Key_PageDown) << "1205";
        QTest::newRow("Page Up") << "0314" << int(Qt::Key_PageUp) << "0309";
        QTest::newRow("Page Up to the first row") << "0903" << int(Qt::Key_PageUp) << "0901";
    }
    void focusSquareMoves() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        board->focusSquare(cell(qPrintable(from)));
        QTest::keyClick(gridOf(board), Qt::Key(key));
        QCOMPARE(QString::fromStdString(cellAt(gridOf(board)->focusSquare()).digits()), to);
        board->hide();
    }

    // Keys on the grid do exactly what the matching clicks do: the same
    // codes, pictures and tool state. "R" moves right; "rep-x" is an X held
    // down, whose repeats do nothing.
    void keysMarkLikeClicks_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("codes");  // cells 0101 .. 0401
        QTest::addColumn<int>("tool");
        QTest::newRow("X") << "x"
                           << "0222" << int(kToolX);
        QTest::newRow("O selects O") << "o"
                                     << "1222" << int(kToolO);
        QTest::newRow("Space uses X by default") << "space"
                                                 << "0222" << int(kToolX);
        QTest::newRow("Space keeps using O") << "o R space R space"
                                             << "1112" << int(kToolO);
        QTest::newRow("Delete erases, back to X") << "o del"
                                                  << "2222" << int(kToolX);
        QTest::newRow("one square per erase") << "o del R space"
                                              << "2022" << int(kToolX);
        QTest::newRow("Backspace on a blank square") << "x R bs"
                                                     << "0222" << int(kToolX);
        QTest::newRow("eraser tool then Space") << "eraser space R space"
                                                << "2022" << int(kToolX);
        QTest::newRow("held X marks once") << "rep-x R"
                                           << "0222" << int(kToolX);
        QTest::newRow("X over a revealed O") << "o answers x"
                                             << "0222" << int(kToolX);
    }
    void keysMarkLikeClicks() {
        QFETCH(QString, keys);
        QFETCH(QString, codes);
        QFETCH(int, tool);
        Game byKeys, byMouse;
        FrmLogic *k = shownBoard(byKeys, 1);
        FrmLogic *m = shownBoard(byMouse, 1);
        BoardGrid *grid = gridOf(k);
        int at = 0;
        auto click = [m](const char *name) {
            QTest::mouseClick(child<QWidget>(m, name), Qt::LeftButton, {}, QPoint(5, 5));
        };
        auto clickCell = [&] {
            QTest::mouseClick(cellPicture(m, at), Qt::LeftButton, {}, QPoint(5, 5));
        };
        for (const QString &token : keys.split(' ')) {
            if (token == "x" || token == "o") {
                QTest::keyClick(grid, token == "x" ? Qt::Key_X : Qt::Key_O);
                click(token == "x" ? "ImgX" : "ImgO");
                clickCell();
            } else if (token == "space" || token == "del" || token == "bs") {
                QTest::keyClick(grid, token == "space" ? Qt::Key_Space
                                      : token == "del" ? Qt::Key_Delete
                                                       : Qt::Key_Backspace);
                if (token != "space") click("ImgErase");
                clickCell();
            } else if (token == "R") {
                QTest::keyClick(grid, Qt::Key_Right);
                at = cellIndex(moveFocus(cellAt(at), GridMove::Right));
            } else if (token == "eraser" || token == "answers") {
                const char *name = token == "eraser" ? "ImgErase" : "CmdAnswer";
                QTest::mouseClick(child<QWidget>(k, name), Qt::LeftButton, {}, QPoint(5, 5));
                click(name);
            } else if (token == "rep-x") {
                hold(grid, Qt::Key_X, 3);
                click("ImgX");
                clickCell();
            }
        }
        QString got;
        for (const char *d : {"0101", "0201", "0301", "0401"}) {
            const int i = cell(d);
            got += QString::number(k->codes()[size_t(i)]);
            QCOMPARE(int(k->codes()[size_t(i)]), int(m->codes()[size_t(i)]));
            QCOMPARE(cellPicture(k, i)->pixmap().toImage(), cellPicture(m, i)->pixmap().toImage());
        }
        QCOMPARE(got, codes);
        QCOMPARE(int(k->tools().SelectedTool), tool);
        QVERIFY(k->tools() == m->tools());
        k->hide();
        m->hide();
    }

    // The focus square's frame stands out from white and from the blue
    // lines, hides no pixel of the mark, and goes with the focus.
    void focusFrameIsVisibleAndHidesNoMark() {
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        const int i = cell("0303");
        QTest::mouseClick(cellPicture(board, i), Qt::LeftButton, {}, QPoint(5, 5));
        BoardGrid *grid = gridOf(board);
        const QRect square = grid->squareRect(i).translated(grid->mapTo(board, QPoint()));
        const QImage plain = board->grab().toImage();
        board->focusSquare(i);
        const QImage framed = board->grab().toImage();
        const QColor blue = plain.pixelColor(square.left() - 1, square.center().y());
        const QColor outer = framed.pixelColor(square.left(), square.center().y());
        const QColor inner = framed.pixelColor(square.left() + 1, square.center().y());
        const QColor white = framed.pixelColor(square.left() + 2, square.top() + 2);
        QCOMPARE(blue, QColor(0, 0, 255));
        QCOMPARE(white, QColor(Qt::white));
        QVERIFY(contrast(outer, blue) >= 3.0);
        QVERIFY(contrast(inner, white) >= 3.0);
        for (int y = square.top() + 2; y < square.bottom() - 1; ++y)
            for (int x = square.left() + 2; x < square.right() - 1; ++x)
                QCOMPARE(framed.pixel(x, y), plain.pixel(x, y));
        // Off the grid, no frame.
        press(Qt::Key_Tab);
        QVERIFY(!grid->hasFocus());
        QCOMPARE(board->grab().toImage().copy(square), plain.copy(square));
        board->hide();
    }

    // Tab goes through the six buttons, then the grid, the clues and the
    // three tools; a button reached by Tab shows a clear frame.
    void tabChainAndButtonFrame() {
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        QStringList chain;
        child<QWidget>(board, "CmdIntro")->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 11; ++i) {
            chain << focused()->objectName();
            press(Qt::Key_Tab);
        }
        QCOMPARE(chain, (QStringList{"CmdIntro", "CmdShowFillIn", "CmdNext", "CmdSave", "CmdAnswer",
                                     "CmdExit", "Grid", "LblClues", "ImgX", "ImgO", "ImgErase"}));
        QCOMPARE(focused()->objectName(), QStringLiteral("CmdIntro"));
        // The frame 3 pixels inside the yellow-less default face.
        auto *intro = child<QPushButton>(board, "CmdIntro");
        const QImage shot = intro->grab().toImage();
        const QColor frame = shot.pixelColor(3, intro->height() / 2);
        const QColor face = shot.pixelColor(6, intro->height() / 2);
        QVERIFY2(contrast(frame, face) >= 3.0,
                 qPrintable(QStringLiteral("%1").arg(contrast(frame, face))));
        // Space on a focused tool selects it.
        child<QWidget>(board, "ImgO")->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);
        QCOMPARE(int(board->tools().SelectedTool), int(kToolO));
        board->hide();
    }

    // A held Return presses a button once.
    void heldReturnPressesOnce() {
        Game g;
        FrmLogic *board = shownBoard(g, 3);
        hold(child<QPushButton>(board, "CmdNext"), Qt::Key_Return, 5);
        QCOMPARE(int(g.state.PuzzleNum), 4);
        board->hide();
    }

    // Up and Down walk the menu's buttons in tab order.
    void menuArrows() {
        Game g;
        g.menu.show();
        g.menu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g.menu));
        g.menu.CmdPuz[7]->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), g.menu.CmdPuz[8]);
        press(Qt::Key_Up);
        press(Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), g.menu.CmdPuz[6]);
        g.menu.hide();
    }

    // A whole game with keys alone: choose puzzle 1, mark and erase, read the
    // story, take notes, save by name and Return; open that file from the
    // list with Space and Return, reveal the answers, go on, and leave.
    void wholeGameByKeyboard() {
        QTemporaryDir dir;
        InDirectory in(dir.path());
        Game g;
        g.menu.show();
        g.menu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&g.menu));
        QString unchosen;
        CellCodes saved{}, reopened{};
        bool storyClosed = false, notesHidden = false;
        {
            Script s(g.windows);
            s.on<FrmLogic>([&](FrmLogic *) {
                for (int i = 0; i < 6; ++i) press(Qt::Key_Tab);  // to the grid
                for (Qt::Key k : {Qt::Key_X, Qt::Key_Right, Qt::Key_O, Qt::Key_Right, Qt::Key_X,
                                  Qt::Key_Left, Qt::Key_Delete})
                    press(k);
                press(Qt::Key_I, Qt::AltModifier);
            });
            s.on<FrmLogicIntro>([](FrmLogicIntro *) { press(Qt::Key_Escape); });
            s.on<FrmLogic>([&](FrmLogic *board) {
                storyClosed = !g.windows.loadedIntro() || !g.windows.loadedIntro()->isVisible();
                Q_UNUSED(board);
                press(Qt::Key_F, Qt::AltModifier);
            });
            s.on<FrmFillIn>([](FrmFillIn *) {
                QTest::keyClicks(focused(), QStringLiteral("Ben"));
                press(Qt::Key_Escape);
            });
            s.on<FrmLogic>([&](FrmLogic *) {
                notesHidden = g.windows.loadedFillIn() && !g.windows.loadedFillIn()->isVisible();
                press(Qt::Key_S, Qt::AltModifier);
            });
            s.on<FrmFiles>([](FrmFiles *) {
                QTest::keyClicks(focused(), QStringLiteral("kbd"));
                press(Qt::Key_Return);
            });
            s.on<FrmLogic>([&](FrmLogic *board) {
                saved = board->codes();
                press(Qt::Key_X, Qt::AltModifier);
            });
            s.start();
            g.menu.CmdInstructions->setFocus(Qt::TabFocusReason);
            press(Qt::Key_Tab);
            press(Qt::Key_Return);  // "#1 - Conferences"
            QVERIFY2(s.finished(), qPrintable(s.failures()));
        }
        QVERIFY(storyClosed);
        QVERIFY(notesHidden);
        QCOMPARE(contents(dir.filePath("kbd.txt")).left(8), QByteArray("1,0,2,2,"));
        QCOMPARE(int(saved[size_t(cell("0101"))]), 0);
        QCOMPARE(int(saved[size_t(cell("0201"))]), 2);
        QCOMPARE(int(saved[size_t(cell("0301"))]), 0);
        {
            Script s(g.windows);
            s.on<FrmFiles>([](FrmFiles *files) {
                press(Qt::Key_Tab);
                press(Qt::Key_Tab);
                QCOMPARE(focused(), files->filList);
                files->OKButton->click();  // highlighted, not chosen
                press(Qt::Key_Space);
                press(Qt::Key_Return);
            });
            s.on<QMessageBox>([&](QMessageBox *box) {
                unchosen = box->text();
                press(Qt::Key_Return);
            });
            s.on<FrmLogic>([&](FrmLogic *board) {
                reopened = board->codes();
                press(Qt::Key_A, Qt::AltModifier);
                press(Qt::Key_N, Qt::AltModifier);
                QTRY_COMPARE(int(g.state.PuzzleNum), 2);
                press(Qt::Key_X, Qt::AltModifier);
            });
            s.start();
            g.menu.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&g.menu));
            press(Qt::Key_O, Qt::AltModifier);  // opens the window once its click has shown
            QTRY_VERIFY2_WITH_TIMEOUT(s.finished(), qPrintable(s.failures()), 20000);
        }
        QCOMPARE(unchosen, QStringLiteral("You did not choose a file to open."));
        QVERIFY(reopened == saved);
        QCOMPARE(visibleTopLevels(), 1);  // the menu
        g.menu.hide();
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
