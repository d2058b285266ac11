// Every window looks the same whatever the desktop sets: a platform theme's
// dark palette and big font, pushed when the game has started (as qt6ct and
// a theme change do) or given before the game sets its look (a theme's
// palettes and fonts for classes of controls, a style named on the command
// line), leave each window's pixels as they are on a plain desktop.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QStyleFactory>
#include <QtTest>
#include <functional>

#include "files/frmfiles.h"
#include "fillin/frmfillin.h"
#include "harness.h"
#include "help/frmexamples.h"
#include "help/frmhx.h"
#include "help/frminstructions.h"
#include "intro/frmlogicintro.h"
#include "widgets/filelists.h"
#include "widgets/gamelook.h"

using namespace zentrivo;
using namespace zentrivo::testing;

using Open = std::function<QWidget *(Game &)>;
Q_DECLARE_METATYPE(Open)

namespace {

// A dark desktop: light text on dark faces and fields, as Adwaita's dark
// variant and qt6ct's darker scheme give.
QPalette darkPalette() {
    QPalette p(QColor(240, 240, 240), QColor(50, 50, 50));
    p.setColor(QPalette::Base, QColor(36, 36, 36));
    p.setColor(QPalette::Text, QColor(240, 240, 240));
    p.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    p.setColor(QPalette::Highlight, QColor(21, 83, 158));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    return p;
}

QFont bigFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(16);
    return f;
}

QImage picture(QWidget *w) {
    QCoreApplication::processEvents();
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestDesktopLook : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useGameLook(); }

    // Each row opens a window in a state that shows its own colours and the
    // palette's: typed text, a selection, a disabled control; each has the
    // keyboard's focus, framed.
    void windowsKeepTheirPixels_data() {
        QTest::addColumn<Open>("open");
        QTest::newRow("menu") << Open([](Game &g) -> QWidget * { return &g.menu; });
        QTest::newRow("board") << Open([](Game &g) -> QWidget * { return shownBoard(g, 7); });
        QTest::newRow("intro") << Open([](Game &g) -> QWidget * {
            g.state.PuzzleNum = 3;
            return g.windows.introWindow();
        });
        QTest::newRow("instructions")
            << Open([](Game &g) -> QWidget * { return g.windows.instructions(); });
        QTest::newRow("examples") << Open(
            [](Game &g) -> QWidget * { return g.windows.examplesWindow(); });
        QTest::newRow("version history")
            << Open([](Game &g) -> QWidget * { return g.windows.history(); });
        QTest::newRow("fill-in, typed notes") << Open([](Game &g) -> QWidget * {
            g.state.PuzzleNum = 1;
            FrmFillIn *w = g.windows.fillInGrid();
            const QList<QLineEdit *> boxes = w->findChildren<QLineEdit *>();
            for (int i = 0; i < boxes.size(); i += 3) boxes[i]->setText(QStringLiteral("Ballroom"));
            if (!boxes.isEmpty()) {
                boxes.first()->setFocus();
                boxes.first()->selectAll();
            }
            return w;
        });
        QTest::newRow("file window, a name selected") << Open([](Game &g) -> QWidget * {
            g.state.WhereFrom = kWhereSave;
            FrmFiles *w = g.windows.files();
            w->TxtFileName->setText(QStringLiteral("game"));
            w->TxtFileName->selectAll();
            if (w->dirList->count() > 0) w->dirList->setCurrentRow(0);
            return w;
        });
        QTest::newRow("message box") << Open([](Game &) -> QWidget * {
            auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Check My Marks"),
                                        QStringLiteral("2 of your marks disagree with the answer."),
                                        QMessageBox::Ok | QMessageBox::Cancel);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->button(QMessageBox::Cancel)->setEnabled(false);
            return box;
        });
    }
    void windowsKeepTheirPixels() {
        QFETCH(Open, open);
        Game g;
        QWidget *w = open(g);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        // The focus as the keyboard brings it, with its frame.
        QTest::keyClick(w, Qt::Key_Tab);
        const QImage plain = picture(w);

        // Pushed once the game runs.
        QApplication::setPalette(darkPalette());
        QApplication::setFont(bigFont());
        QApplication::setPalette(darkPalette(), "QLineEdit");
        QApplication::setPalette(darkPalette(), "QAbstractItemView");
        QVERIFY(hasGameLook());
        QVERIFY(picture(w) == plain);

        // Given before the game sets its look, as a theme and -style do.
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
        QApplication::setPalette(darkPalette(), "QLabel");
        QApplication::setFont(bigFont(), "QPushButton");
        useGameLook();
        QVERIFY(hasGameLook());
        QVERIFY(picture(w) == plain);
        if (qobject_cast<QMessageBox *>(w)) w->close();
    }
};

QTEST_MAIN(TestDesktopLook)
#include "test_desktoplook.moc"
