// The saved-puzzle file: the exact bytes written, reading back what was
// written, which files are refused, and saves that fail or are killed.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "core/cells.h"
#include "core/savefile.h"
#include "testfiles.h"

using namespace zentrivo;
using namespace zentrivo::testing;

Q_DECLARE_METATYPE(std::optional<SavedPuzzle>)

namespace {

std::string local(const QString &path) { return QFile::encodeName(path).toStdString(); }

CellCodes blankBoard() {
    CellCodes codes;
    codes.fill(kCodeBlank);
    return codes;
}

// A line of values joined by commas, built here without the writer.
QByteArray joined(const QList<int> &values) {
    QByteArrayList parts;
    for (int v : values) parts << QByteArray::number(v);
    return parts.join(',');
}

QList<int> blankValues(int puzzle) {
    QList<int> values{puzzle};
    for (int i = 0; i < kCellCount; ++i) values << 2;
    return values;
}

SavedPuzzle puzzleOf(const QList<int> &values) {
    SavedPuzzle p;
    p.puzzleNum = static_cast<std::int16_t>(values[0]);
    for (int i = 0; i < kCellCount; ++i)
        p.codes[static_cast<size_t>(i)] = static_cast<std::int16_t>(values[i + 1]);
    return p;
}

// Names in `folder` that the file window lists.
QStringList listed(const QString &folder) {
    return QDir(folder).entryList({QStringLiteral("*.txt*")}, QDir::Files | QDir::Hidden,
                                  QDir::Name);
}

// Lowers the largest file this process may write, so that writing past it
// fails as on a full disk; restores the limit when it goes out of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lowered = old_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

// Runs `work` in a child process as the unprivileged user "nobody", so that
// permission bits apply even when the tests run as root. Answers the work's
// answer, or nothing when the child could not become that user.
std::optional<bool> asNobody(const std::function<bool()> &work) {
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) _exit(2);
        _exit(work() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

}  // namespace

class TestSaveFile : public QObject {
    Q_OBJECT

private slots:
    void writesTheExactBytes_data() {
        QTest::addColumn<int>("puzzle");
        QTest::addColumn<QList<int>>("xCells");  // cell ids CCRR
        QTest::addColumn<QList<int>>("oCells");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("size");

        QByteArray seven = "7,2,2,0,1";
        for (int i = 0; i < 146; ++i) seven += ",2";
        QTest::newRow("puzzle 7, X at 0103 and O at 0104")
            << 7 << QList<int>{103} << QList<int>{104} << seven + "\r\n"
            << 303;

        QByteArray twelve = "12";
        for (int i = 0; i < 150; ++i) twelve += i == 15 ? ",1" : i == 149 ? ",0" : ",2";
        QTest::newRow("puzzle 12, O at 0201 and X at 1505")
            << 12 << QList<int>{1505} << QList<int>{201} << twelve + "\r\n"
            << 304;
    }
    void writesTheExactBytes() {
        QFETCH(int, puzzle);
        QFETCH(QList<int>, xCells);
        QFETCH(QList<int>, oCells);
        QFETCH(QByteArray, expected);
        QFETCH(int, size);
        CellCodes codes = blankBoard();
        auto mark = [&codes](int id, std::int16_t code) {
            codes[static_cast<size_t>(cellIndex(CellId{id / 100, id % 100}))] = code;
        };
        for (int id : xCells) mark(id, kCodeX);
        for (int id : oCells) mark(id, kCodeO);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.txt"));
        QVERIFY(WriteSaveFile(local(path), static_cast<std::int16_t>(puzzle), codes));
        const QByteArray written = contents(path);
        QCOMPARE(written, expected);
        QCOMPARE(written.size(), size);
    }

