// The picture files as the game finds them: every picture drawn at double
// size too, a missing picture reported once, and the program's icon.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QtTest>
#include <cstdio>
#include <functional>

#include "app/startup.h"
#include "app/windows.h"
#include "board/frmlogic.h"
#include "catalogue/catalogue.h"
#include "core/cells.h"
#include "core/gamestate.h"
#include "widgets/pictures.h"

using namespace zentrivo;

namespace {

// A GIF file of a few bytes whose header promises a picture of `screen` and
// one frame of `frame` (the screen's size unless given); its data holds one
// pixel, and the reader fills in the rest: as large as its header claims.
QByteArray gif(QSize screen, QSize frame = {}) {
    if (!frame.isValid()) frame = screen;
    auto words = [](QSize size) {
        QByteArray b;
        for (int v : {size.width(), size.height()}) b.append(char(v & 0xff)).append(char(v >> 8));
        return b;
    };
    QByteArray bytes("GIF89a" + words(screen));
    bytes.append("\x80\x00\x00\xff\xff\xff\x00\x00\x00", 9);  // two colours
    bytes.append(",\x00\x00\x00\x00", 5).append(words(frame)).append('\0');
    bytes.append("\x02\x02\x44\x01\x00;", 6);
    return bytes;
}

void putFile(const QString &path, const QByteArray &bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// What `action` writes to standard error.
QString standardError(const std::function<void()> &action) {
    QTemporaryFile capture;
    if (!capture.open()) return QStringLiteral("<no capture>");
    std::fflush(stderr);
    const int saved = dup(2);
    dup2(capture.handle(), 2);
    action();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    capture.seek(0);
    return QString::fromLocal8Bit(capture.readAll());
}

// The resident memory now, and its peak so far, in KiB.
long residentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}
long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT

