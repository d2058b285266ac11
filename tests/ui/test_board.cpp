#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "board/frmlogic.h"
#include "harness.h"
#include "intro/frmlogicintro.h"
#include "widgets/buttons.h"
#include "widgets/picturebox.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

qint64 key(const QLabel *label) { return label->pixmap().cacheKey(); }

void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

int index(const char *digits) { return cellIndex(*parseCell(digits)); }

QColor centre(const QLabel *label) { return label->pixmap().toImage().pixelColor(11, 11); }

}  // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("intro") << "CmdIntro" << QRect(0, 8, 97, 33);
        QTest::newRow("fill-in") << "CmdShowFillIn" << QRect(104, 8, 73, 33);
        QTest::newRow("clues") << "LblClues" << QRect(8, 64, 161, 369);
        QTest::newRow("panel") << "Frame1" << QRect(184, -8, 441, 441);
        QTest::newRow("tool frame") << "Frame2" << QRect(0, 24, 73, 41);
        QTest::newRow("X tool") << "ImgX" << QRect(8, 8, 25, 25);
        QTest::newRow("O tool") << "ImgO" << QRect(40, 8, 25, 25);
        QTest::newRow("headings") << "ImgTop" << QRect(72, 0, 358, 81);
        QTest::newRow("row 1") << "LblS01" << QRect(0, 88, 73, 17);
        QTest::newRow("row 15") << "LblS15" << QRect(0, 424, 73, 17);
        QTest::newRow("first cell") << "Img0101" << QRect(72, 80, 23, 23);
        QTest::newRow("cell 0102") << "Img0102" << QRect(72, 104, 25, 25);
        QTest::newRow("cell 0610") << "Img0610" << QRect(192, 296, 25, 25);
        QTest::newRow("last cell") << "Img1505" << QRect(408, 176, 25, 25);
        QTest::newRow("magnifier") << "ImgMag" << QRect(200, 328, 102, 106);
        QTest::newRow("next") << "CmdNext" << QRect(512, 200, 105, 41);
        QTest::newRow("save") << "CmdSave" << QRect(512, 256, 105, 41);
        QTest::newRow("answers") << "CmdAnswer" << QRect(328, 320, 105, 41);
        QTest::newRow("eraser") << "ImgErase" << QRect(328, 384, 34, 34);
        QTest::newRow("exit") << "CmdExit" << QRect(560, 376, 57, 33);
        QTest::newRow("red O") << "ImgRedO" << QRect(304, 416, 23, 23);
        QTest::newRow("top edge") << "Line1" << QRect(0, 79, 432, 2);
        QTest::newRow("band 1 left edge") << "Line2_3" << QRect(71, 8, 2, 432);
        QTest::newRow("bands 2|3") << "Line2_1" << QRect(311, 8, 2, 312);
        QTest::newRow("band 3 right edge") << "Line2_2" << QRect(431, 8, 2, 192);
        QTest::newRow("rows 2|3") << "Line4_1" << QRect(0, 319, 312, 2);
        QTest::newRow("thin column line in band 3") << "Line3_11" << QRect(408, 8, 1, 192);
        QTest::newRow("thin row line in band 1") << "Line5_0" << QRect(0, 104, 432, 1);
        QTest::newRow("thin row line in band 3") << "Line5_11" << QRect(0, 416, 192, 1);
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        Game g;
        FrmLogic *board = g.windows.logic();
        QCOMPARE(board->size(), QSize(632, 443));
        QWidget *w = board->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(w->geometry(), rect);
    }

    void hiddenPictureHoldersAndButtonOrder() {
        Game g;
        FrmLogic *board = g.windows.logic();
        board->show();
        QVERIFY(child<PictureBox>(board, "ImgRedO")->isHidden());
        QVERIFY(child<PictureBox>(board, "ImgPurpleO")->isHidden());
        QVERIFY(child<PictureBox>(board, "ImgErase")->isVisible());
        QWidget *w = child<QPushButton>(board, "CmdIntro");
        QStringList names;
        for (int i = 0; i < 6; ++i) {
            names << w->objectName();
            do w = w->nextInFocusChain();
            while (!qobject_cast<QPushButton *>(w));
        }
        QCOMPARE(names, (QStringList{"CmdIntro", "CmdShowFillIn", "CmdNext", "CmdSave", "CmdAnswer",
                                     "CmdExit"}));
        board->hide();
    }

    void freshLoadSharesOneBlankPicture() {
        Game g;
        g.state.PuzzleNum = 1;
        FrmLogic *board = g.windows.logic();
        const qint64 blank = key(cellPicture(board, 0));
        for (int i = 0; i < kCellCount; ++i) {
            QCOMPARE(int(board->codes()[i]), 2);
            QCOMPARE(key(cellPicture(board, i)), blank);
        }
        QCOMPARE(board->tools().SelectedTool, kToolX);
        QCOMPARE(child<PictureBox>(board, "ImgX")->border(), PictureBox::Border::Sunken);
        QCOMPARE(child<PictureBox>(board, "ImgO")->border(), PictureBox::Border::Flat);
        QCOMPARE(child<PictureBox>(board, "ImgErase")->border(), PictureBox::Border::Flat);
        QCOMPARE(board->pos(), QPoint(0, 0));
    }

    void markingAndErasing() {
        Game g;
        g.state.PuzzleNum = 3;
        FrmLogic *board = g.windows.logic();
        board->show();
        click(child<PictureBox>(board, "ImgO"));
        click(cellPicture(board, 5));
        click(cellPicture(board, 5));  // no toggling
        QCOMPARE(int(board->codes()[5]), 1);
        QCOMPARE(key(cellPicture(board, 5)), key(child<PictureBox>(board, "ImgO")));
        click(child<PictureBox>(board, "ImgX"));
        click(cellPicture(board, 149));
        QCOMPARE(int(board->codes()[149]), 0);
        QCOMPARE(key(cellPicture(board, 149)), key(child<PictureBox>(board, "ImgX")));
        // Eraser twice, then a cell: erased once, back to X.
        click(child<PictureBox>(board, "ImgErase"));
        click(child<PictureBox>(board, "ImgErase"));
        QCOMPARE(child<PictureBox>(board, "ImgErase")->border(), PictureBox::Border::Sunken);
        click(cellPicture(board, 5));
        QCOMPARE(int(board->codes()[5]), 2);
        QCOMPARE(board->tools().SelectedTool, kToolX);
        QCOMPARE(child<PictureBox>(board, "ImgX")->border(), PictureBox::Border::Sunken);
        QCOMPARE(child<PictureBox>(board, "ImgErase")->border(), PictureBox::Border::Flat);
        // Eraser hidden behind X: the next click still erases.
        click(child<PictureBox>(board, "ImgErase"));
        click(child<PictureBox>(board, "ImgX"));
        click(child<PictureBox>(board, "ImgErase"));
        QCOMPARE(board->tools().SelectedTool, kToolEraser);
        QCOMPARE(child<PictureBox>(board, "ImgX")->border(), PictureBox::Border::Sunken);
        click(cellPicture(board, 149));
        QCOMPARE(int(board->codes()[149]), 2);
        QCOMPARE(board->tools().SelectedTool, kToolX);
        board->hide();
    }

    void restoreFromSavedMarks() {
        Game g;
        g.state.PuzzleNum = 12;
        g.state.GridB.fill(2);
        g.state.GridB[index("0101")] = 0;
        g.state.GridB[index("0102")] = 1;
        g.state.GridB[index("0103")] = 3;  // not a mark: the cell is left alone
        g.state.GridB[index("1505")] = -7;
        g.state.WhereFrom = kWhereOpen;
        FrmLogic *board = g.windows.logic();
        QCOMPARE(int(g.state.WhereFrom), 0);
        QCOMPARE(int(board->codes()[index("0101")]), 0);
        QCOMPARE(key(cellPicture(board, index("0101"))), key(child<PictureBox>(board, "ImgX")));
        QCOMPARE(int(board->codes()[index("0102")]), 1);
        QCOMPARE(key(cellPicture(board, index("0102"))), key(child<PictureBox>(board, "ImgO")));
        QCOMPARE(int(board->codes()[index("0103")]), 2);
        QCOMPARE(int(board->codes()[index("0104")]), 2);
        QCOMPARE(int(board->codes()[index("1505")]), 2);
        QCOMPARE(board->windowTitle(), QString("Zentrivo 2.0 - #12 - Yachts"));
        // Next starts the following puzzle blank.
        board->CmdNext_Click();
        QCOMPARE(int(g.state.PuzzleNum), 13);
        QCOMPARE(int(board->codes()[index("0101")]), 2);
        QCOMPARE(int(board->codes()[index("0102")]), 2);
    }

    void next_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("stays");
        QTest::newRow("24") << 24 << 25 << true;
        QTest::newRow("25") << 25 << 1 << false;
        QTest::newRow("0") << 0 << 1 << true;
        QTest::newRow("-3") << -3 << -2 << true;
        QTest::newRow("32767") << 32767 << 1 << false;
        QTest::newRow("-32768") << -32768 << -32767 << true;
    }
    void next() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, stays);
        Game g;
        g.state.PuzzleNum = std::int16_t(from);
        FrmLogic *board = g.windows.logic();
        board->show();
        click(child<PictureBox>(board, "ImgO"));
        click(cellPicture(board, 0));
        board->CmdNext_Click();
        QCOMPARE(int(g.state.PuzzleNum), to);
        QCOMPARE(g.windows.loadedLogic() == board, stays);
        if (stays) {
            QCOMPARE(int(board->codes()[0]), 2);
            QCOMPARE(board->tools().SelectedTool, kToolX);
            if (to == 25)
                QCOMPARE(board->windowTitle(), QString("Zentrivo 2.0 - #25 - Affluent Neighbors"));
        } else {
            QCOMPARE(visibleTopLevels(), 0);
        }
    }

    void exitAndCloseBoxResetPurpose_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Exit") << false;
        QTest::newRow("close box") << true;
    }
    void exitAndCloseBoxResetPurpose() {
        QFETCH(bool, closeBox);
        Game g;
        g.state.PuzzleNum = 2;
        whenModal([&](QWidget *w) {
            g.state.WhereFrom = kWhereSave;  // as a save leaves it
            if (closeBox)
                w->close();
            else
                click(w->findChild<QPushButton *>("CmdExit"));
        });
        g.windows.logic()->exec();
        QCOMPARE(int(g.state.WhereFrom), 0);
        QVERIFY(!g.windows.loadedLogic());
        QCOMPARE(visibleTopLevels(), 0);
    }

    void loaderContent() {
        Game g;
        g.state.PuzzleNum = 1;
        FrmLogic *board = g.windows.logic();
        QCOMPARE(board->windowTitle(), QString("Zentrivo 2.0 - #1 - Conferences"));
        QCOMPARE(child<QPushButton>(board, "CmdIntro")->text(), QString("Problem #1 &Intro"));
        QCOMPARE(rowHeading(board, 0)->text(), QString("1st Floor"));
        QCOMPARE(rowHeading(board, 14)->text(), QString("Chefs"));
        QVERIFY(child<QLabel>(board, "LblClues")->text().startsWith("* "));
        QVERIFY(!child<QLabel>(board, "LblClues")->text().contains('\r'));
        const QString clues = child<QLabel>(board, "LblClues")->text();
        // Outside 1..25 the texts stay as they were; the cells still reset.
        for (int n : {0, 26}) {
            click(child<PictureBox>(board, "ImgO"));
            click(cellPicture(board, 3));
            g.state.PuzzleNum = std::int16_t(n);
            board->Reloading();
            QCOMPARE(board->windowTitle(), QString("Zentrivo 2.0 - #1 - Conferences"));
            QCOMPARE(child<QPushButton>(board, "CmdIntro")->text(), QString("Problem #1 &Intro"));
            QCOMPARE(rowHeading(board, 0)->text(), QString("1st Floor"));
            QCOMPARE(child<QLabel>(board, "LblClues")->text(), clues);
            QCOMPARE(int(board->codes()[3]), 2);
            QCOMPARE(int(g.state.WhereFrom), 0);
        }
        g.state.PuzzleNum = 25;
        board->Reloading();
        QCOMPARE(child<QPushButton>(board, "CmdIntro")->text(), QString("Problem #25 &Intro"));
    }

    void ampersandShownOnce() {
        Game g;
        g.state.PuzzleNum = 10;
        FrmLogic *board = g.windows.logic();
        QStringList headings;
        for (int n = 0; n < 15; ++n) headings << rowHeading(board, n)->text();
        QVERIFY(headings.contains("Rum & Coke"));
    }

    void reveal() {
        Game g;
        g.state.PuzzleNum = 1;
        FrmLogic *board = g.windows.logic();
        board->show();
        click(child<PictureBox>(board, "ImgX"));
        click(cellPicture(board, index("0105")));  // X on a key cell
        click(child<PictureBox>(board, "ImgO"));
        click(cellPicture(board, index("0103")));  // O off the key, in that block column
        click(cellPicture(board, index("0102")));
        const auto codes = board->codes();
        for (int twice = 0; twice < 2; ++twice) {
            board->CmdAnswer_Click();
            QCOMPARE(board->codes(), codes);
            QCOMPARE(key(cellPicture(board, index("0105"))),
                     key(child<PictureBox>(board, "ImgRedO")));
            QCOMPARE(key(cellPicture(board, index("1505"))),
                     key(child<PictureBox>(board, "ImgRedO")));
            QCOMPARE(key(cellPicture(board, index("0103"))),
                     key(child<PictureBox>(board, "ImgPurpleO")));
            QCOMPARE(key(cellPicture(board, index("0102"))),
                     key(child<PictureBox>(board, "ImgPurpleO")));
            QCOMPARE(key(cellPicture(board, index("0101"))),
                     key(cellPicture(board, index("0104"))));  // blank stays
        }
        // Marking after the reveal paints the ordinary mark.
        click(child<PictureBox>(board, "ImgX"));
        click(cellPicture(board, index("0103")));
        QCOMPARE(key(cellPicture(board, index("0103"))), key(child<PictureBox>(board, "ImgX")));
        QCOMPARE(int(board->codes()[index("0103")]), 0);
        QCOMPARE(board->tools().SelectedTool, kToolX);
        board->hide();
    }

    // Blanking reads the blank picture from disk each time; X and O read no
    // file, so they work even without the picture folder.
    void picturesFromDisk() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("QRX-Images")));
        QVERIFY(QFile::copy("QRX-Images/blank.gif", dir.filePath("QRX-Images/blank.gif")));
        InDirectory in(dir.path());
        Game g;
        g.state.PuzzleNum = 4;
        FrmLogic *board = g.windows.logic();
        QCOMPARE(centre(cellPicture(board, 7)), QColor(Qt::white));
        // A different blank picture on disk shows on the next erase only.
        QImage red(23, 23, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(QFile::remove("QRX-Images/blank.gif"));
        QVERIFY(red.save("QRX-Images/blank.gif", "PNG"));
        board->ImgErase_Click();
        board->Img_Click(7);
        QCOMPARE(centre(cellPicture(board, 7)), QColor(Qt::red));
        QCOMPARE(centre(cellPicture(board, 8)), QColor(Qt::white));
        // Without the folder: X and O still show, a blanked cell is white.
        QVERIFY(QDir("QRX-Images").removeRecursively());
        board->ImgO_Click();
        board->Img_Click(9);
        QCOMPARE(key(cellPicture(board, 9)), key(child<PictureBox>(board, "ImgO")));
        board->ImgErase_Click();
        board->Img_Click(9);
        QCOMPARE(int(board->codes()[9]), 2);
        QCOMPARE(centre(cellPicture(board, 9)), QColor(Qt::white));
        QCOMPARE(cellPicture(board, 9)->pixmap().size(), QSize(23, 23));
    }

    void missingFolderOpensEveryWindow() {
        QTemporaryDir dir;
        InDirectory in(dir.path());
        Game g;
        g.state.PuzzleNum = 5;
        FrmLogic *board = g.windows.logic();
        QCOMPARE(child<PictureBox>(board, "ImgTop")->pixmap().size(), QSize(358, 81));
        QCOMPARE(int(board->codes()[0]), 2);
        whenModal([&](QWidget *w) { w->close(); });
        board->CmdIntro_Click();
        QCOMPARE(visibleTopLevels(), 0);
    }

    void introduction_data() {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<QString>("caption");
        QTest::newRow("19") << 19 << "Intro to Logic Problem #19 - Doctors without Borders";
        QTest::newRow("1") << 1 << "Intro to Logic Problem #1 - Conferences";
        QTest::newRow("0") << 0 << "";
        QTest::newRow("26") << 26 << "";
    }
    void introduction() {
        QFETCH(int, puzzle);
        QFETCH(QString, caption);
        Game g;
        g.state.PuzzleNum = std::int16_t(puzzle);
        FrmLogicIntro *intro = g.windows.introWindow();
        QCOMPARE(intro->windowTitle(), caption);
        QCOMPARE(intro->Label1->text().isEmpty(), caption.isEmpty());
        whenModal([](QWidget *w) { click(w->findChild<QPushButton *>("CmdClose")); });
        intro->exec();
        QVERIFY(!g.windows.loadedIntro());
        QCOMPARE(visibleTopLevels(), 0);
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