    void randomBoardsReadBackCellForCell() {
        QTemporaryDir dir;
        QRandomGenerator random(2024);
        for (int round = 0; round < 200; ++round) {
            SavedPuzzle board;
            board.puzzleNum = static_cast<std::int16_t>(random.bounded(1, 26));
            for (auto &code : board.codes) code = static_cast<std::int16_t>(random.bounded(3));
            const QString path = dir.filePath(QStringLiteral("round%1.txt").arg(round));
            QVERIFY(WriteSaveFile(local(path), board.puzzleNum, board.codes));
            QCOMPARE(QFileInfo(path).size(), board.puzzleNum < 10 ? 303 : 304);
            const std::optional<SavedPuzzle> read = ReadSaveFile(local(path));
            QVERIFY2(read.has_value(), qPrintable(path));
            QCOMPARE(read->puzzleNum, board.puzzleNum);
            for (int i = 0; i < kCellCount; ++i)
                QVERIFY2(read->codes[static_cast<size_t>(i)] == board.codes[static_cast<size_t>(i)],
                         cellAt(i).digits().c_str());
        }
    }

    void savingTwiceLeavesOneLine() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("twice.txt"));
        CellCodes codes = blankBoard();
        QVERIFY(WriteSaveFile(local(path), 12, codes));
        codes[0] = kCodeO;
        QVERIFY(WriteSaveFile(local(path), 3, codes));
        QList<int> expected = blankValues(3);
        expected[1] = 1;
        QCOMPARE(contents(path), joined(expected) + "\r\n");
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("twice.txt")});
    }

    // What the reader accepts and what it refuses. Files that are not
    // regular files, or are gone, are refused without waiting on them.
    void readsOrRefuses_data() {
        QTest::addColumn<QString>("kind");  // file, folder, fifo, missing, unreadable
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::optional<SavedPuzzle>>("expected");

        const QList<int> seven = blankValues(7);
        QList<int> twelve = blankValues(12);
        twelve[1] = 0, twelve[2] = 1, twelve[150] = 0;
        const QByteArray line7 = joined(seven), line12 = joined(twelve);
        QCOMPARE(line7.size(), 301);
        QCOMPARE(line12.size(), 302);
        const std::optional<SavedPuzzle> none;

        QTest::newRow("puzzle 7") << "file" << line7 + "\r\n" << std::optional(puzzleOf(seven));
        QTest::newRow("puzzle 12") << "file" << line12 + "\r\n" << std::optional(puzzleOf(twelve));
        QTest::newRow("final CR LF missing") << "file" << line12 << std::optional(puzzleOf(twelve));
        QTest::newRow("LF line end") << "file" << line7 + "\n" << std::optional(puzzleOf(seven));
        QTest::newRow("empty") << "file" << QByteArray() << none;
        QTest::newRow("300 characters") << "file" << line7.left(299) + "2\r\n" << none;
        QTest::newRow("303 characters") << "file" << joined(blankValues(100)) + "\r\n" << none;
        QTest::newRow("trailing empty line") << "file" << line7 + "\r\n\r\n" << none;
        QTest::newRow("trailing lone CR") << "file" << line7 + "\r\n\r" << none;
        QTest::newRow("not numbers") << "file" << QByteArray(301, 'x') + "\r\n" << none;
        QTest::newRow("a text before the record") << "file"
                                                  << "notes\r\n" + line7 + "\r\n"
                                                  << none;
        QByteArray few = "7";
        for (int i = 0; i < 100; ++i) few += ",22";
        QTest::newRow("too few values") << "file" << few + "\r\n" << none;
        QTest::newRow("a value of spaces") << "file"
                                           << "7, ," + line7.mid(4) + "\r\n"
                                           << none;
        QTest::newRow("plus sign") << "file"
                                   << "+" + line7 + "\r\n"
                                   << none;
        QByteArray spacedLine = "7,2";
        for (int i = 0; i < 149; ++i) spacedLine += ",2";
        QTest::newRow("space before a value") << "file" << spacedLine.replace(0, 3, "7, 2") + "\r\n"
                                              << std::optional(puzzleOf(seven));
        QTest::newRow("space after a value") << "file" << spacedLine.replace(0, 4, "7,2 ") + "\r\n"
                                             << std::optional(puzzleOf(seven));

        // Values are read from the start of the file; a line end ends a value.
        QList<int> split = blankValues(9);
        split[1] = -32768, split[2] = 32767;
        QByteArray second = joined(split.mid(3));
        second.prepend(QByteArray(301 - second.size(), ' '));
        QTest::newRow("values over two lines, extremes") << "file"
                                                         << "9,-32768,32767\r\n" + second + "\r\n"
                                                         << std::optional(puzzleOf(split));
        QTest::newRow("70000") << "file"
                               << "9,70000,0\r\n" + second + "\r\n"
                               << none;
        QTest::newRow("32768") << "file"
                               << "9,32768,0\r\n" + second + "\r\n"
                               << none;
        QTest::newRow("-32769") << "file"
                                << "9,-32769,0\r\n" + second + "\r\n"
                                << none;
        QTest::newRow("what follows the values is not read")
            << "file" << line7 + "\r\n" + QByteArray(301, 'x') << std::optional(puzzleOf(seven));

        QByteArray junk(301, '\0');
        QRandomGenerator random(6);
        for (char &c : junk) c = static_cast<char>(random.bounded(256));
        junk.replace('\r', 'r').replace('\n', 'n');
        QTest::newRow("binary") << "file" << junk << none;

        QTest::newRow("a folder") << "folder" << QByteArray() << none;
        QTest::newRow("a FIFO") << "fifo" << QByteArray() << none;
        QTest::newRow("removed after it was listed") << "missing" << QByteArray() << none;
        QTest::newRow("unreadable") << "unreadable" << line7 + "\r\n" << none;
    }
    void readsOrRefuses() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(std::optional<SavedPuzzle>, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saved.txt"));
        if (kind == QLatin1String("file") || kind == QLatin1String("unreadable")) put(path, bytes);
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("saved.txt")));
        if (kind == QLatin1String("fifo")) QCOMPARE(::mkfifo(local(path).c_str(), 0644), 0);
        if (kind == QLatin1String("unreadable")) {
            // Readable by its owner only, and read by another user.
            QVERIFY(QFile::setPermissions(dir.path(),
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner | QFileDevice::ExeOther));
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            if (::geteuid() == 0) {
                const std::optional<bool> accepted =
                    asNobody([&path] { return ReadSaveFile(local(path)).has_value(); });
                if (!accepted) QSKIP("cannot read as another user");
                QCOMPARE(*accepted, false);
                return;
            }
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        }
        const std::optional<SavedPuzzle> read = ReadSaveFile(local(path));
        QCOMPARE(read.has_value(), expected.has_value());
        if (expected) QVERIFY(*read == *expected);
    }

    // Only the end of a file decides the length test, and values are read
    // from its start only as far as they go: huge files are refused at once.
    void hugeFilesAreRefusedWithoutReadingThem_data() {
        QTest::addColumn<QByteArray>("ending");
        QTest::addColumn<bool>("lengthTestPasses");
        QTest::newRow("one enormous line") << QByteArray("2,2,2\r\n") << false;
        QTest::newRow("a long last line after zeros") << "\n" + QByteArray(301, '2') + "\r\n"
                                                      << true;
    }
    void hugeFilesAreRefusedWithoutReadingThem() {
        QFETCH(QByteArray, ending);
        QFETCH(bool, lengthTestPasses);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.txt"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            // Sparse: 8 GiB of zero bytes that take no room on the disk.
            QVERIFY(f.resize(qint64(8) << 30));
            QVERIFY(f.seek(f.size()));
            QCOMPARE(f.write(ending), ending.size());
        }
        const std::string last = ending.toStdString();
        QCOMPARE(passesLengthTest(lastLineLength(last, false)), lengthTestPasses);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!ReadSaveFile(local(path)));
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }

    // A save that cannot be done answers false, leaves the file that was
    // there as it was and leaves no temporary file behind.
    void failedSavesChangeNothing_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("no such folder") << "missing folder";
        QTest::newRow("a folder of that name") << "folder";
        QTest::newRow("disk full") << "full";
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("read-only file") << "read-only file";
    }
    void failedSavesChangeNothing() {
        QFETCH(QString, obstacle);
        QTemporaryDir dir;
        const QString existing = dir.filePath(QStringLiteral("game.txt"));
        QString path = existing;
        const QByteArray before = joined(blankValues(5)) + "\r\n";
        if (obstacle == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("game.txt")));
        else
            put(existing, before);
        if (obstacle == QLatin1String("missing folder"))
            path = dir.filePath(QStringLiteral("gone/game.txt"));

        // Read-only for everyone but root, who is then not the one saving.
        const auto all = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                         QFileDevice::ReadOther | QFileDevice::ExeOther;
        if (obstacle == QLatin1String("read-only file")) {
            QVERIFY(QFile::setPermissions(dir.path(), all | QFileDevice::WriteOther));
            QVERIFY(
                QFile::setPermissions(existing, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        }
        if (obstacle == QLatin1String("read-only folder"))
            QVERIFY(QFile::setPermissions(
                dir.path(),
                ::geteuid() == 0 ? all : QFileDevice::ReadOwner | QFileDevice::ExeOwner));

        bool saved = true;
        if (obstacle.startsWith(QLatin1String("read-only")) && ::geteuid() == 0) {
            const std::optional<bool> answer =
                asNobody([&path] { return WriteSaveFile(local(path), 12, blankBoard()); });
            if (!answer) QSKIP("cannot write as another user");
            saved = *answer;
        } else if (obstacle == QLatin1String("full")) {
            // Writing past the limit fails with an error, as on a full disk.
            struct sigaction ignore {
            }, old{};
            ignore.sa_handler = SIG_IGN;
            sigaction(SIGXFSZ, &ignore, &old);
            {
                FileSizeLimit limit(100);
                saved = WriteSaveFile(local(path), 12, blankBoard());
            }
            sigaction(SIGXFSZ, &old, nullptr);
        } else {
            saved = WriteSaveFile(local(path), 12, blankBoard());
        }
        QFile::setPermissions(
            dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!saved);
        if (obstacle == QLatin1String("folder"))
            QVERIFY(QFileInfo(existing).isDir());
        else
            QCOMPARE(contents(existing), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("game.txt")});
    }

    // A save killed halfway leaves the old file whole, and what it leaves
    // behind is not a name the file window lists.
    void killedSaveLeavesTheOldFileAndNothingListed() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.txt"));
        const QByteArray before = joined(blankValues(5)) + "\r\n";
        put(path, before);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            // Writing past 100 bytes raises SIGXFSZ, which kills the save.
            rlimit limit{100, 100};
            setrlimit(RLIMIT_FSIZE, &limit);
            signal(SIGXFSZ, SIG_DFL);
            WriteSaveFile(local(path), 12, blankBoard());
            _exit(0);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ, "the save was not killed");
        QCOMPARE(contents(path), before);
        const QStringList all =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(all.size(), 2);  // the file and what the killed save left
        QCOMPARE(listed(dir.path()), QStringList{QStringLiteral("game.txt")});
    }

    void replacedFileKeepsItsModeAndLink() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.txt"));
        put(path, "old\r\n");
        QVERIFY(QFile::setPermissions(
            path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
        const QString link = dir.filePath(QStringLiteral("link.txt"));
        QVERIFY(QFile::link(path, link));
        QVERIFY(WriteSaveFile(local(link), 7, blankBoard()));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contents(path), joined(blankValues(7)) + "\r\n");
        struct stat info {};
        QCOMPARE(::stat(local(path).c_str(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));

        // A new file gets the usual mode for a new file, not a private one.
        const mode_t mask = ::umask(022);
        ::umask(mask);
        const QString fresh = dir.filePath(QStringLiteral("new.txt"));
        QVERIFY(WriteSaveFile(local(fresh), 7, blankBoard()));
        QCOMPARE(::stat(local(fresh).c_str(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0666 & ~mask));
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "test_savefile.moc"
