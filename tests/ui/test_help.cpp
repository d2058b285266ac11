// The help windows: the instructions and their buttons to the worked
// examples, the examples window's two views, and the version history.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <deque>
#include <functional>

#include "app/frmmain.h"
#include "app/windows.h"
#include "core/helptexts.h"
#include "harness.h"
#include "help/frmexamples.h"
#include "help/frmhx.h"
#include "help/frminstructions.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/picturebox.h"

using namespace zentrivo;
using zentrivo::testing::Script;

namespace {

// Which of the examples window's pictures and labels are shown.
QString shownExamples(FrmExamples *w) {
    QStringList shown;
    for (QWidget *c : std::initializer_list<QWidget *>{w->PicEx1, w->Label1, w->PicEx2, w->Label2,
                                                       w->PicEx3, w->Label3})
        if (c->isVisible()) shown << c->objectName();
    return shown.join(QLatin1Char(' '));
}

// Presses Alt and the key once the window has the focus: access keys reach
// the active window only.
void pressAccessKey(QWidget *w, Qt::Key key) {
    if (QGuiApplication::focusWindow() != w->windowHandle()) {
        w->activateWindow();
        QTimer::singleShot(10, w, [w, key] { pressAccessKey(w, key); });
        return;
    }
    QTest::keyClick(w, key, Qt::AltModifier);
}

// Where the window's focus is when it opens and after each Tab until it
// comes back there, with the label's spoken name where the focus is on a
// picture's label.
QString tabStops(FrmExamples *w) {
    QStringList stops;
    QWidget *first = w->focusWidget();
    QWidget *at = first;
    for (int i = 0; i < 4 && at; ++i) {
        stops << at->objectName();
        if (auto *label = qobject_cast<QLabel *>(at);
            label && label->accessibleName() != label->text() + ". " +
                                                    QString::fromStdString(exampleDescription(
                                                        label->text().back().digitValue())))
            stops << QStringLiteral("(not named by its picture)");
        QTest::keyClick(at, Qt::Key_Tab);
        at = w->focusWidget();
        if (at == first) break;
    }
    return stops.join(QLatin1Char(' '));
}

// Shown, then the Tab stops from Close round to Close.
const QString kOneAndTwo = QStringLiteral("PicEx1 Label1 PicEx2 Label2 | CmdClose Label1 Label2");
const QString kThree = QStringLiteral("PicEx3 Label3 | CmdClose Label3");

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QWidgetList left = QApplication::topLevelWidgets();
        for (QWidget *w : left) qWarning("left over: %s", qPrintable(w->objectName()));
        QVERIFY(left.isEmpty());
    }

    // The text box shows the built text, broken into lines where the text
    // has CR LF; the focus starts on Close and goes round in tab order.
    void instructionsWindow() {
        GameState state;
        Windows windows(state);
        Script s(windows);
        QWidget *focused = nullptr;
        QStringList chain;
        s.on<FrmInstructions>([&](FrmInstructions *w) {
            focused = w->focusWidget();
            QWidget *at = w->CmdExit;
            for (int i = 0; i < 5; ++i) {
                chain << at->objectName();
                do at = at->nextInFocusChain();
                while (!(at->focusPolicy() & Qt::TabFocus));
            }
            w->CmdExit->click();
        });
        s.start();
        FrmInstructions *w = windows.instructions();
        QCOMPARE(w->windowTitle(), QStringLiteral("Zentrivo 2.0 - Instructions"));
        const QString shown = w->txtInstructions->toPlainText();
        QCOMPARE(shown.split(QLatin1Char('\n')),
                 QString::fromStdString(instructionsText()).split(QStringLiteral("\r\n")));
        QCOMPARE(w->CmdEx1->text(), QStringLiteral("Examples 1 && 2"));
        QCOMPARE(w->CmdEx3->text(), QStringLiteral("Example 3"));
        QCOMPARE(w->CmdExit->text(), QStringLiteral("&Close"));
        w->exec();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(focused, static_cast<QWidget *>(w->CmdExit));
        QCOMPARE(chain, (QStringList{"CmdExit", "txtInstructions", "CmdEx1", "CmdEx3", "CmdExit"}));
        QVERIFY(!windows.loadedInstructions());
    }

    // "Example 3" shows the third picture alone; however the examples window
    // was then closed, "Examples 1 && 2" finds it in its design state again.
    void examplesOpenFromTheirDesignState_data() {
        QTest::addColumn<QString>("closing");
        QTest::newRow("Close") << QStringLiteral("button");
        QTest::newRow("close box") << QStringLiteral("close box");
        QTest::newRow("Escape") << QStringLiteral("escape");
    }
    void examplesOpenFromTheirDesignState() {
        QFETCH(QString, closing);
        GameState state;
        Windows windows(state);
        Script s(windows);
        QStringList seen;
        QString caption;
        auto close = [&](FrmExamples *w) {
            if (closing == QLatin1String("button"))
                w->CmdClose->click();
            else if (closing == QLatin1String("close box"))
                w->close();
            else
                QTest::keyClick(w, Qt::Key_Escape);
        };
        s.on<FrmInstructions>([](FrmInstructions *w) { w->CmdEx3->click(); });
        s.on<FrmExamples>([&](FrmExamples *w) {
            seen << shownExamples(w) + " | " + tabStops(w);
            caption = w->windowTitle();
            close(w);
        });
        s.on<FrmInstructions>([](FrmInstructions *w) { w->CmdEx1->click(); });
        s.on<FrmExamples>([&](FrmExamples *w) {
            seen << shownExamples(w) + " | " + tabStops(w);
            close(w);
        });
        s.on<FrmInstructions>([](FrmInstructions *w) { w->CmdEx3->click(); });
        s.on<FrmExamples>([&](FrmExamples *w) {
            seen << shownExamples(w) + " | " + tabStops(w);
            close(w);
        });
        s.on<FrmInstructions>([](FrmInstructions *w) { w->CmdExit->click(); });
        s.start();
        windows.instructions()->exec();
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(seen, (QStringList{kThree, kOneAndTwo, kThree}));
        QCOMPARE(caption, QStringLiteral("Zentrivo 2.0 - Examples"));
        QVERIFY(!windows.loadedExamples());
    }

    // The pictures have their sizes and leave the corner under their caption
    // label white, so the label hides nothing of the drawing.
    void examplePicturesLeaveRoomForTheirLabels() {
        GameState state;
        Windows windows(state);
        FrmExamples *w = windows.examplesWindow();
        const QSize sizes[3] = {{380, 180}, {380, 180}, {325, 114}};
        const PictureBox *pictures[3] = {w->PicEx1, w->PicEx2, w->PicEx3};
        const QLabel *labels[3] = {w->Label1, w->Label2, w->Label3};
        for (int i = 0; i < 3; ++i) {
            const QImage image = pictures[i]->pixmap().toImage();
            QCOMPARE(image.size(), sizes[i]);
            // The picture is drawn inside the border, as is the label.
            const QRect under = labels[i]->geometry().translated(-pictures[i]->frameWidth(),
                                                                 -pictures[i]->frameWidth());
            QVERIFY(image.rect().contains(under));
            int ink = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool white = image.pixel(x, y) == qRgb(255, 255, 255);
                    QVERIFY2(white || !under.contains(x, y),
                             qPrintable(
                                 QStringLiteral("example %1 at %2, %3").arg(i + 1).arg(x).arg(y)));
                    ink += !white;
                }
            QVERIFY(ink > 500);  // something is drawn
            QCOMPARE(labels[i]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        }
        QVERIFY(w->PicEx3->isHidden() && w->Label3->isHidden());
        windows.unload(w);
    }

    // Every line of the history fits the label on one line, and none runs
    // under the Close button that lies over the label's lower right corner.
    void historyFitsItsLabel() {
        GameState state;
        Windows windows(state);
        FrmHx *w = windows.history();
        QCOMPARE(w->windowTitle(), QStringLiteral("Zentrivo 2.0 - Version History"));
        QCOMPARE(w->Label1->text().split(QLatin1Char('\n')),
                 QString::fromStdString(versionHistoryText()).split(QStringLiteral("\r\n")));
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 255));
        QCOMPARE(w->Label1->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(w->Label1->palette().color(QPalette::WindowText), QColor(0, 0, 192));
        QCOMPARE(w->childAt(w->CmdClose->geometry().center()), static_cast<QWidget *>(w->CmdClose));
        QVERIFY(w->Label1->geometry().contains(w->CmdClose->geometry()));

        const QFontMetrics fm(w->Label1->font());
        const QRect button = w->CmdClose->geometry().translated(-w->Label1->pos());
        const QStringList lines = w->Label1->text().split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            const QRect line(0, i * fm.lineSpacing(), fm.horizontalAdvance(lines[i]), fm.height());
            QVERIFY2(line.right() < w->Label1->width(), qPrintable(lines[i]));
            QVERIFY2(!line.intersects(button), qPrintable(lines[i]));
            QVERIFY(line.bottom() < w->Label1->height());
        }
        windows.unload(w);
    }

    // The menu's buttons and access keys open the windows; Close unloads.
    void menuOpensInstructionsAndHistory() {
        GameState state;
        Windows windows(state);
        FrmMain menu(windows);
        menu.show();
        Script s(windows);
        QStringList opened;
        s.on<FrmInstructions>([&](FrmInstructions *w) {
            opened << w->objectName();
            w->CmdExit->click();
        });
        s.on<FrmHx>([&](FrmHx *w) {
            opened << w->objectName();
            w->CmdClose->click();
        });
        s.on<FrmInstructions>([&](FrmInstructions *w) {
            opened << w->objectName();
            pressAccessKey(w, Qt::Key_C);  // "&Close"
        });
        s.on<FrmHx>([&](FrmHx *w) {
            opened << w->objectName();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        s.start();
        menu.CmdInstructions->click();
        menu.CmdHx->click();
        // A button pressed by its access key is released a moment later.
        for (Qt::Key key : {Qt::Key_I, Qt::Key_V}) {
            const qsizetype before = opened.size();
            pressAccessKey(&menu, key);
            QTRY_VERIFY(opened.size() > before && !QApplication::activeModalWidget());
        }
        QVERIFY2(s.finished(), qPrintable(s.failures()));
        QCOMPARE(opened, (QStringList{"FrmInstructions", "FrmHx", "FrmInstructions", "FrmHx"}));
        QVERIFY(!windows.loadedInstructions() && !windows.loadedHistory());
        menu.hide();
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
