// The picture files as the game finds them: every picture drawn at double
// size too, a missing picture reported once, and the program's icon.
#include <unistd.h>

#include <QDialog>
#include <QIcon>
#include <QtTest>
#include <cstdio>

#include "app/startup.h"
#include "catalogue/catalogue.h"
#include "widgets/pictures.h"

using namespace zentrivo;

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

    // Every window carries the program's icon, at each size of the hicolor theme.
    void programIcon() {
        setUpApplication(*qApp);
        QCOMPARE(QGuiApplication::desktopFileName(), QString("io.zentrivo.Zentrivo"));
        QDialog window;
        const QList<QSize> sizes = window.windowIcon().availableSizes();
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
};

QTEST_MAIN(TestPictureFiles)
#include "test_picturefiles.moc"
