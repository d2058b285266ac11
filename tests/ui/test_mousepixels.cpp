// A board played with the mouse alone must look exactly as it always has:
// the keyboard's focus square and focus frames never show for such a player.
// The reference picture was rendered on the offscreen platform before the
// keyboard and screen-reader support existed; set ZENTRIVO_WRITE_REFERENCE to
// a path to render it again.
#include <QImage>
#include <QPushButton>

#include "board/frmlogic.h"
#include "harness.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }

QWidget *named(QWidget *board, const char *name) {
    return child<QWidget>(board, QString::fromLatin1(name));
}

}  // namespace

class TestMousePixels : public QObject {
    Q_OBJECT
private slots:
    void boardMarkedByMouseLooksAsBefore() {
        Game g;
        g.state.PuzzleNum = 1;
        FrmLogic *board = g.windows.logic();
        board->Reloading();
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board));
        // X on two squares, O on two, one erased, the answers revealed, then
        // one square marked over the reveal.
        for (const char *name : {"Img0101", "Img0202", "Img1203"}) click(named(board, name));
        click(named(board, "ImgO"));
        for (const char *name : {"Img0303", "Img0606"}) click(named(board, name));
        click(named(board, "ImgErase"));
        click(named(board, "Img0202"));
        click(named(board, "CmdAnswer"));
        click(named(board, "Img0404"));
        QCoreApplication::processEvents();
        const QImage shot = board->grab().toImage().convertToFormat(QImage::Format_RGB32);

        const QByteArray out = qgetenv("ZENTRIVO_WRITE_REFERENCE");
        if (!out.isEmpty()) {
            QVERIFY(shot.save(QString::fromLocal8Bit(out)));
            return;
        }
        const QImage reference =
            QImage(QStringLiteral(ZENTRIVO_TESTS_DIR "/ui/reference/board-mouse.png"))
                .convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!reference.isNull(), "reference picture missing");
        QCOMPARE(shot.size(), reference.size());
        int differing = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) != reference.pixel(x, y)) ++differing;
        QCOMPARE(differing, 0);
    }
};

QTEST_MAIN(TestMousePixels)
#include "test_mousepixels.moc"
