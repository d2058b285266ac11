// The fill-in grid: its boxes and headings, and the life of the notes as the
// player hides and shows the grid, moves on, leaves the board and closes it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <functional>

#include "app/frmmain.h"
#include "app/windows.h"
#include "board/frmlogic.h"
#include "catalogue/catalogue.h"
#include "files/frmfiles.h"
#include "fillin/frmfillin.h"
#include "harness.h"
#include "widgets/buttons.h"
#include "widgets/filelists.h"

using namespace zentrivo;
using zentrivo::testing::child;
using zentrivo::testing::Script;

namespace {

QLineEdit *box(QWidget *grid, const char *name) {
    return grid->findChild<QLineEdit *>(QString::fromLatin1(name));
}

QStringList allNotes(FrmFillIn *grid) {
    QStringList notes;
    for (const auto &column : grid->Txt)
        for (QLineEdit *b : column) notes << b->text();
    return notes;
}

void leftOverWindowsAreGone() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TestFillIn : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        leftOverWindowsAreGone();
        const QWidgetList left = QApplication::topLevelWidgets();
        for (QWidget *w : left) qWarning("left over: %s", qPrintable(w->objectName()));
        QVERIFY(left.isEmpty());
    }

    // Grid row and column of each box, and its name: the first column has
    // Txt0102 above Txt0101.
    void boxesSitInTheirRowsAndColumns() {
        GameState state;
        Windows windows(state);
        FrmFillIn *grid = windows.fillInGrid();
        const char *names[5][4] = {{"Txt0102", "Txt0201", "Txt0301", "Txt0401"},
                                   {"Txt0101", "Txt0202", "Txt0302", "Txt0402"},
                                   {"Txt0103", "Txt0203", "Txt0303", "Txt0403"},
                                   {"Txt0104", "Txt0204", "Txt0304", "Txt0404"},
                                   {"Txt0105", "Txt0205", "Txt0305", "Txt0405"}};
        const int left[4] = {16, 104, 192, 280};
        const int top[5] = {72, 96, 120, 144, 168};
        QStringList tabOrder;
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 4; ++c) {
                QLineEdit *b = box(grid, names[r][c]);
                QVERIFY2(b, names[r][c]);
                QCOMPARE(b->mapTo(grid, QPoint(0, 0)), QPoint(left[c], top[r]));
                QCOMPARE(b->size(), QSize(81, 25));
                QVERIFY(b->text().isEmpty());
                tabOrder << QString::fromLatin1(names[r][c]);
            }
        tabOrder << QStringLiteral("CmdHide");
        // Follow the focus chain from the first box.
        QStringList chain;
        QWidget *w = box(grid, "Txt0102");
        for (int i = 0; i < 21; ++i) {
            chain << w->objectName();
            do w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
        }
        QCOMPARE(chain, tabOrder);
        QCOMPARE(grid->windowTitle(), QStringLiteral("Zentrivo 2.0 - Fill-In Grid"));
        windows.unload(grid);
    }

    void titleAndHeadingsFollowThePuzzle_data() {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("headings");
        QTest::newRow("1") << 1 << QStringLiteral("Logic Problem #1 - Conferences")
                           << QStringList{"Floor", "Room", "Attendee", "Time"};
        QTest::newRow("2") << 2 << QStringLiteral("Logic Problem #2 - Babysitting")
                           << QStringList{"Name", "Snack", "TV Show", "Room"};
        QTest::newRow("none yet") << 0 << QString() << QStringList{"", "", "", ""};
        QTest::newRow("26") << 26 << QString() << QStringList{"", "", "", ""};
        QTest::newRow("negative") << -3 << QString() << QStringList{"", "", "", ""};
        QTest::newRow("largest") << 32767 << QString() << QStringList{"", "", "", ""};
    }
    void titleAndHeadingsFollowThePuzzle() {
        QFETCH(int, puzzle);
        QFETCH(QString, title);
        QFETCH(QStringList, headings);
        GameState state;
        state.PuzzleNum = static_cast<std::int16_t>(puzzle);
        Windows windows(state);
        FrmFillIn *grid = windows.fillInGrid();
        QCOMPARE(grid->LblTitle->text(), title);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(grid->findChild<QLabel *>(QStringLiteral("Lbl%1").arg(i + 1))->text(),
                     headings[i]);
        // Written at load only: a later change of puzzle does not reach a
        // loaded grid.
        state.PuzzleNum = 3;
        QCOMPARE(windows.fillInGrid()->LblTitle->text(), title);
        windows.unload(grid);
    }

    void everyTitleFitsItsLabel() {
        GameState state;
        Windows windows(state);
        FrmFillIn *grid = windows.fillInGrid();
        const QFontMetrics fm(grid->LblTitle->font());
        for (int n = 1; n <= kPuzzleCount; ++n) {
            const QString title = QString::fromStdString(findPuzzle(n)->fillInTitle);
            QVERIFY2(fm.horizontalAdvance(title) <= grid->LblTitle->width(), qPrintable(title));
        }
        windows.unload(grid);
    }

    // Hide and show again: title, headings and notes are all still there;
    // Escape hides the grid and keeps the notes.
    void notesSurviveHideAndShow() {
        GameState state;
        state.PuzzleNum = 1;
        Windows windows(state);
        Script s(windows);
        QStringList seen;
        bool focusOnFirstBox = false, hiddenByEscape = false, keptWhileHidden = false;
        s.on<FrmLogic>(
            [](FrmLogic *board) { child<QPushButton>(board, "CmdShowFillIn")->click(); });
        s.on<FrmFillIn>([&](FrmFillIn *grid) {
            focusOnFirstBox = grid->focusWidget() == box(grid, "Txt0102");
            QTest::keyClicks(box(grid, "Txt0102"), QStringLiteral("Ben"));
            QTest::keyClicks(box(grid, "Txt0405"), QStringLiteral("Miami"));
            QTest::keyClick(box(grid, "Txt0405"), Qt::Key_Escape);
            hiddenByEscape = !grid->isVisible();
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            keptWhileHidden = windows.loadedFillIn() && !windows.loadedFillIn()->isVisible();
            child<QPushButton>(board, "CmdShowFillIn")->click();
        });
        s.on<FrmFillIn>([&](FrmFillIn *grid) {
            seen << box(grid, "Txt0102")->text() << box(grid, "Txt0405")->text()
                 << grid->LblTitle->text() << grid->findChild<QLabel *>("Lbl4")->text();
            grid->CmdHide->click();
        });
        s.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdExit")->click(); });
        s.start();
        windows.logic()->exec();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QVERIFY(focusOnFirstBox);
        QVERIFY(hiddenByEscape);
        QVERIFY(keptWhileHidden);
        QCOMPARE(seen, (QStringList{"Ben", "Miami", "Logic Problem #1 - Conferences", "Time"}));
        QVERIFY(!windows.loadedFillIn());
    }

    // Hide and Show clicked back to back, faster than the grid's modal run
    // can return between them: every Show counts, and the grid ends shown
    // with its notes, then hides and shows as usual.
    void quickHideAndShowEndsShown() {
        GameState state;
        state.PuzzleNum = 1;
        Windows windows(state);
        Script s(windows);
        bool shownWithNotes = false, hidesAgain = false;
        auto click = [](QWidget *button) {
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    button,
                    new QMouseEvent(
                        type, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                        Qt::NoModifier));
        };
        s.on<FrmLogic>(
            [](FrmLogic *board) { child<QPushButton>(board, "CmdShowFillIn")->click(); });
        s.on<FrmFillIn>([&](FrmFillIn *grid) {
            QTest::keyClicks(box(grid, "Txt0102"), QStringLiteral("Ben"));
            QWidget *show = child<QPushButton>(windows.loadedLogic(), "CmdShowFillIn");
            for (int pair = 0; pair < 5; ++pair) {
                click(grid->CmdHide);
                click(show);
            }
        });
        s.on<FrmFillIn>([&](FrmFillIn *grid) {
            QCoreApplication::processEvents();
            shownWithNotes = grid->isVisible() && QApplication::activeModalWidget() == grid &&
                             box(grid, "Txt0102")->text() == QLatin1String("Ben");
            grid->CmdHide->click();
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            hidesAgain = !windows.loadedFillIn()->isVisible();
            child<QPushButton>(board, "CmdShowFillIn")->click();
        });
        s.on<FrmFillIn>([](FrmFillIn *grid) { grid->CmdHide->click(); });
        s.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdExit")->click(); });
        s.start();
        windows.logic()->exec();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QVERIFY(shownWithNotes);
        QVERIFY(hidesAgain);
    }

    // Each way of unloading the grid loses the notes; the next showing
    // starts with twenty empty boxes.
    void notesAreLostWhenTheGridIsUnloaded_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("grid's close box") << QStringLiteral("close box");
        QTest::newRow("next puzzle") << QStringLiteral("next");
        QTest::newRow("board's exit, then the same puzzle") << QStringLiteral("exit");
        QTest::newRow("board's close box, then the same puzzle") << QStringLiteral("board close");
    }
    void notesAreLostWhenTheGridIsUnloaded() {
        QFETCH(QString, how);
        GameState state;
        Windows windows(state);
        FrmMain menu(windows);
        Script s(windows);
        QStringList notes;
        QString title;
        bool unloadedOnTheBoard = false;
        s.on<FrmLogic>(
            [](FrmLogic *board) { child<QPushButton>(board, "CmdShowFillIn")->click(); });
        s.on<FrmFillIn>([&](FrmFillIn *grid) {
            QTest::keyClicks(box(grid, "Txt0101"), QStringLiteral("2nd Floor"));
            QTest::keyClicks(box(grid, "Txt0305"), QStringLiteral("Chefs"));
            if (how == QLatin1String("close box"))
                grid->close();
            else
                grid->CmdHide->click();
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            if (how == QLatin1String("next")) {
                child<QPushButton>(board, "CmdNext")->click();
                unloadedOnTheBoard = !windows.loadedFillIn();
            } else if (how == QLatin1String("exit")) {
                child<QPushButton>(board, "CmdExit")->click();
            } else if (how == QLatin1String("board close")) {
                board->close();
            }
        });
        if (how == QLatin1String("exit") || how == QLatin1String("board close")) {
            s.start();
            menu.CmdPuz[0]->click();
            QVERIFY2(s.failures().isEmpty(), qPrintable(s.failures()));
            unloadedOnTheBoard = !windows.loadedFillIn();
        }
        s.on<FrmLogic>(
            [](FrmLogic *board) { child<QPushButton>(board, "CmdShowFillIn")->click(); });
        s.on<FrmFillIn>([&](FrmFillIn *grid) {
            notes = allNotes(grid);
            title = grid->LblTitle->text();
            grid->CmdHide->click();
        });
        s.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdExit")->click(); });
        s.start();
        menu.CmdPuz[0]->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        if (how != QLatin1String("close box")) QVERIFY(unloadedOnTheBoard);
        QCOMPARE(notes, QStringList(QVector<QString>(20)));
        // After Next the grid belongs to the new puzzle.
        QCOMPARE(title, how == QLatin1String("next")
                            ? QStringLiteral("Logic Problem #2 - Babysitting")
                            : QStringLiteral("Logic Problem #1 - Conferences"));
        QVERIFY(!windows.loadedFillIn());
    }

    // A saved puzzle holds the marks but never the notes: opening it again
    // shows an empty grid.
    void notesAreNotSaved() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        // The file window starts in the current folder.
        struct Back {
            QString path = QDir::currentPath();
            ~Back() { QDir::setCurrent(path); }
        } back;
        QDir::setCurrent(dir.path());
        GameState state;
        Windows windows(state);
        FrmMain menu(windows);

        Script save(windows);
        save.on<FrmLogic>(
            [](FrmLogic *board) { child<QPushButton>(board, "CmdShowFillIn")->click(); });
        save.on<FrmFillIn>([](FrmFillIn *grid) {
            QTest::keyClicks(box(grid, "Txt0201"), QStringLiteral("Ballroom"));
            grid->CmdHide->click();
        });
        save.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdSave")->click(); });
        save.on<FrmFiles>([](FrmFiles *files) {
            QTest::keyClicks(files->TxtFileName, QStringLiteral("notes"));
            files->OKButton->click();
        });
        save.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdExit")->click(); });
        save.start();
        menu.CmdPuz[0]->click();
        QVERIFY2(save.finished(), qPrintable(save.failures()));
        QFile file(QStringLiteral("notes.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("Ballroom"));
        file.close();

        Script open(windows);
        QStringList notes;
        QString title;
        open.on<FrmFiles>([](FrmFiles *files) {
            const auto found =
                files->filList->findItems(QStringLiteral("notes.txt"), Qt::MatchExactly);
            if (found.isEmpty()) return files->CancelButton->click();
            files->filList->setCurrentItem(found.first());
            files->filList_Click();
            files->OKButton->click();
        });
        open.on<FrmLogic>(
            [](FrmLogic *board) { child<QPushButton>(board, "CmdShowFillIn")->click(); });
        open.on<FrmFillIn>([&](FrmFillIn *grid) {
            notes = allNotes(grid);
            title = grid->LblTitle->text();
            grid->CmdHide->click();
        });
        open.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdExit")->click(); });
        open.start();
        menu.CmdOpenSaved->click();
        QVERIFY2(open.finished(), qPrintable(open.failures()));
        QCOMPARE(title, QStringLiteral("Logic Problem #1 - Conferences"));
        QCOMPARE(notes, QStringList(QVector<QString>(20)));
    }

    // Runs last: the menu's Exit ends the application's event loops, and no
    // modal window can run after it in this process.
    void menuExitUnloadsAHiddenGrid() {
        GameState state;
        state.PuzzleNum = 4;
        Windows windows(state);
        FrmMain menu(windows);
        QPointer<FrmFillIn> grid = windows.fillInGrid();
        QTest::keyClicks(box(grid, "Txt0203"), QStringLiteral("note"));
        grid->CmdHide->click();
        QVERIFY(windows.loadedFillIn());
        menu.CmdExit->click();
        QVERIFY(!windows.loadedFillIn());
        leftOverWindowsAreGone();
        QVERIFY(grid.isNull());
    }
};

QTEST_MAIN(TestFillIn)
#include "test_fillin.moc"
