// The open and save window: its look in each mode, the drive, folder and
// file lists, the name rules, the three messages, failed saves, Cancel and
// the close box, and a puzzle saved from the board and opened again from the
// menu with every mark back.
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>

#include "app/frmmain.h"
#include "app/windows.h"
#include "board/frmlogic.h"
#include "catalogue/catalogue.h"
#include "core/savefile.h"
#include "files/frmfiles.h"
#include "harness.h"
#include "testfiles.h"
#include "widgets/buttons.h"
#include "widgets/filelists.h"
#include "widgets/picturebox.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

QByteArray savedText(int puzzle, const CellCodes &codes) {
    return QByteArray::fromStdString(saveFileText(static_cast<std::int16_t>(puzzle), codes));
}

QStringList rowsOf(const QListWidget *list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

QListWidgetItem *rowNamed(QListWidget *list, const QString &name) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().trimmed() == name) return list->item(i);
    return nullptr;
}

void clickRow(QListWidget *list, const QString &name, bool twice = false) {
    QListWidgetItem *row = rowNamed(list, name);
    QVERIFY2(row, qPrintable(name + " is not listed in " + list->objectName()));
    list->scrollToItem(row);
    const QPoint at = list->visualItemRect(row).center();
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

void typeName(QLineEdit *box, const QString &text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// A message box with exactly this text, title, icon and buttons.
QString messageProblem(QMessageBox *box, const QString &text, const QString &title,
                       QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    QStringList problems;
    if (box->text() != text) problems << "text " + box->text();
    if (box->windowTitle() != title) problems << "title " + box->windowTitle();
    if (box->icon() != icon) problems << QStringLiteral("icon %1").arg(box->icon());
    if (box->standardButtons() != buttons)
        problems << QStringLiteral("buttons %1").arg(int(box->standardButtons()));
    return problems.join(QStringLiteral("; "));
}

const QString kNotAPuzzle =
    QStringLiteral("This file does not contain a logic problem.  Please choose another file.");
const QString kNoChoice = QStringLiteral("You did not choose a file to open.");

// Marks a few cells with X and O and answers the board's codes.
CellCodes markSome(FrmLogic *board) {
    board->ImgX_Click();
    for (int cell : {0, 7, 20, 64, 149}) board->Img_Click(cell);
    board->ImgO_Click();
    for (int cell : {1, 15, 80, 130}) board->Img_Click(cell);
    board->ImgX_Click();
    return board->codes();
}

}  // namespace

class TestFrmFiles : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString folder() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }
    void emptyFolder() {
        QDir d(folder());
        for (const QString &name :
             d.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
            QFileInfo info(d.filePath(name));
            if (info.isDir() && !info.isSymLink())
                QDir(info.filePath()).removeRecursively();
            else
                d.remove(name);
        }
    }

