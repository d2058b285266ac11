// Rough use: thousands of random clicks and keys across every window, in a
// folder of real saved files. After every step each cell code is 0, 1 or 2
// and each cell's picture matches its code (or is one the reveal paints);
// at the end no window is left over.
#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTextEdit>
#include <random>

#include "board/frmlogic.h"
#include "harness.h"
#include "widgets/picturebox.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

int stepsWanted() {
    const QByteArray env = qgetenv("ZENTRIVO_MONKEY_STEPS");
    return env.isEmpty() ? 20000 : env.toInt();
}

void writeFile(const QString &name, const QByteArray &bytes) {
    QFile f(name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray savedLine(int puzzle, int fill) {
    QByteArray line = QByteArray::number(puzzle);
    for (int i = 0; i < kCellCount; ++i) line += ',' + QByteArray::number((i * 7 + fill) % 3);
    return line + "\r\n";
}

bool isTarget(QWidget *w) {
    if (!w->isVisible() || !w->isEnabled()) return false;
    const QString name = w->objectName();
    // Leaving the folder the test works in could save files anywhere.
    if (name == "drvList" || name == "dirList") return false;
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<PictureBox *>(w) ||
           qobject_cast<QLineEdit *>(w) || qobject_cast<QListWidget *>(w) ||
           qobject_cast<QTextEdit *>(w);
}

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomUse() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("QRX-Images")));
        for (const QString &f : QDir("QRX-Images").entryList(QDir::Files))
            QVERIFY(QFile::copy("QRX-Images/" + f, dir.filePath("QRX-Images/" + f)));
        InDirectory in(dir.path());
        writeFile("twelve.txt", savedLine(12, 0));
        writeFile("seven.txt", savedLine(7, 1));
        writeFile("zero.txt", savedLine(0, 2));
        writeFile("short.txt", "1,2,3\r\n");
        writeFile("junk.txt.bak", QByteArray(302, 'x'));

        Game g;
        g.menu.show();
        std::mt19937 rng(20261208);
        auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };
        const int wanted = stepsWanted();
        int steps = 0, cellChecks = 0;
        QSet<QString> seen;  // the windows the monkey reached
        bool broken = false;
        QEventLoop loop;

        auto check = [&] {
            FrmLogic *board = g.windows.loadedLogic();
            if (!board) return;
            const qint64 x = child<PictureBox>(board, "ImgX")->pixmap().cacheKey(),
                         o = child<PictureBox>(board, "ImgO")->pixmap().cacheKey();
            const qint64 red = child<PictureBox>(board, "ImgRedO")->pixmap().cacheKey();
            const qint64 struck = child<PictureBox>(board, "ImgPurpleO")->pixmap().cacheKey();
            const auto cells = cellPictures(board);
            for (int i = 0; i < kCellCount; ++i) {
                const int code = board->codes()[static_cast<size_t>(i)];
                const qint64 shown = cells[static_cast<size_t>(i)]->pixmap().cacheKey();
                const bool ok = (code == 0 || code == 1 || code == 2) &&
                                (shown == red || shown == struck ||
                                 ((code == 0) == (shown == x) && (code == 1) == (shown == o)));
                if (!ok) {
                    qWarning("step %d: cell %d has code %d and a picture that does not match",
                             steps, i, code);
                    broken = true;
                }
                ++cellChecks;
            }
        };

        std::function<void()> unwind = [&] {
            if (QWidget *m = QApplication::activeModalWidget()) {
                QTimer::singleShot(0, unwind);
                m->close();
            } else {
                loop.quit();
            }
        };

        std::function<void()> step = [&] {
            if (steps >= wanted || broken) {
                unwind();
                return;
            }
            ++steps;
            QTimer::singleShot(0, step);
            check();
            QWidget *window = QApplication::activeModalWidget();
            if (!window) window = &g.menu;
            seen << (qobject_cast<QMessageBox *>(window) ? QStringLiteral("QMessageBox")
                                                         : window->objectName());
            QList<QWidget *> targets;
            for (QWidget *w : window->findChildren<QWidget *>())
                if (isTarget(w) && !(window == &g.menu && w->objectName() == "CmdExit"))
                    targets << w;
            const int kind = pick(10);
            if (kind == 0) {
                if (window != &g.menu)
                    window->close();  // the close box; the menu's would end the game
            } else if (kind <= 2) {
                static const int keys[] = {
                    Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_A,
                    Qt::Key_B,   Qt::Key_Down,  Qt::Key_Up,     Qt::Key_1,      Qt::Key_Period};
                QWidget *focus = QApplication::focusWidget();
                if (!focus || focus->window() != window) focus = window;
                const int key = keys[pick(10)];
                // Space or Return on the menu's Exit would end the test's program.
                if (window == &g.menu && (key == Qt::Key_Space || key == Qt::Key_Return)) return;
                QTest::keyClick(focus, Qt::Key(key));
            } else if (kind == 3) {
                static const int alt[] = {Qt::Key_I, Qt::Key_O, Qt::Key_V, Qt::Key_F, Qt::Key_N,
                                          Qt::Key_S, Qt::Key_A, Qt::Key_C, Qt::Key_H, Qt::Key_X};
                const int key = alt[pick(10)];
                if (window == &g.menu && key == Qt::Key_X) return;
                QTest::keyClick(window, Qt::Key(key), Qt::AltModifier);
            } else if (!targets.isEmpty()) {
                QWidget *w = targets[pick(int(targets.size()))];
                const QPoint at(1 + pick(std::max(1, w->width() - 2)),
                                1 + pick(std::max(1, w->height() - 2)));
                if (pick(8) == 0)
                    QTest::mouseDClick(w, Qt::LeftButton, {}, at);
                else
                    QTest::mouseClick(w, Qt::LeftButton, {}, at);
            }
        };

        QTimer::singleShot(0, step);
        loop.exec();
        qInfo("%d random steps, %d cell checks", steps, cellChecks);
        QVERIFY(!broken);
        QCOMPARE(steps, wanted);
        QVERIFY(!QApplication::activeModalWidget());
        if (wanted >= 20000) {
            for (const char *name :
                 {"FrmMain", "FrmLogic", "FrmLogicIntro", "FrmFillIn", "FrmFiles",
                  "FrmInstructions", "FrmExamples", "FrmHx", "QMessageBox"})
                QVERIFY2(seen.contains(name), name);
        }
        // The menu's Exit leaves no window behind.
        g.menu.CmdExit_Click();
        QCOMPARE(visibleTopLevels(), 0);
        QVERIFY(!g.windows.loadedLogic() && !g.windows.loadedFiles() && !g.windows.loadedFillIn());
        // Nothing was written outside the test's folder, and nothing half-written inside it.
        for (const QString &f : QDir().entryList({"*.txt*"}, QDir::Files | QDir::Hidden)) {
            QFile file(f);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(bytes.endsWith("\r\n") || f == "junk.txt.bak", qPrintable(f));
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