    // Every picture at single size in `folder` ("QRX-Images", ":/pictures").
    static QStringList singles(const QString &folder) {
        QStringList names;
        for (const QString &f : QDir(folder).entryList(QDir::Files))
            if (!f.contains("@2x") && !f.startsWith("zentrivo")) names << f;
        return names;
    }

private slots:
    void doubleSizeOfEveryPicture_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        for (const QString &folder : {QStringLiteral("QRX-Images"), QStringLiteral(":/pictures")})
            for (const QString &name : singles(folder))
                QTest::newRow(qPrintable(folder + "/" + name)) << folder << name;
    }
    void doubleSizeOfEveryPicture() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        const QImage single(folder + "/" + name);
        const QString doubleName = QString(name).replace(".", "@2x.");
        const QImage twice(folder + "/" + doubleName);
        QVERIFY(!single.isNull());
        QVERIFY2(!twice.isNull(), qPrintable(doubleName + " missing"));
        QCOMPARE(twice.size(), single.size() * 2);
    }

    void everyFolderPictureCounted() {
        // 25 heading pictures, the blank square and the magnifier.
        QCOMPARE(singles("QRX-Images").size(), kPuzzleCount + 2);
        QCOMPARE(QDir("QRX-Images").entryList(QDir::Files).size(), 2 * (kPuzzleCount + 2));
    }

    // The pictures beside the built program are readable by every user who
    // runs it, like the installed ones: mode 0644.
    void everyFolderPictureReadableByAll() {
        for (const QString &name : QDir("QRX-Images").entryList(QDir::Files)) {
            struct stat info {};
            QCOMPARE(::stat(QFile::encodeName("QRX-Images/" + name).constData(), &info), 0);
            QVERIFY2((info.st_mode & 07777) == 0644,
                     qPrintable(name + QString(" has mode %1").arg(info.st_mode & 07777, 0, 8)));
        }
    }

    // The double-size headings keep their text inside the part of the picture
    // the board shows: below the 8 rows hidden above the window's top edge,
    // above the grid's top line, and off the column lines.
    void doubleHeadingsInsideShownPart_data() {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= kPuzzleCount; ++n)
            if (findPuzzle(n)->authored()) QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void doubleHeadingsInsideShownPart() {
        QFETCH(int, number);
        const QString name = QString::fromStdString(findPuzzle(number)->headingPicture);
        const QImage img(QString(name).replace(".gif", "@2x.gif"));
        QVERIFY(!img.isNull());
        for (int col = 0; col < 15; ++col) {
            QRect ink;
            for (int x = 48 * col; x < std::min(48 * col + 48, img.width()); ++x)
                for (int y = 0; y < img.height(); ++y)
                    if (qGray(img.pixel(x, y)) < 160) ink |= QRect(x, y, 1, 1);
            QVERIFY2(!ink.isEmpty(), qPrintable(QString("column %1 has no heading").arg(col + 1)));
            QVERIFY2(ink.left() > 48 * col + 4 && ink.right() < 48 * col + 44,
                     qPrintable(QString("column %1 ink from x %2 to %3")
                                    .arg(col + 1)
                                    .arg(ink.left())
                                    .arg(ink.right())));
            QVERIFY2(ink.top() >= 16 && ink.bottom() < 158,
                     qPrintable(QString("column %1 ink from y %2 to %3")
                                    .arg(col + 1)
                                    .arg(ink.top())
                                    .arg(ink.bottom())));
        }
    }

    // A picture found nowhere gives a white picture of the size asked for;
    // the first such miss prints one line on standard error, later ones none.
    void missingPictureReportedOnce() {
        QTemporaryFile capture;
        QVERIFY(capture.open());
        std::fflush(stderr);
        const int saved = dup(2);
        dup2(capture.handle(), 2);
        const QPixmap first = folderPicture("nosuch.gif", QSize(7, 5));
        const QPixmap second = folderPicture("another.gif", QSize(3, 3));
        std::fflush(stderr);
        dup2(saved, 2);
        close(saved);
        QCOMPARE(first.size(), QSize(7, 5));
        QCOMPARE(first.toImage().pixelColor(3, 2), QColor(Qt::white));
        QCOMPARE(second.size(), QSize(3, 3));
        capture.seek(0);
        const QString err = QString::fromLocal8Bit(capture.readAll());
        QCOMPARE(err.count('\n'), 1);
        QVERIFY2(err.startsWith("zentrivo: picture nosuch.gif not found in " +
                                QDir::current().absoluteFilePath("QRX-Images") + ", "),
                 qPrintable(err));
        QVERIFY2(err.contains(QCoreApplication::applicationDirPath() + "/QRX-Images"),
                 qPrintable(err));
    }

    // A picture is refused from its header when it is wider or taller than
    // four times its place (eight times for a double-size file), and passed
    // over like a missing one: the double size for the single one, the next
    // folder, else white. Each refused file is named once on standard error.
    // Each row: the files of two folders ("name=WxH"), whether the double
    // size is wanted, the size of the picture given (in pixels; the place,
    // 23 x 23, where it is white) and the files named as refused.
    void picturesTooLargeForTheirPlaceAreRefused_data() {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<bool>("wantDouble");
        QTest::addColumn<QSize>("given");
        QTest::addColumn<QStringList>("refused");
        const QStringList none;
        QTest::newRow("four times its place")
            << QStringList{"blank.gif=92x92"} << none << false << QSize(92, 92) << none;
        QTest::newRow("one pixel wider")
            << QStringList{"blank.gif=93x20"} << QStringList{"blank.gif=20x20"} << false
            << QSize(20, 20) << QStringList{"1/blank.gif"};
        QTest::newRow("one pixel taller")
            << QStringList{"blank.gif=20x93"} << QStringList{"blank.gif=20x20"} << false
            << QSize(20, 20) << QStringList{"1/blank.gif"};
        QTest::newRow("5600 x 5600 screen, a 1 x 1 frame")
            << QStringList{"blank.gif=5600x5600/1x1"} << QStringList{"blank.gif=20x20"} << false
            << QSize(20, 20) << QStringList{"1/blank.gif"};
        QTest::newRow("5600 x 5600, refused everywhere")
            << QStringList{"blank.gif=5600x5600"} << QStringList{"blank.gif=5600x5600"} << false
            << QSize(23, 23) << QStringList{"1/blank.gif", "2/blank.gif"};
        QTest::newRow("double size, eight times")
            << QStringList{"blank@2x.gif=184x184", "blank.gif=20x20"} << none << true
            << QSize(184, 184) << none;
        QTest::newRow("double size too large: the single one")
            << QStringList{"blank@2x.gif=185x46", "blank.gif=20x20"} << none << true
            << QSize(20, 20) << QStringList{"1/blank@2x.gif"};
        QTest::newRow("double size not wanted: eight times is too large")
            << QStringList{"blank.gif=184x184"} << QStringList{"blank.gif=20x20"} << false
            << QSize(20, 20) << QStringList{"1/blank.gif"};
        QTest::newRow("no picture after the header")
            << QStringList{"blank.gif=cut"} << QStringList{"blank.gif=20x20"} << false
            << QSize(20, 20) << QStringList{"1/blank.gif"};
    }
    void picturesTooLargeForTheirPlaceAreRefused() {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(bool, wantDouble);
        QFETCH(QSize, given);
        QFETCH(QStringList, refused);
        QTemporaryDir root;
        const QStringList folders{root.filePath("1"), root.filePath("2")};
        for (int i = 0; i < 2; ++i)
            for (const QString &entry : i == 0 ? first : second) {
                // "WxH" or "WxH/WxH" (screen and frame), or "cut" after the header
                auto size = [&entry](int part) {
                    const QStringList wh =
                        entry.section('=', 1).section('/', part, part).split('x');
                    return wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
                };
                putFile(folders[i] + "/" + entry.section('=', 0, 0),
                        size(0).isValid() ? gif(size(0), size(1)) : gif(QSize(20, 20)).left(19));
            }
        PictureLoader loader({folders[0].toStdString(), folders[1].toStdString()});
        QPixmap picture, again;
        const QString err = standardError([&] {
            picture = loader.load("blank.gif", QSize(23, 23), wantDouble);
            again = loader.load("blank.gif", QSize(23, 23), wantDouble);
        });
        QCOMPARE(picture.size(), given);
        QCOMPARE(picture.devicePixelRatio(), given == QSize(184, 184) ? 2.0 : 1.0);
        if (given == QSize(23, 23))
            QCOMPARE(picture.toImage().pixelColor(11, 11), QColor(Qt::white));
        else
            QCOMPARE(again.cacheKey(), picture.cacheKey());  // the same bytes: shared
        const QStringList lines = err.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), refused.size());
        for (int i = 0; i < refused.size(); ++i) {
            QVERIFY2(lines[i].startsWith("zentrivo: picture " + root.filePath(refused[i]) + " "),
                     qPrintable(lines[i]));
            QVERIFY2(lines[i].endsWith("; it is not used"), qPrintable(lines[i]));
        }
    }

    // A file changed between two reads is decoded again; read back to its
    // old bytes, it is decoded again too (only the last decoding is kept).
    void aChangedFileIsDecodedAgain() {
        QTemporaryDir root;
        const QString path = root.filePath("blank.gif");
        PictureLoader loader({root.path().toStdString()});
        putFile(path, gif(QSize(20, 20)));
        const QPixmap first = loader.load("blank.gif", QSize(23, 23), false);
        putFile(path, gif(QSize(21, 20)));
        const QPixmap second = loader.load("blank.gif", QSize(23, 23), false);
        QCOMPARE(first.size(), QSize(20, 20));
        QCOMPARE(second.size(), QSize(21, 20));
        QCOMPARE(loader.load("blank.gif", QSize(23, 23), false).cacheKey(), second.cacheKey());
    }

    // A restored board reads the blank square once for every blank cell (50
    // here). A blank square of 5600 x 5600 pixels (in a file of a few bytes)
    // is refused from its header: the board loads in well under 100 MB and 2
    // seconds, and names the file once. The game's own blank square is
    // decoded once and shared by the 50 cells.
    void aRestoredBoardDecodesTheBlankSquareOnce_data() {
        QTest::addColumn<bool>("hostile");
        QTest::newRow("the game's blank square") << false;
        QTest::newRow("5600 x 5600 blank square") << true;
    }
    void aRestoredBoardDecodesTheBlankSquareOnce() {
        QFETCH(bool, hostile);
        QTemporaryDir root;
        const QDir pictures(QStringLiteral("QRX-Images"));
        QVERIFY(QDir(root.path()).mkdir("QRX-Images"));
        for (const QString &name : pictures.entryList(QDir::Files))
            QVERIFY(QFile::copy(pictures.filePath(name), root.filePath("QRX-Images/" + name)));
        if (hostile) {
            QVERIFY(QFile::remove(root.filePath("QRX-Images/blank.gif")));
            putFile(root.filePath("QRX-Images/blank.gif"), gif(QSize(5600, 5600)));
        }
        const QString programFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.path()));
        GameState state;
        Windows windows(state);
        state.PuzzleNum = 7;
        for (int i = 0; i < kCellCount; ++i)
            state.GridB[static_cast<size_t>(i)] = static_cast<std::int16_t>(i % 3);
        state.WhereFrom = kWhereOpen;
        const long before = residentKiB();
        const double cpu = cpuSeconds();
        FrmLogic *board = nullptr;
        const QString err = standardError([&] { board = windows.logic(); });
        const double seconds = cpuSeconds() - cpu;
        const long grown = peakKiB() - before;
        QDir::setCurrent(programFolder);
        QVERIFY2(grown < 100 * 1024, qPrintable(QString("%1 KiB more").arg(grown)));
        QVERIFY2(seconds < 2, qPrintable(QString("%1 s").arg(seconds)));
        QSet<qint64> blanks;
        for (int i = 2; i < kCellCount; i += 3)
            blanks << board->findChild<QLabel *>(QString::fromStdString("Img" + cellAt(i).digits()))
                          ->pixmap()
                          .cacheKey();
        if (hostile) {
            QCOMPARE(err.count('\n'), 1);
            QVERIFY2(err.contains("/QRX-Images/blank.gif is 5600 x 5600 pixels"), qPrintable(err));
        } else {
            QCOMPARE(err, QString());
            QCOMPARE(blanks.size(), 1);
        }
        windows.unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Every window carries the program's icon at the sizes windows use (the
    // icon theme keeps the larger ones), each drawn at its own size; a larger
    // picture of it is still drawn when asked for.
    void programIcon() {
        setUpApplication(*qApp);
        QCOMPARE(QGuiApplication::desktopFileName(), QString("io.zentrivo.Zentrivo"));
        QDialog window;
        const QIcon icon = window.windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QCOMPARE(sizes.size(), 6);
        for (int size : {16, 22, 24, 32, 48, 64}) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            const QImage drawn(QStringLiteral(":/pictures/zentrivo-%1.png").arg(size));
            QCOMPARE(icon.pixmap(QSize(size, size)).toImage().convertToFormat(drawn.format()),
                     drawn);
        }
        QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    }
};

QTEST_MAIN(TestPictureFiles)
#include "test_picturefiles.moc"
