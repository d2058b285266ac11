// Saves under faults: a process killed at random moments while saving over
// an existing file, and a save onto a full filesystem. The file is always a
// whole old or whole new saved puzzle, and no leftover shows in the file list.
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <random>

#include "core/savefile.h"
#include "testfiles.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

CellCodes board(int fill) {
    CellCodes codes{};
    for (int i = 0; i < kCellCount; ++i)
        codes[static_cast<size_t>(i)] = std::int16_t((i + fill) % 3);
    return codes;
}

// Names the file window would list: those matching "*.txt*", hidden ones too.
QStringList listed(const QString &dir) {
    return QDir(dir).entryList({"*.txt*"}, QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT
private slots:
    void killedWhileSaving() {
        QTemporaryDir dir;
        const QString path = dir.filePath("game.txt");
        const QByteArray older = QByteArray::fromStdString(saveFileText(7, board(0)));
        const QByteArray newer = QByteArray::fromStdString(saveFileText(12, board(1)));
        QVERIFY(WriteSaveFile(path.toStdString(), 7, board(0)));
        std::mt19937 random(8122026);
        int sawOld = 0, sawNew = 0;
        for (int round = 0; round < 300; ++round) {
            const pid_t child = fork();
            if (child == 0) {
                // Alternate the two boards as fast as the disk allows.
                for (int i = 0;; ++i)
                    WriteSaveFile(path.toStdString(), i % 2 ? 7 : 12, board(i % 2 ? 0 : 1));
            }
            QVERIFY(child > 0);
            usleep(random() % 4000);
            kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            QVERIFY(WIFSIGNALED(status));
            const QByteArray now = contents(path);
            QVERIFY2(now == older || now == newer,
                     qPrintable(QString("round %1: %2 bytes").arg(round).arg(now.size())));
            (now == older ? sawOld : sawNew)++;
            QCOMPARE(listed(dir.path()), QStringList{"game.txt"});
        }
        qInfo("300 kills: the old line %d times, the new line %d times, never anything else",
              sawOld, sawNew);
    }

    void fullDisk() {
        if (geteuid() != 0) QSKIP("mounting a small filesystem needs root");
        QTemporaryDir dir;
        const QString mountPoint = dir.filePath("small");
        QVERIFY(QDir().mkpath(mountPoint));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
            QSKIP("this machine does not allow mounting a tmpfs here");
        const QString path = mountPoint + "/game.txt";
        QVERIFY(WriteSaveFile(path.toStdString(), 7, board(0)));
        const QByteArray older = contents(path);
        // Fill what is left of the filesystem.
        {
            QFile filler(mountPoint + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }
        const bool saved = WriteSaveFile(path.toStdString(), 12, board(1));
        const QByteArray after = contents(path);
        const QStringList left = listed(mountPoint);
        QProcess::execute("umount", {mountPoint});
        QVERIFY2(!saved, "a save onto a full disk reported success");
        QCOMPARE(after, older);
        QCOMPARE(left, QStringList{"game.txt"});
    }
};

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "test_savefaults.moc"
