// The game on a machine without its fonts (run with a font configuration
// that hides the Liberation family, so that a wider face stands in): every
// fixed text, the clues and stories of all puzzles, the headings and every
// caption, still fits its box, drawn smaller where it must be.
#include <QLabel>
#include <QtTest>

#include "app/startup.h"
#include "catalogue/catalogue.h"
#include "files/frmfiles.h"
#include "fillin/frmfillin.h"
#include "harness.h"
#include "help/frmexamples.h"
#include "help/frmhx.h"
#include "help/frminstructions.h"
#include "intro/frmlogicintro.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/textfit.h"
#include "widgets/textshrink.h"

using namespace zentrivo;
using namespace zentrivo::testing;

namespace {

// Shows the window and has it painted, as the screen would.
void paint(QWidget *w) {
    w->show();
    QCoreApplication::processEvents();
    w->grab();
}

// The labels and captions of `window` that do not fit their boxes in the
// fonts they are drawn with.
QStringList cutTexts(QWidget *window) {
    QStringList cut;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window)) continue;
        const auto *label = qobject_cast<QLabel *>(w);
        const auto *button = qobject_cast<CaptionButton *>(w);
        if ((label || button) && !textFits(w, w->font()))
            cut << w->objectName() + ": " + (label ? label->text() : button->text());
    }
    return cut;
}

}  // namespace

class TestFallbackFonts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(!missingFontFamilies().isEmpty(), "the Liberation fonts are not hidden");
        setUpApplication(*qApp);
    }

    void puzzleTextsFit_data() {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= kPuzzleCount; ++n)
            QTest::newRow(qPrintable(QStringLiteral("#%1").arg(n))) << n;
    }
    void puzzleTextsFit() {
        QFETCH(int, number);
        const PuzzleRecord *r = findPuzzle(number);
        Game g;
        FrmLogic *board = shownBoard(g, number);
        paint(board);
        QStringList problems = cutTexts(board);
        auto *clues = child<QLabel>(board, "LblClues");
        QVERIFY(clues);
        problems << clueTextFitProblems(QString::fromStdString(r->clueText()), clues->font());
        for (int i = 0; i < 15; ++i)
            problems << rowHeadingFitProblems(rowHeading(board, i)->text(),
                                              rowHeading(board, i)->font());

        FrmLogicIntro *intro = g.windows.introWindow();
        paint(intro);
        problems << cutTexts(intro);
        problems << introFitProblems(intro->Label1->text(), intro->Label1->font());

        FrmFillIn *fillIn = g.windows.fillInGrid();
        paint(fillIn);
        problems << cutTexts(fillIn);
        for (QLabel *l : fillIn->Lbl) problems << fillInHeadingFitProblems(l->text(), l->font());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }

    // The windows without a puzzle's texts: their captions and labels.
    void windowTextsFit_data() {
        QTest::addColumn<QString>("window");
        for (const char *w : {"menu", "instructions", "examples", "version history", "files"})
            QTest::newRow(w) << w;
    }
    void windowTextsFit() {
        QFETCH(QString, window);
        Game g;
        g.state.PuzzleNum = 1;
        g.state.WhereFrom = kWhereSave;
        QWidget *w = window == "menu"              ? static_cast<QWidget *>(&g.menu)
                     : window == "instructions"    ? g.windows.instructions()
                     : window == "examples"        ? g.windows.examplesWindow()
                     : window == "version history" ? static_cast<QWidget *>(g.windows.history())
                                                   : g.windows.files();
        paint(w);
        const QStringList cut = cutTexts(w);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }

    // The face standing in is wider: without the smaller fonts the clues of
    // most puzzles would be cut.
    void theStandInNeedsSmallerFonts() {
        int cut = 0;
        for (int n = 1; n <= kPuzzleCount; ++n)
            if (!clueTextFitProblems(QString::fromStdString(findPuzzle(n)->clueText())).isEmpty())
                ++cut;
        QVERIFY2(cut > 0, "every clue text fits in the stand-in face as it is");
    }
};

QTEST_MAIN(TestFallbackFonts)
#include "test_fallbackfonts.moc"
