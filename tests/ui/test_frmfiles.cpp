// The open and save window: its look in each mode, the drive, folder and
// file lists, the name rules, the three messages, failed saves, Cancel and
// the close box, and a puzzle saved from the board and opened again from the
// menu with every mark back.
#include <sys/stat.h>
#include <unistd.h>

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
#include <csignal>
#include <deque>
#include <fstream>
#include <functional>

#include "app/frmmain.h"
#include "app/startup.h"
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
    // What the test keyboard cannot type (control characters too) is pasted.
    for (QChar c : text)
        c.unicode() < 128 && c.isPrint() ? QTest::keyClicks(box, QString(c))
                                         : box->insert(QString(c));
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

// A name that is not UTF-8, as found on disks from older systems, and how
// the file list shows it.
const std::string kOddName = "bad\xff\xfe.txt";
const QString kOddShown = QStringLiteral("bad\uFFFD\uFFFD.txt");

std::string rawPath(const QString &folder, const std::string &name) {
    return QFile::encodeName(folder).toStdString() + '/' + name;
}

void putRaw(const QString &folder, const std::string &name, const QByteArray &bytes) {
    std::ofstream out(rawPath(folder, name), std::ios::binary | std::ios::trunc);
    out.write(bytes.constData(), bytes.size());
    QVERIFY(out.good());
}

