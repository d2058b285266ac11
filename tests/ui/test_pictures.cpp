// The pictures drawn by the picture tool: sizes, and heading pictures whose
// column headings sit centred on their column strips.
#include <QImage>
#include <QtTest>

#include "catalogue/catalogue.h"
#include "widgets/pictures.h"

using namespace zentrivo;

namespace {
bool ink(const QImage &img, int x, int y) { return qGray(img.pixel(x, y)) < 160; }
}  // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void sizes_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("blank") << "QRX-Images/blank.gif" << QSize(23, 23);
        QTest::newRow("magnifier") << "QRX-Images/magglass.gif" << QSize(102, 106);
        for (int n = 1; n <= kPuzzleCount; ++n) {
            const QString name = QString::fromStdString(findPuzzle(n)->headingPicture);
            QTest::newRow(qPrintable(name)) << name << QSize(358, 81);
        }
        for (const char *mark : {"x.gif", "o.gif", "redo.gif", "purpleo.gif"})
            QTest::newRow(mark) << QString(":/pictures/") + mark << QSize(23, 23);
        QTest::newRow("eraser 32") << ":/pictures/eraser32.png" << QSize(32, 32);
        QTest::newRow("eraser 16") << ":/pictures/eraser16.png" << QSize(16, 16);
        QTest::newRow("example 1") << ":/pictures/example1.gif" << QSize(380, 180);
        QTest::newRow("example 2") << ":/pictures/example2.gif" << QSize(380, 180);
        QTest::newRow("example 3") << ":/pictures/example3.gif" << QSize(325, 114);
    }
    void sizes() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QImage img;
        QVERIFY2(img.load(path), qPrintable(path));
        QCOMPARE(img.size(), size);
    }

    void marksDiffer() {
        const QImage x = builtInPicture("x.gif").toImage(), o = builtInPicture("o.gif").toImage();
        const QImage red = builtInPicture("redo.gif").toImage(),
                     struck = builtInPicture("purpleo.gif").toImage();
        QVERIFY(ink(x, 11, 11) && !ink(o, 11, 11));  // an X crosses the centre, an O does not
        QVERIFY(ink(o, 11, 4) || ink(o, 11, 5));     // the O's ring
        QCOMPARE(red.pixelColor(11, 11), QColor(Qt::white));
        QVERIFY(qRed(red.pixel(11, 5)) > 150 && qGreen(red.pixel(11, 5)) < 100);
        QVERIFY(struck.pixelColor(1, 11) != QColor(Qt::white));  // pale lavender ground
    }

    // Every column strip of 24 pixels carries one heading, centred, with
    // clear space at its edges where the grid's lines fall.
    void headingsCentredOnStrips_data() {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= kPuzzleCount; ++n) QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void headingsCentredOnStrips() {
        QFETCH(int, number);
        if (!findPuzzle(number)->authored()) QSKIP("puzzle not written");
        QImage img(QString::fromStdString(findPuzzle(number)->headingPicture));
        QVERIFY(!img.isNull());
        for (int col = 0; col < 15; ++col) {
            int left = 1000, right = -1;
            for (int x = 24 * col; x < std::min(24 * col + 24, img.width()); ++x)
                for (int y = 0; y < img.height(); ++y)
                    if (ink(img, x, y)) left = std::min(left, x), right = std::max(right, x);
            QVERIFY2(right >= 0, qPrintable(QString("column %1 has no heading").arg(col + 1)));
            QVERIFY(left > 24 * col + 2 && right < 24 * col + 22);
            QVERIFY(std::abs((left + right) / 2.0 - (24 * col + 11.5)) <= 2.5);
        }
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
