// The board on a screen of twice the density (device pixel ratio 2): the
// double-size pictures are loaded, drawn pixel for pixel, in the same
// geometry; a missing double-size picture falls back to the single one.
#include <QLabel>
#include <QtTest>

#include "board/frmlogic.h"
#include "ui/harness.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {
QImage rgb(const QImage &img) { return img.convertToFormat(QImage::Format_RGB32); }
}  // namespace

class TestHighDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void headingGrabEqualsDoubleFile_data() {
        QTest::addColumn<int>("number");
        for (int n : {1, 13, 25}) QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void headingGrabEqualsDoubleFile() {
        QFETCH(int, number);
        Game g;
        g.state.PuzzleNum = static_cast<std::int16_t>(number);
        FrmLogic *board = g.windows.logic();
        auto *top = child<QLabel>(board, "ImgTop");
        QVERIFY(top);
        QCOMPARE(top->geometry(), QRect(72, 0, 358, 81));
        const QImage grab = rgb(top->grab().toImage());
        const QImage file =
            rgb(QImage(QString("QRX-Images/Puz%1@2x.gif").arg(number, 2, 10, QLatin1Char('0'))));
        QCOMPARE(grab.size(), QSize(716, 162));
        QVERIFY(grab == file);
    }

    // Each picture of the board at double size, taking the room it takes at
    // ratio 1; the window keeps its size.
    void boardPicturesDouble_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("blank cell") << "Img0101" << QSize(23, 23);
        QTest::newRow("X tool") << "ImgX" << QSize(23, 23);
        QTest::newRow("O tool") << "ImgO" << QSize(23, 23);
        QTest::newRow("magnifier") << "ImgMag" << QSize(102, 106);
        QTest::newRow("pencil") << "ImgErase" << QSize(32, 32);
        QTest::newRow("red O") << "ImgRedO" << QSize(23, 23);
    }
    void boardPicturesDouble() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        Game g;
        g.state.PuzzleNum = 1;
        FrmLogic *board = g.windows.logic();
        QCOMPARE(board->size(), QSize(632, 443));
        auto *label = child<QLabel>(board, name);
        QVERIFY(label);
        const QPixmap pm = label->pixmap();
        QCOMPARE(pm.devicePixelRatio(), 2.0);
        QCOMPARE(pm.deviceIndependentSize().toSize(), size);
    }

    // A folder of pictures without the double-size heading: the single one,
    // at ratio 1, in the same room.
    void fallsBackToSingleSize() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("QRX-Images")));
        for (const char *f : {"Puz01.gif", "blank.gif", "blank@2x.gif", "magglass.gif"})
            QVERIFY(QFile::copy(QString("QRX-Images/") + f, dir.filePath("QRX-Images/") + f));
        InDirectory in(dir.path());
        Game g;
        g.state.PuzzleNum = 1;
        FrmLogic *board = g.windows.logic();
        const QPixmap top = child<QLabel>(board, "ImgTop")->pixmap();
        QCOMPARE(top.devicePixelRatio(), 1.0);
        QVERIFY(rgb(top.toImage()) == rgb(QImage("QRX-Images/Puz01.gif")));
        QCOMPARE(child<QLabel>(board, "Img0101")->pixmap().devicePixelRatio(), 2.0);
    }
};

int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_highdpi.moc"