private slots:
    void init() { emptyFolder(); }

    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QWidgetList left = QApplication::topLevelWidgets();
        for (QWidget *w : left) qWarning("left over: %s", qPrintable(w->objectName()));
        QVERIFY(left.isEmpty());
    }

    void looksAsLaidOutInEachMode_data() {
        QTest::addColumn<int>("whereFrom");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("nameShown");
        QTest::newRow("open") << 1 << "Zentrivo 2.0 - Open Saved File"
                              << "Select the saved file you wish to open:" << false;
        QTest::newRow("save")
            << 2 << "Zentrivo 2.0 - Save a Logic Problem"
            << "What do you want to name your file and where do you want to save it?" << true;
    }
    void looksAsLaidOutInEachMode() {
        QFETCH(int, whereFrom);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        QFETCH(bool, nameShown);
        Game game;
        game.state.WhereFrom = static_cast<std::int16_t>(whereFrom);
        game.state.FileName = "left from before.txt";
        FrmFiles *w = game.windows.files();
        w->show();
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->Label1->text(), label);
        QCOMPARE(w->TxtFileName->isVisible(), nameShown);
        QCOMPARE(w->LblEnding->isVisible(), nameShown);
        QCOMPARE(w->LblEnding->text(), QStringLiteral(".txt"));
        QVERIFY(game.state.FileName.empty());

        QCOMPARE(w->pos(), QPoint(20, 20));
        QCOMPARE(w->size(), QSize(372, 220));
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->isModal());
        QCOMPARE(w->windowType(), Qt::Dialog);
        QCOMPARE(w->parentWidget(), &game.menu);  // owned: no taskbar entry of its own
        QVERIFY(
            !(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        const struct {
            const char *name;
            QRect geometry;
        } controls[] = {{"Label1", {8, 8, 353, 32}},         {"drvList", {16, 48, 145, 21}},
                        {"dirList", {16, 72, 145, 81}},      {"filList", {168, 48, 105, 110}},
                        {"OKButton", {288, 152, 81, 25}},    {"CancelButton", {288, 184, 81, 25}},
                        {"TxtFileName", {64, 176, 161, 25}}, {"LblEnding", {232, 184, 26, 20}}};
        for (const auto &c : controls) {
            QWidget *control = w->findChild<QWidget *>(QString::fromLatin1(c.name));
            QVERIFY2(control, c.name);
            QCOMPARE(control->geometry(), c.geometry);
        }
        QCOMPARE(w->OKButton->text(), QStringLiteral("OK"));
        QCOMPARE(w->CancelButton->text(), QStringLiteral("Cancel"));

        const QColor yellow(255, 255, 0), blue(0, 0, 255);
        QCOMPARE(w->palette().color(QPalette::Window), yellow);
        for (QLabel *l : {w->Label1, w->LblEnding}) {
            QVERIFY(l->autoFillBackground());
            QCOMPARE(l->palette().color(QPalette::Window), yellow);
            QCOMPARE(l->palette().color(QPalette::WindowText), blue);
        }
        QVERIFY(w->Label1->font().bold());
        QCOMPARE(w->Label1->font().pixelSize(), 13);
        QCOMPARE(w->TxtFileName->font().pixelSize(), 16);
        QVERIFY(w->LblEnding->font().bold());
        QCOMPARE(w->LblEnding->font().pixelSize(), 16);
        const QString family = w->Label1->font().family();
        for (QWidget *c : w->findChildren<QWidget *>()) QCOMPARE(c->font().family(), family);

        // The tab order.
        QStringList chain;
        QWidget *at = w->TxtFileName;
        for (int i = 0; i < 6; ++i) {
            chain << at->objectName();
            do at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus) || at->objectName().isEmpty());
        }
        QCOMPARE(chain, (QStringList{"TxtFileName", "OKButton", "CancelButton", "filList",
                                     "dirList", "drvList"}));
        game.windows.unload(w);
    }

    // The lists start at the program's folder: the path from the root, the
    // subfolders, the drive holding it, and the regular files matching
    // "*.txt*". Moving about the lists does not change the program's folder.
    void listsShowTheCurrentFolder() {
        for (const char *name : {"a.txt", ".txt", "b.txt.bak", "C.TXT", "d.dat", "notes.text"})
            put(file(QString::fromLatin1(name)), "x");
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("e.txt")));
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("sub")));
        QVERIFY(QDir(folder()).mkdir(QStringLiteral(".hidden")));
        QCOMPARE(::mkfifo(QFile::encodeName(file(QStringLiteral("f.txt"))).constData(), 0644), 0);
        QVERIFY(QFile::link(file(QStringLiteral("a.txt")), file(QStringLiteral("g.txt"))));
        put(file(QStringLiteral("sub/inner.txt")), "x");

        const QString programFolder = QDir::currentPath();
        Game game;
        game.state.WhereFrom = kWhereOpen;
        QDir::setCurrent(folder());
        FrmFiles *w = game.windows.files();
        QDir::setCurrent(programFolder);
        w->show();
        const QString here = QDir(folder()).canonicalPath();
        QCOMPARE(w->dirList->path(), here);
        QCOMPARE(w->dirList->highlightedPath(), here);
        QCOMPARE(rowsOf(w->filList), (QStringList{".txt", "a.txt", "b.txt.bak", "C.TXT", "g.txt"}));
        QCOMPARE(w->drvList->currentData().toString(), QStorageInfo(here).rootPath());

        QStringList expected{QStringLiteral("/")};
        const QStringList parts = here.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < parts.size(); ++i)
            expected << QString(2 * (i + 1), QLatin1Char(' ')) + parts[i];
        const QString inside(2 * (parts.size() + 1), QLatin1Char(' '));
        expected << inside + ".hidden" << inside + "e.txt" << inside + "sub";
        QCOMPARE(rowsOf(w->dirList), expected);

        // A click highlights; a double click opens.
        clickRow(w->dirList, QStringLiteral("sub"));
        QCOMPARE(w->dirList->highlightedPath(), here + "/sub");
        QCOMPARE(w->dirList->path(), here);
        QCOMPARE(rowsOf(w->filList).size(), 5);
        clickRow(w->dirList, QStringLiteral("sub"), true);
        QCOMPARE(w->dirList->path(), here + "/sub");
        QCOMPARE(rowsOf(w->filList), QStringList{"inner.txt"});
        // Enter opens the highlighted folder, and does nothing else (no
        // message about a missing choice).
        clickRow(w->dirList, parts.last());
        bool messageShown = false;
        QTimer guard;
        QObject::connect(&guard, &QTimer::timeout, [&messageShown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                messageShown = true;
                box->done(QMessageBox::Ok);
            }
        });
        guard.start(0);
        QTest::keyClick(w->dirList, Qt::Key_Return);
        QCoreApplication::processEvents();
        guard.stop();
        QCOMPARE(w->dirList->path(), here);
        QVERIFY(!messageShown);
        QCOMPARE(QDir::currentPath(), programFolder);

        // Moving through the file list with the keys picks like a click.
        w->filList->setFocus();
        w->filList->setCurrentRow(0);
        QTest::keyClick(w->filList, Qt::Key_Down);
        QCOMPARE(game.state.FileName, std::string("a.txt"));
        game.windows.unload(w);
    }

    // A drive that cannot be read leaves the folder where it was and the
    // drive list back on its drive; a readable drive opens at its root.
    void drivesThatCannotBeReadFallBack() {
        Game game;
        game.state.WhereFrom = kWhereOpen;
        FrmFiles *w = game.windows.files();
        w->dirList->setPath(folder());
        const QString here = w->dirList->path();
        const QString drive = w->drvList->currentData().toString();
        w->drvList->addItem(QStringLiteral("/no/such/drive"), QStringLiteral("/no/such/drive"));
        w->drvList->setCurrentIndex(w->drvList->count() - 1);
        QCOMPARE(w->dirList->path(), here);
        QCOMPARE(w->drvList->currentData().toString(), drive);

        const int root = w->drvList->findData(QStringLiteral("/"));
        QVERIFY2(root >= 0, "the root filesystem is not offered");
        {
            // Quietly elsewhere first, so that choosing the root is a change.
            const QSignalBlocker quiet(w->drvList);
            w->drvList->setCurrentIndex(w->drvList->count() - 1);
        }
        w->drvList->setCurrentIndex(root);
        QCOMPARE(w->dirList->path(), QStringLiteral("/"));
        game.windows.unload(w);
    }

    // Saving from the board: the name completed by its rules, the board's
    // bytes written, the window closed and the board as it was.
    void savesUnderTheNameTheRulesGive_data() {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        auto row = [](const char *name, const char *picked, const char *typed, const char *saved) {
            QTest::newRow(name) << QString::fromUtf8(picked) << QString::fromUtf8(typed)
                                << QString::fromUtf8(saved);
        };
        row("no ending", "", "game", "game.txt");
        row("with .txt", "", "game.txt", "game.txt");
        row("capital ending", "", "game.TXT", "game.TXT.txt");
        row("empty name", "", "", ".txt");
        row("short name", "", "a", "a.txt");
        // Taken as patterns, these would match "old.txt" and ask to replace it.
        row("star, not a pattern", "", "*", "*.txt");
        row("question mark, not a pattern", "", "ol?", "ol?.txt");
        row("picked, then edited", "old.txt", "renamed", "renamed");
    }
    void savesUnderTheNameTheRulesGive() {
        QFETCH(QString, picked);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        put(file(QStringLiteral("old.txt")), "old\r\n");
        Game game;
        Script s(game.windows);
        CellCodes marks{};
        std::string whileTyping = "unset";
        bool endingHidden = false;
        s.on<FrmLogic>([&](FrmLogic *board) {
            marks = markSome(board);
            child<QPushButton>(board, "CmdSave")->click();
        });
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(folder());
            if (!picked.isEmpty()) {
                clickRow(w->filList, picked);
                endingHidden = w->LblEnding->isHidden();
                QCOMPARE(w->TxtFileName->text(), picked);
            }
            typeName(w->TxtFileName, typed);
            whileTyping = game.state.FileName;
            QTest::mouseClick(w->OKButton, Qt::LeftButton);
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            QVERIFY(!game.windows.loadedFiles());
            QVERIFY(board->codes() == marks);
            QCOMPARE(game.state.WhereFrom, kWhereSave);
            child<QPushButton>(board, "CmdExit")->click();
        });
        s.start();
        game.menu.CmdPuz[11]->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(contents(file(saved)), savedText(12, marks));
        QCOMPARE(contents(file(QStringLiteral("old.txt"))), QByteArray("old\r\n"));
        // Before a pick, typing changes only the box; after one, the name follows it.
        QCOMPARE(QString::fromStdString(whileTyping), picked.isEmpty() ? QString() : typed);
        QCOMPARE(endingHidden, !picked.isEmpty());
        QCOMPARE(QString::fromStdString(game.state.FileName), saved);
    }

    // An existing name asks first; OK replaces the file, Cancel leaves it,
    // and either way the window closes.
    void existingFileAsksFirst_data() {
        QTest::addColumn<bool>("pick");
        QTest::addColumn<int>("answer");
        QTest::newRow("typed, OK") << false << int(QMessageBox::Ok);
        QTest::newRow("typed, Cancel") << false << int(QMessageBox::Cancel);
        QTest::newRow("picked, OK") << true << int(QMessageBox::Ok);
        QTest::newRow("picked, Cancel") << true << int(QMessageBox::Cancel);
    }
    void existingFileAsksFirst() {
        QFETCH(bool, pick);
        QFETCH(int, answer);
        put(file(QStringLiteral("game.txt")), "old\r\n");
        Game game;
        Script s(game.windows);
        CellCodes marks{};
        QString problem;
        s.on<FrmLogic>([&](FrmLogic *board) {
            marks = markSome(board);
            child<QPushButton>(board, "CmdSave")->click();
        });
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(folder());
            if (pick)
                clickRow(w->filList, QStringLiteral("game.txt"));
            else
                typeName(w->TxtFileName, QStringLiteral("game"));
            w->OKButton->click();
        });
        s.on<QMessageBox>([&](QMessageBox *box) {
            problem = messageProblem(
                box,
                "The file game.txt already exists.  Choose OK to replace file, Cancel to stop.",
                "Zentrivo 2.0 - File Message", QMessageBox::Information,
                QMessageBox::Ok | QMessageBox::Cancel);
            QTest::mouseClick(box->button(QMessageBox::StandardButton(answer)), Qt::LeftButton);
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            QVERIFY(!game.windows.loadedFiles());
            child<QPushButton>(board, "CmdExit")->click();
        });
        s.start();
        game.menu.CmdPuz[11]->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(contents(file(QStringLiteral("game.txt"))),
                 answer == QMessageBox::Ok ? savedText(12, marks) : QByteArray("old\r\n"));
    }

    // A save that cannot be written is reported; the window stays open for
    // another name, and nothing on the disk or the board changes.
    void failedSaveIsReported_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("a folder of that name") << "folder";
        QTest::newRow("the folder was removed") << "removed";
    }
    void failedSaveIsReported() {
        QFETCH(QString, obstacle);
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("game.txt")));
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("gone")));
        Game game;
        Script s(game.windows);
        CellCodes marks{};
        QString problem;
        bool stayedOpen = false;
        s.on<FrmLogic>([&](FrmLogic *board) {
            marks = markSome(board);
            child<QPushButton>(board, "CmdSave")->click();
        });
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(obstacle == QLatin1String("folder") ? folder() : file("gone"));
            if (obstacle == QLatin1String("removed"))
                QVERIFY(QDir(file("gone")).removeRecursively());
            typeName(w->TxtFileName, QStringLiteral("game"));
            w->OKButton->click();
        });
        s.on<QMessageBox>([&](QMessageBox *box) {
            problem = messageProblem(
                box, "The file game.txt could not be saved.  Please choose another name or folder.",
                "Zentrivo 2.0 - File Error", QMessageBox::Warning, QMessageBox::Ok);
            box->button(QMessageBox::Ok)->click();
        });
        s.on<FrmFiles>([&](FrmFiles *w) {
            stayedOpen = w->isVisible() && game.windows.loadedFiles() == w;
            w->dirList->setPath(folder());
            typeName(w->TxtFileName, QStringLiteral("second try"));
            w->OKButton->click();
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            QVERIFY(board->codes() == marks);
            child<QPushButton>(board, "CmdExit")->click();
        });
        s.start();
        game.menu.CmdPuz[11]->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(stayedOpen);
        QVERIFY(QFileInfo(file(QStringLiteral("game.txt"))).isDir());
        QCOMPARE(contents(file(QStringLiteral("second try.txt"))), savedText(12, marks));
        QCOMPARE(QDir(folder()).entryList({QStringLiteral(".zentrivo*")},
                                          QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }

    // Cancel and the close box leave the board as it was, marks and all, and
    // no purpose behind them.
    void cancellingASaveKeepsTheMarks_data() {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Cancel") << false;
        QTest::newRow("close box") << true;
    }
    void cancellingASaveKeepsTheMarks() {
        QFETCH(bool, closeBox);
        Game game;
        Script s(game.windows);
        CellCodes marks{};
        bool same = false;
        s.on<FrmLogic>([&](FrmLogic *board) {
            marks = markSome(board);
            child<QPushButton>(board, "CmdSave")->click();
        });
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(folder());
            typeName(w->TxtFileName, QStringLiteral("never"));
            if (closeBox)
                w->close();
            else
                w->CancelButton->click();
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            same = board->codes() == marks && !game.windows.loadedFiles();
            for (int cell : {0, 1, 15}) {
                const PictureBox *shown = cellPicture(board, cell);
                const PictureBox *tool = marks[static_cast<size_t>(cell)] == kCodeO
                                             ? child<PictureBox>(board, "ImgO")
                                             : child<PictureBox>(board, "ImgX");
                same = same && shown->pixmap().cacheKey() == tool->pixmap().cacheKey();
            }
            QCOMPARE(game.state.WhereFrom, kWhereNone);
            child<QPushButton>(board, "CmdExit")->click();
        });
        s.start();
        game.menu.CmdPuz[11]->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QVERIFY(same);
        QVERIFY(QDir(folder())
                    .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                    .isEmpty());
    }

    // Leaving the open window without opening: the next puzzle chosen
    // starts blank, whatever marks the last accepted file held.
    void cancellingAnOpenLeavesTheNextBoardBlank_data() { cancellingASaveKeepsTheMarks_data(); }
    void cancellingAnOpenLeavesTheNextBoardBlank() {
        QFETCH(bool, closeBox);
        Game game;
        game.state.GridB.fill(kCodeO);
        Script s(game.windows);
        bool blank = false;
        s.on<FrmFiles>([&](FrmFiles *w) {
            if (closeBox)
                w->close();
            else
                w->CancelButton->click();
        });
        s.start();
        game.menu.CmdOpenSaved->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(game.state.WhereFrom, kWhereNone);
        s.on<FrmLogic>([&](FrmLogic *board) {
            CellCodes blanks;
            blanks.fill(kCodeBlank);
            blank = board->codes() == blanks;
            child<QPushButton>(board, "CmdExit")->click();
        });
        s.start();
        game.menu.CmdPuz[2]->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QVERIFY(blank);
    }

    // The open window's messages. A refused file changes nothing, and the
    // pick is used once: pressing OK again asks for a file.
    void openingAsksForAPuzzleFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("303 characters") << savedText(100, CellCodes{});
        QTest::newRow("right length, not numbers") << QByteArray(301, 'x') + "\r\n";
        // 151 values over two lines, the last line 301 characters long.
        QByteArray rest = "0";
        for (int i = 0; i < 147; ++i) rest += ",0";
        rest.prepend(QByteArray(301 - rest.size(), ' '));
        QTest::newRow("a value out of range") << "9,70000,0\r\n" + rest + "\r\n";
    }
    void openingAsksForAPuzzleFile() {
        QFETCH(QByteArray, bytes);
        put(file(QStringLiteral("notes.txt")), bytes);
        Game game;
        game.state.PuzzleNum = 3;
        game.state.SavedPuzzleNum = 5;
        game.state.GridB.fill(kCodeO);
        const GameState before = game.state;
        Script s(game.windows);
        QStringList problems;
        auto expect = [&](const QString &text, const QString &title) {
            s.on<QMessageBox>([&, text, title](QMessageBox *box) {
                problems << messageProblem(box, text, title, QMessageBox::Warning, QMessageBox::Ok);
                box->button(QMessageBox::Ok)->click();
            });
        };
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(folder());
            w->OKButton->click();
        });
        expect(kNoChoice, QStringLiteral("Zentrivo 2.0 - Open a Saved File"));
        s.on<FrmFiles>([&](FrmFiles *w) {
            clickRow(w->filList, QStringLiteral("notes.txt"));
            w->OKButton->click();
        });
        expect(kNotAPuzzle, QStringLiteral("Zentrivo 2.0 - File Error"));
        s.on<FrmFiles>([&](FrmFiles *w) { w->OKButton->click(); });
        expect(kNoChoice, QStringLiteral("Zentrivo 2.0 - Open a Saved File"));
        s.on<FrmFiles>([&](FrmFiles *w) { w->CancelButton->click(); });
        s.start();
        game.menu.CmdOpenSaved->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(problems, (QStringList{"", "", ""}));
        QCOMPARE(game.state.PuzzleNum, before.PuzzleNum);
        QCOMPARE(game.state.SavedPuzzleNum, before.SavedPuzzleNum);
        QVERIFY(game.state.GridB == before.GridB);
        QVERIFY(!game.windows.loadedLogic());
    }

    // A folder highlighted but not opened: OK opens it and does nothing
    // else; the next OK goes on.
    void okOpensAHighlightedFolderFirst() {
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("inner")));
        Game game;
        Script s(game.windows);
        QString opened;
        bool nothingElse = false;
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(folder());
            clickRow(w->dirList, QStringLiteral("inner"));
            w->OKButton->click();
            opened = w->dirList->path();
            nothingElse = QApplication::activeModalWidget() == w;
            w->OKButton->click();
        });
        expectNoChoice(s);
        s.on<FrmFiles>([&](FrmFiles *w) { w->CancelButton->click(); });
        s.start();
        game.menu.CmdOpenSaved->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(opened, QDir(folder()).canonicalPath() + "/inner");
        QVERIFY(nothingElse);
    }

    // The whole road: puzzle 12 half marked and saved from the board, the
    // board left, the file opened from the menu, and the board back with
    // its texts and every mark, the X tool ready. The board's load closes the
    // file window while that window's OK handler waits on the board.
    void aSavedPuzzleComesBackWithEveryMark() {
        Game game;
        Script s(game.windows);
        CellCodes marks{};
        QStringList problems;
        s.on<FrmLogic>([&](FrmLogic *board) {
            marks = markSome(board);
            board->ImgO_Click();
            board->Img_Click(99);
            board->ImgErase_Click();
            board->Img_Click(0);  // erased again: back to blank
            marks = board->codes();
            child<QPushButton>(board, "CmdSave")->click();
        });
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(folder());
            typeName(w->TxtFileName, QStringLiteral("half done"));
            w->OKButton->click();
        });
        s.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdExit")->click(); });
        s.start();
        game.menu.CmdPuz[11]->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(game.state.WhereFrom, kWhereNone);

        game.state.PuzzleNum = 1;  // the menu moved on
        QPointer<FrmFiles> fileWindow;
        s.on<FrmFiles>([&](FrmFiles *w) {
            fileWindow = w;
            w->dirList->setPath(folder());
            clickRow(w->filList, QStringLiteral("half done.txt"));
            w->OKButton->click();
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            if (game.windows.loadedFiles() || (fileWindow && fileWindow->isVisible()))
                problems << "the file window is still open";
            if (board->codes() != marks) problems << "the marks differ";
            for (int i = 0; i < kCellCount; ++i) {
                const std::int16_t code = marks[static_cast<size_t>(i)];
                const qint64 shown = cellPicture(board, i)->pixmap().cacheKey();
                if (code == kCodeX &&
                    shown != child<PictureBox>(board, "ImgX")->pixmap().cacheKey())
                    problems << QString::fromStdString("no X on " + cellAt(i).digits());
                if (code == kCodeO &&
                    shown != child<PictureBox>(board, "ImgO")->pixmap().cacheKey())
                    problems << QString::fromStdString("no O on " + cellAt(i).digits());
            }
            if (board->tools().SelectedTool != kToolX) problems << "the X tool is not selected";
            if (board->windowTitle() != QString::fromStdString(findPuzzle(12)->boardCaption))
                problems << "caption " + board->windowTitle();
            if (game.state.WhereFrom != kWhereNone) problems << "still restoring";
            child<QPushButton>(board, "CmdExit")->click();
        });
        s.start();
        game.menu.CmdOpenSaved->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(", ")));
        QCOMPARE(game.state.PuzzleNum, std::int16_t(12));
        QCOMPARE(game.state.SavedPuzzleNum, std::int16_t(12));
        QCOMPARE(game.state.FileName, std::string("half done.txt"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!fileWindow);  // destroyed once its handler had returned
    }

private:
    void expectNoChoice(Script &s) {
        s.on<QMessageBox>([](QMessageBox *box) {
            QCOMPARE(box->text(), kNoChoice);
            box->button(QMessageBox::Ok)->click();
        });
    }
};

QTEST_MAIN(TestFrmFiles)
#include "test_frmfiles.moc"
