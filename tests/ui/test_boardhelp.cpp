#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>

#include "board/boardgrid.h"
#include "board/cluetext.h"
#include "board/frmlogic.h"
#include "core/hint.h"
#include "core/savefile.h"
#include "files/frmfiles.h"
#include "harness.h"
#include "widgets/filelists.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

int index(const QString &digits) { return cellIndex(*parseCell(digits.toStdString())); }

void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

// Makes the board the active window again, as the desktop does when a
// window over it closes: its keys reach it only then.
void activate(QWidget *board) {
    board->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(board));
}

// Runs one step of a sequence on the board: a tool ("X", "O", "E"), a cell
// clicked ("0101"), a key on the grid's focus square ("kX0101", "kO..",
// "kDel..", "kSpace.."), "Answers", or a key to the window ("^Z", "^Y",
// "^+Z" for Ctrl+Shift+Z).
void act(FrmLogic *board, const QString &step) {
    BoardGrid *grid = board->findChild<BoardGrid *>();
    static const QMap<QString, Qt::Key> keys{
        {"kX", Qt::Key_X}, {"kO", Qt::Key_O}, {"kDel", Qt::Key_Delete}, {"kSpace", Qt::Key_Space}};
    if (step == "X" || step == "O" || step == "E") {
        click(child<PictureBox>(board, step == "E" ? "ImgErase" : "Img" + step));
    } else if (step == "Answers") {
        child<QPushButton>(board, "CmdAnswer")->click();
    } else if (step.startsWith('^')) {
        activate(board);
        const bool shift = step.startsWith("^+");
        const Qt::Key key = step.endsWith('Z') ? Qt::Key_Z : Qt::Key_Y;
        QWidget *focus = board->focusWidget() ? board->focusWidget() : board;
        QTest::keyClick(focus, key,
                        Qt::ControlModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier));
    } else if (step.startsWith('k')) {
        const QString digits = step.right(4);
        board->focusSquare(index(digits));
        QTest::keyClick(grid, keys.value(step.chopped(4)));
    } else {
        click(cellPicture(board, index(step)));
    }
}

}  // namespace