QByteArray rawContents(const QString &folder, const std::string &name) {
    std::ifstream in(rawPath(folder, name), std::ios::binary);
    return QByteArray::fromStdString(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

// Marks a few cells with X and O and answers the board's codes.
CellCodes markSome(FrmLogic *board) {
    board->ImgX_Click();
    for (int cell : {0, 7, 20, 64, 149}) board->Img_Click(cell);
    board->ImgO_Click();
    for (int cell : {1, 15, 80, 130}) board->Img_Click(cell);
    board->ImgX_Click();
    return board->codes();
}

// A script step on the board: mark a few cells, then ask to save them.
void markAndSave(Script &s, CellCodes &marks) {
    s.on<FrmLogic>([&marks](FrmLogic *board) {
        marks = markSome(board);
        child<QPushButton>(board, "CmdSave")->click();
    });
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
        ::unlink(rawPath(folder(), kOddName).c_str());  // not listed by QDir
    }

private slots:
    void init() { emptyFolder(); }
    void cleanupTestCase() { emptyFolder(); }

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
        QTest::addColumn<QString>("focused");  // the first tab stop shown
        QTest::newRow("open") << 1 << "Zentrivo 2.0 - Open Saved File"
                              << "Select the saved file you wish to open:" << false << "OKButton";
        QTest::newRow("save")
            << 2 << "Zentrivo 2.0 - Save a Logic Problem"
            << "What do you want to name your file and where do you want to save it?" << true
            << "TxtFileName";
    }
    void looksAsLaidOutInEachMode() {
        QFETCH(int, whereFrom);
        QFETCH(QString, caption);
        QFETCH(QString, label);
        QFETCH(bool, nameShown);
        QFETCH(QString, focused);
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
        QVERIFY(w->focusWidget());
        QCOMPARE(w->focusWidget()->objectName(), focused);

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
        row("short name", "", "a", "a.txt");
        // Taken as patterns, these would match "old.txt" and ask to replace it.
        row("star, not a pattern", "", "*", "*.txt");
        row("question mark, not a pattern", "", "ol?", "ol?.txt");
        row("picked, then edited", "old.txt", "renamed", "renamed.txt");
        row("picked, edited with .txt", "old.txt", "renamed.txt", "renamed.txt");
        row("odd bytes picked, then edited", "bad\uFFFD\uFFFD.txt", "bad\uFFFD\uFFFD2",
            "bad\uFFFD\uFFFD2.txt");
        // The longest name the folder takes: 255 bytes with the ending.
        const QByteArray longest(251, 'n');
        row("longest name", "", longest.constData(), (longest + ".txt").constData());
        row("spaces inside", "", " a b ", " a b .txt");
    }
    void savesUnderTheNameTheRulesGive() {
        QFETCH(QString, picked);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        put(file(QStringLiteral("old.txt")), "old\r\n");
        putRaw(folder(), kOddName, "old\r\n");
        Game game;
        Script s(game.windows);
        CellCodes marks{};
        std::string whileTyping = "unset";
        bool endingHidden = false;
        markAndSave(s, marks);
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
        markAndSave(s, marks);
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

    // A save that cannot be written, or a name that could not be found again
    // or leaves the folder, is reported; the window stays open for another
    // name, and nothing on the disk or the board changes.
    void failedSaveIsReported_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        const QString cannotSave = QStringLiteral(
            "The file game.txt could not be saved.  Please choose another name or "
            "folder.");
        const QString slash =
            QStringLiteral("A file name cannot contain \"/\".  Please choose another name.");
        QTest::newRow("a folder of that name") << "folder"
                                               << "game" << cannotSave;
        QTest::newRow("the folder was removed") << "removed"
                                                << "game" << cannotSave;
        QTest::newRow("empty name") << ""
                                    << ""
                                    << "Please type a name for the file.";
        QTest::newRow("up a folder") << ""
                                     << "../up" << slash;
        QTest::newRow("into a subfolder") << ""
                                          << "gone/game" << slash;
        // Names the player did not mean: spaces only, pasted control characters.
        QTest::newRow("spaces only") << ""
                                     << "   "
                                     << "Please type a name for the file.";
        const QString control = QStringLiteral(
            "A file name cannot contain a control character.  Please choose another name.");
        QTest::newRow("pasted line break") << ""
                                           << "pasted\n"
                                           << control;
        QTest::newRow("tab") << ""
                             << "tab\there" << control;
        QTest::newRow("delete character") << ""
                                          << "del\x7f" << control;
        // Longer than the folder's limit of 255 bytes once the ending is added,
        // in bytes, not in characters.
        auto tooLong = [](const QString &name) {
            return "The file " + name + ".txt is too long.  Please choose a shorter name.";
        };
        const QString bytes256(252, QLatin1Char('n'));
        QTest::newRow("256 bytes") << "" << bytes256 << tooLong(bytes256);
        const QString accented(126, QChar(0xe9));
        QTest::newRow("130 characters, 256 bytes") << "" << accented << tooLong(accented);
    }
    void failedSaveIsReported() {
        QFETCH(QString, obstacle);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("game.txt")));
        QVERIFY(QDir(folder()).mkdir(QStringLiteral("gone")));
        Game game;
        Script s(game.windows);
        CellCodes marks{};
        QString problem;
        bool stayedOpen = false;
        markAndSave(s, marks);
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(obstacle == QLatin1String("removed") ? file("gone") : folder());
            if (obstacle == QLatin1String("removed"))
                QVERIFY(QDir(file("gone")).removeRecursively());
            typeName(w->TxtFileName, typed);
            w->OKButton->click();
        });
        s.on<QMessageBox>([&](QMessageBox *box) {
            problem = messageProblem(box, text, "Zentrivo 2.0 - File Error", QMessageBox::Warning,
                                     QMessageBox::Ok);
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
        QCOMPARE(QDir(folder()).entryList({QStringLiteral("*.txt*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("second try.txt")});
        for (const char *elsewhere : {"../up.txt", "gone/game.txt"})
            QVERIFY2(!QFileInfo::exists(file(QLatin1String(elsewhere))), elsewhere);
        QCOMPARE(QDir(folder()).entryList({QStringLiteral(".zentrivo*")},
                                          QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }

    // The program's folder removed under the running game: the window opens
    // on the nearest folder above it that still exists, lists it, and saves
    // into it, the folder it shows.
    void aRemovedStartFolderOpensTheFolderAbove() {
        QVERIFY(QDir(folder()).mkpath(QStringLiteral("gone/deeper")));
        put(file(QStringLiteral("here.txt")), "x");
        const QString programFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(file(QStringLiteral("gone/deeper"))));
        const bool removed = QDir(file(QStringLiteral("gone"))).removeRecursively();
        Game game;
        Script s(game.windows);
        CellCodes marks{};
        QString shown;
        QStringList listed;
        markAndSave(s, marks);
        s.on<FrmFiles>([&](FrmFiles *w) {
            shown = w->dirList->path();
            listed = rowsOf(w->filList);
            typeName(w->TxtFileName, QStringLiteral("rescued"));
            w->OKButton->click();
        });
        s.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdExit")->click(); });
        s.start();
        game.menu.CmdPuz[11]->click();
        QDir::setCurrent(programFolder);
        QVERIFY(removed);
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(shown, QDir(folder()).canonicalPath());
        QCOMPARE(listed, QStringList{QStringLiteral("here.txt")});
        QCOMPARE(contents(file(QStringLiteral("rescued.txt"))), savedText(12, marks));
    }

    // A signal that ends the game while a save runs: the save finishes first
    // (the file whole, no temporary left), then every window's loop ends and
    // the game ends with 128 + the signal's number.
    void aSignalEndsTheGameAfterTheSave_data() {
        QTest::addColumn<int>("number");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aSignalEndsTheGameAfterTheSave() {
        QFETCH(int, number);
        CellCodes marks{};
        bool scriptDone = false;
        const int status = playGame(*qApp, [&](FrmMain &menu, Windows &windows) {
            Script s(windows);
            markAndSave(s, marks);
            s.on<FrmFiles>([&](FrmFiles *w) {
                w->dirList->setPath(folder());
                typeName(w->TxtFileName, QStringLiteral("game"));
                // Delivered now, read by the game once the save has run.
                ::raise(number);
                w->OKButton->click();
            });
            s.start();
            menu.CmdPuz[11]->click();
            scriptDone = s.finished();
        });
        QCOMPARE(status, 128 + number);
        QVERIFY2(scriptDone, "the script did not reach the save");
        QCOMPARE(contents(file(QStringLiteral("game.txt"))), savedText(12, marks));
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("game.txt")});
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
        markAndSave(s, marks);
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
        QTest::addColumn<QString>("after");  // what becomes of the file once it is picked
        QTest::addColumn<QString>("text");
        const QString unreadable =
            QStringLiteral("The file notes.txt could not be read.  Please choose another file.");
        QTest::newRow("303 characters") << savedText(100, CellCodes{}) << "" << kNotAPuzzle;
        QTest::newRow("right length, not numbers") << QByteArray(301, 'x') + "\r\n"
                                                   << "" << kNotAPuzzle;
        // 151 values over two lines, the last line 301 characters long.
        QByteArray rest = "0";
        for (int i = 0; i < 147; ++i) rest += ",0";
        rest.prepend(QByteArray(301 - rest.size(), ' '));
        for (const char *first : {"9,70000,0", "0,0,0", "26,0,0", "9,3,0", "9,0,-1"})
            QTest::newRow(first) << first + QByteArray("\r\n") + rest + "\r\n"
                                 << "" << kNotAPuzzle;
        const QByteArray good = savedText(9, CellCodes{});
        QTest::newRow("removed") << good << "removed" << unreadable;
        QTest::newRow("a FIFO by now") << good << "fifo" << unreadable;
    }
    void openingAsksForAPuzzleFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, after);
        QFETCH(QString, text);
        const QString path = file(QStringLiteral("notes.txt"));
        put(path, bytes);
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
            if (!after.isEmpty()) QVERIFY(QFile::remove(path));
            if (after == QLatin1String("fifo"))
                QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
            w->OKButton->click();
        });
        expect(text, QStringLiteral("Zentrivo 2.0 - File Error"));
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
        // The board, active again, tells a screen reader of the save and
        // later of the open.
        auto heard = [&](FrmLogic *board, const QString &text) {
            board->activateWindow();
            const bool said = QTest::qWaitFor([&] {
                auto *announcer = board->findChild<QWidget *>(QStringLiteral("Announcer"));
                return announcer && announcer->accessibleName() == text;
            });
            if (!said) problems << "not announced: " + text;
        };
        s.on<FrmLogic>([&](FrmLogic *board) {
            heard(board, QStringLiteral("Saved as half done.txt"));
            child<QPushButton>(board, "CmdExit")->click();
        });
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
            heard(board, QStringLiteral("Opened half done.txt: Logic Problem #12 - ") +
                             QString::fromStdString(findPuzzle(12)->title));
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

    // A name that is not UTF-8 is listed, opens, and is saved over under
    // its own bytes when picked again.
    void aNameThatIsNotUtf8OpensAndSaves() {
        CellCodes marks;
        marks.fill(kCodeBlank);
        marks[3] = kCodeO;
        putRaw(folder(), kOddName, savedText(8, marks));
        Game game;
        Script s(game.windows);
        QString question;
        bool restored = false;
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(folder());
            clickRow(w->filList, kOddShown);
            w->OKButton->click();
        });
        s.on<FrmLogic>([&](FrmLogic *board) {
            restored = board->codes() == marks;
            marks = markSome(board);
            child<QPushButton>(board, "CmdSave")->click();
        });
        s.on<FrmFiles>([&](FrmFiles *w) {
            w->dirList->setPath(folder());
            clickRow(w->filList, kOddShown);
            w->OKButton->click();
        });
        s.on<QMessageBox>([&](QMessageBox *box) {
            question = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        s.on<FrmLogic>([](FrmLogic *board) { child<QPushButton>(board, "CmdExit")->click(); });
        s.start();
        game.menu.CmdOpenSaved->click();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QVERIFY(restored);
        QCOMPARE(question, "The file " + kOddShown +
                               " already exists.  Choose OK to replace file, Cancel to stop.");
        QCOMPARE(rawContents(folder(), kOddName), savedText(8, marks));
        QVERIFY(!QFileInfo::exists(file(kOddShown)));  // no twin under a decoded name
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
