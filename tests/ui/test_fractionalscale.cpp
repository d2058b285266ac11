// The board on screens of fractional device pixel ratios (run at 1.25, 1.5
// and 1.75): moving the keyboard's focus square leaves no pixel of the old
// frame on the screen, and clicks still mark the square under the pointer.
#include <QBackingStore>
#include <QtTest>

#include "board/boardgrid.h"
#include "harness.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

QImage rgb(const QImage &img) { return img.convertToFormat(QImage::Format_RGB32); }

// What the screen shows of the window: the pixels painted so far, repaint
// by repaint, into its backing store (an image on this platform), where a
// grab draws the window afresh.
QImage onScreen(QWidget *window) {
    QCoreApplication::processEvents();
    QPaintDevice *device = window->backingStore()->paintDevice();
    if (device->devType() != QInternal::Image) return {};
    return rgb(*static_cast<QImage *>(device));
}

}  // namespace

class TestFractionalScale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        const qreal ratio = qApp->devicePixelRatio();
        QVERIFY2(ratio != qRound(ratio), qPrintable(QString::number(ratio)));
    }

    // Each row: the keys that move the focus square away from the first square.
    void focusSquareLeavesNoTrace_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("right") << QList<int>{Qt::Key_Right};
        QTest::newRow("down") << QList<int>{Qt::Key_Down};
        QTest::newRow("right, down, left, up")
            << QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right};
        QTest::newRow("to the row's end, five rows down")
            << QList<int>{Qt::Key_End, Qt::Key_PageDown, Qt::Key_Home};
    }
    void focusSquareLeavesNoTrace() {
        QFETCH(QList<int>, keys);
        Game g;
        FrmLogic *board = shownBoard(g, 1);
        auto *grid = child<BoardGrid>(board, "Grid");
        QVERIFY(grid);
        grid->setFocus(Qt::TabFocusReason);
        QVERIFY(grid->hasFocus());
        onScreen(board);
        for (int key : keys) {
            QTest::keyClick(grid, Qt::Key(key));
            onScreen(board);
        }
        const QImage shown = onScreen(board);
        const QImage drawn = rgb(board->grab().toImage());
        QCOMPARE(shown.size(), drawn.size());
        int left = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != drawn.pixel(x, y)) ++left;
        QCOMPARE(left, 0);
    }
};

QTEST_MAIN(TestFractionalScale)
#include "test_fractionalscale.moc"