class TestBoardHelp : public QObject {
    Q_OBJECT
private slots:
    // Click and key sequences, and the codes they leave; every cell named
    // shows the ordinary picture of its code, and undo leaves the tools alone.
    void undoRedo_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<int>("tool");
        QTest::addColumn<int>("history");  // steps on the undo stack
        QTest::newRow("undo the last mark") << "O 0101 0102 ^Z"
                                            << "0101=1 0102=2" << 2 << 2;
        QTest::newRow("redo by Ctrl+Y") << "O 0101 ^Z ^Y"
                                        << "0101=1" << 2 << 1;
        QTest::newRow("redo by Ctrl+Shift+Z") << "X 0101 ^Z ^+Z"
                                              << "0101=0" << 1 << 1;
        QTest::newRow("same mark again is no step") << "O 0101 0101 ^Z"
                                                    << "0101=2" << 2 << 1;
        QTest::newRow("eraser on a blank square is no step") << "E 0101 ^Z"
                                                             << "0101=2" << 1 << 0;
        QTest::newRow("erase undone") << "X 0101 O 0101 E 0101 ^Z ^Z"
                                      << "0101=0" << 1 << 3;
        QTest::newRow("undo keeps the eraser armed") << "O 0101 E ^Z"
                                                     << "0101=2" << 3 << 1;
        QTest::newRow("keys on the grid") << "kX0101 kO0102 kDel0101 ^Z ^Z"
                                          << "0101=0 0102=2" << 1 << 3;
        QTest::newRow("key marks with the tool in use") << "O kSpace1505 ^Z ^Y"
                                                        << "1505=1" << 2 << 1;
        QTest::newRow("undo after the answers") << "O 0101 Answers ^Z"
                                                << "0101=2" << 2 << 1;
        QTest::newRow("a new step drops the redo") << "O 0101 0102 ^Z X 0103 ^Y"
                                                   << "0101=1 0102=2 0103=0" << 1 << 2;
        QTest::newRow("undo past the start does nothing") << "O 0101 ^Z ^Z ^Y ^Y"
                                                          << "0101=1" << 2 << 1;
    }
    void undoRedo() {
        QFETCH(QString, steps);
        QFETCH(QString, codes);
        QFETCH(int, tool);
        QFETCH(int, history);
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        for (const QString &step : steps.split(' ')) act(board, step);
        QCOMPARE(board->tools().SelectedTool, tool);
        QCOMPARE(board->history()->count(), history);
        const qint64 x = child<PictureBox>(board, "ImgX")->pixmap().cacheKey();
        const qint64 o = child<PictureBox>(board, "ImgO")->pixmap().cacheKey();
        BoardGrid *grid = board->findChild<BoardGrid *>();
        for (const QString &pair : codes.split(' ')) {
            const int cell = index(pair.left(4));
            const int code = pair.mid(5).toInt();
            QCOMPARE(int(board->codes()[static_cast<size_t>(cell)]), code);
            const qint64 shown = cellPicture(board, cell)->pixmap().cacheKey();
            QCOMPARE(shown == x, code == kCodeX);
            QCOMPARE(shown == o, code == kCodeO);
            const BoardGrid::Mark marks[] = {BoardGrid::Mark::X, BoardGrid::Mark::O,
                                             BoardGrid::Mark::Blank};
            QCOMPARE(grid->mark(cell), marks[code]);
        }
    }

    // The menu opens from a right click anywhere on the window and from the
    // keyboard, lists the help with its keys (over a clue, that clue's entry
    // after them), and a right click marks nothing.
    void helpMenu_data() {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("more");
        const QPoint corner(5, 5);
        const QStringList none;
        QTest::newRow("right click on a square") << "Img0101" << corner << 0 << none;
        QTest::newRow("right click on a command") << "CmdNext" << corner << 0 << none;
        QTest::newRow("right click on the clues")
            << "LblClues" << corner << 0 << QStringList{"Cross &Off Clue 1\t"};
        QTest::newRow("right click on a row heading") << "LblS01" << corner << 0 << none;
        QTest::newRow("right click on the panel") << "Frame1" << QPoint(320, 250) << 0 << none;
        QTest::newRow("Menu key") << "" << corner << int(Qt::Key_Menu) << none;
        QTest::newRow("Shift+F10") << "" << corner << int(Qt::Key_F10) << none;
    }
    void helpMenu() {
        QFETCH(QString, where);
        QFETCH(QPoint, at);
        QFETCH(int, key);
        QFETCH(QStringList, more);
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        QMenu *menu = board->helpMenu();
        if (key) {
            board->focusSquare(5);
            QTest::keyClick(board->focusWidget(), Qt::Key(key),
                            key == Qt::Key_F10 ? Qt::ShiftModifier : Qt::NoModifier);
        } else {
            // Through the window, as the desktop delivers a click.
            QWidget *w = board->findChild<QWidget *>(where);
            QVERIFY(w);
            QTest::mouseClick(board->windowHandle(), Qt::RightButton, {}, w->mapTo(board, at));
        }
        QTRY_VERIFY(menu->isVisible());
        QStringList shown;
        for (QAction *a : menu->actions())
            if (!a->isSeparator()) shown << a->text() + '\t' + a->shortcut().toString();
        QCOMPARE(shown, (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z", "&Check My Marks\tC",
                                     "&Hint\tH"} +
                         more));
        menu->close();
        for (std::int16_t code : board->codes()) QCOMPARE(code, kCodeBlank);
        QCOMPARE(board->history()->count(), 0);
    }

    // C checks the marks in a message box and changes nothing.
    void checkBox_data() {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<QString>("text");
        // 0101 holds an O the key of puzzle 1 does not; 0102 and 0103 are right.
        QTest::newRow("puzzle 1") << 1 << "1 of your 3 marks does not agree with the answer.";
        QTest::newRow("no puzzle") << 0 << "There is no puzzle on the board.";
    }
    void checkBox() {
        QFETCH(int, puzzle);
        QFETCH(QString, text);
        Game g;
        FrmLogic *board = shownBoard(g, puzzle);
        for (const char *step : {"O", "0101", "X", "0102", "0103"}) act(board, step);
        const CellCodes before = board->codes();
        QString shown, title;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModal([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            shown = box->text(), title = box->windowTitle(), icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::keyClick(board, Qt::Key_C);
        QCOMPARE(title, QString("Zentrivo 2.0 - Check"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(shown, text);
        QCOMPARE(board->codes(), before);
    }

    // H shows where to look and marks the clue; H again on the same board
    // gives the whole step, outlines the squares it rests on without hiding
    // their marks, and puts the focus square on the hinted square. A change
    // of a square, an undo or a load ends the hint: its marks go, the
    // squares look as before, and the next H starts over.
    void hintPresses_data() {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("ends");
        QTest::newRow("H a third time") << "H" << false;
        QTest::newRow("a square marked") << "mark" << true;
        QTest::newRow("the last mark undone") << "undo" << true;
        QTest::newRow("the puzzle loaded again") << "load" << true;
    }
    void hintPresses() {
        QFETCH(QString, then);
        QFETCH(bool, ends);
        Game g;
        FrmLogic *board = shownBoard(g, 3);
        BoardGrid *grid = board->findChild<BoardGrid *>();
        auto *clues = board->findChild<ClueText *>();
        // The first 20 steps of the puzzle's walk; the 21st rests on a mark.
        for (int i = 0; i < 20; ++i) {
            const Hint h = hintFor(findPuzzle(3), board->codes());
            act(board, h.code == kCodeO ? "O" : "X");
            act(board, QString::fromStdString(cellAt(h.cell).digits()));
        }
        const Hint expected = hintFor(findPuzzle(3), board->codes());
        QCOMPARE(expected.clues, std::vector<int>{6});
        QCOMPARE(expected.restsOn.size(), size_t(1));
        const int restsOn = expected.restsOn.front();
        const QRect square = grid->squareRect(restsOn).translated(grid->mapTo(board, QPoint()));
        const QImage before = board->grab().toImage();
        const int focusBefore = grid->focusSquare();
        auto press = [&] {
            QString text;
            whenModal([&](QWidget *w) {
                auto *box = qobject_cast<QMessageBox *>(w);
                QVERIFY(box);
                text = box->text();
                box->button(QMessageBox::Ok)->click();
            });
            activate(board);
            QTest::keyClick(board, Qt::Key_H);
            activate(board);
            return text;
        };
        // The bar beside clue 6, left of the clue text, on the window.
        auto barShown = [&] {
            const QImage picture = board->grab().toImage();
            const QRect band = clues->clueRect(6).translated(clues->pos());
            for (int x = 0; x < clues->x(); ++x)
                if (picture.pixelColor(x, band.center().y()) == QColor(200, 0, 200)) return true;
            return false;
        };

        QCOMPARE(press(), QString::fromStdString(expected.first));
        QCOMPARE(clues->hintClues(), QList<int>{6});
        QVERIFY(barShown());
        QVERIFY(grid->outlined().isEmpty());
        QCOMPARE(grid->focusSquare(), focusBefore);

        QCOMPARE(press(), QString::fromStdString(expected.text));
        QCOMPARE(grid->outlined(), QList<int>{restsOn});
        QVERIFY(grid->hasFocus());
        QCOMPARE(grid->focusSquare(), expected.cell);
        const QImage outlined = board->grab().toImage();
        QCOMPARE(outlined.pixelColor(square.topLeft()), QColor(200, 0, 200));
        QCOMPARE(outlined.pixelColor(square.bottomRight() - QPoint(1, 1)), QColor(200, 0, 200));
        const QRect mark = square.adjusted(2, 2, -2, -2);
        QCOMPARE(outlined.copy(mark), before.copy(mark));

        if (then == "H") {
            QCOMPARE(press(), QString::fromStdString(expected.text));
        } else if (then == "mark") {
            act(board, "O");
            act(board, QString::fromStdString(cellAt(expected.cell).digits()));
        } else if (then == "undo") {
            act(board, "^Z");
        } else {
            board->Reloading();
        }
        QCOMPARE(grid->outlined().isEmpty(), ends);
        QCOMPARE(clues->hintClues().isEmpty(), ends);
        QCOMPARE(barShown(), !ends);
        if (!ends) return;
        const QImage after = board->grab().toImage();
        QVERIFY(after.pixelColor(square.topLeft()) != QColor(200, 0, 200));
        if (then == "mark") QCOMPARE(after.copy(square), before.copy(square));
        const Hint next = hintFor(findPuzzle(3), board->codes());
        QCOMPARE(press(), QString::fromStdString(next.first));
    }

    // A wrong mark: the first press says there is one, the second names it
    // and puts the focus square on it; a complete board has one text.
    void hintWrongMark() {
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        for (const char *step : {"O", "0101", "X", "0102"}) act(board, step);
        BoardGrid *grid = board->findChild<BoardGrid *>();
        QStringList texts;
        for (int i = 0; i < 2; ++i) {
            whenModal([&](QWidget *w) {
                auto *box = qobject_cast<QMessageBox *>(w);
                QVERIFY(box);
                texts << box->text();
                box->button(QMessageBox::Ok)->click();
            });
            activate(board);
            QTest::keyClick(board, Qt::Key_H);
            if (i == 0) QVERIFY(!grid->hasFocus());
        }
        QCOMPARE(texts, (QStringList{"One of your marks does not agree with the clues.",
                                     "The O where Ballroom meets 1st Floor does not agree with "
                                     "the clues.  Erase it or undo back past it."}));
        activate(board);
        QCOMPARE(grid->focusSquare(), 0);
        QVERIFY(grid->hasFocus());
    }

    // A save after an undo writes the codes the undo left.
    void saveAfterUndo() {
        QTemporaryDir dir;
        Game g;
        FrmLogic *board = shownBoard(g, 3);
        for (const char *step : {"O", "0101", "0102", "^Z"}) act(board, step);
        Script s(g.windows);
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(dir.path());
            w->TxtFileName->setText(QStringLiteral("undone"));
            w->OKButton->click();
        });
        s.start();
        board->CmdSave_Click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        const ReadResult read = ReadSaveFile(dir.filePath("undone.txt").toStdString());
        QVERIFY(read.puzzle);
        QCOMPARE(read.puzzle->codes[0], kCodeO);
        QCOMPARE(read.puzzle->codes[1], kCodeBlank);
        QCOMPARE(read.puzzle->codes, board->codes());
    }

    // Every load leaves an empty history; Cancel in the file window is no load.
    void historyAfterLoad_data() {
        QTest::addColumn<QString>("load");
        QTest::addColumn<int>("history");
        QTest::newRow("next puzzle") << "next" << 0;
        QTest::newRow("fresh load") << "fresh" << 0;
        QTest::newRow("restore of a saved board") << "restore" << 0;
        QTest::newRow("file window cancelled") << "cancel" << 2;
    }
    void historyAfterLoad() {
        QFETCH(QString, load);
        QFETCH(int, history);
        Game g;
        FrmLogic *board = shownBoard(g, 4);
        for (const char *step : {"O", "0101", "0102"}) act(board, step);
        QCOMPARE(board->history()->count(), 2);
        if (load == "next") {
            board->CmdNext_Click();
        } else if (load == "fresh") {
            board->Reloading();
        } else if (load == "restore") {
            g.state.GridB.fill(kCodeX);
            g.state.GridB[5] = kCodeO;
            g.state.WhereFrom = kWhereOpen;
            board->Reloading();
            QCOMPARE(board->codes()[5], kCodeO);
        } else {
            whenModal([](QWidget *w) {
                auto *files = qobject_cast<FrmFiles *>(w);
                QVERIFY(files);
                files->CancelButton->click();
            });
            board->CmdSave_Click();
        }
        QCOMPARE(board->history()->count(), history);
        // An undo now reaches no mark from before a load.
        board->Undo_Click();
        QCOMPARE(board->codes()[1], load == "restore" ? kCodeX : kCodeBlank);
    }
};

QTEST_MAIN(TestBoardHelp)
#include "test_boardhelp.moc"
