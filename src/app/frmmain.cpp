#include "app/frmmain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

#include "board/frmlogic.h"
#include "catalogue/catalogue.h"
#include "files/frmfiles.h"
#include "help/frmhx.h"
#include "help/frminstructions.h"
#include "widgets/accessibility.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace zentrivo {

FrmMain::FrmMain(Windows &windows) : QWidget(nullptr), windows_(windows) {
    setObjectName(QStringLiteral("FrmMain"));
    setAccessibleRole(this, QAccessible::Window);
    setWindowTitle(QStringLiteral("Zentrivo 2.0"));
    setFixedSize(455, 329);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBlue);
    setPalette(pal);
    setAutoFillBackground(true);

    auto button = [this](const char *name, const QString &caption, QRect geometry) {
        return commandButton(name, caption, this, geometry);
    };
    CmdInstructions =
        button("CmdInstructions", QStringLiteral("&Instructions on How to Solve Logic Problems"),
               QRect(8, 8, 137, 57));
    CmdInstructions->setFaceColour(kYellow);
    CmdInstructions->setFont(serifFont(16, true));
    for (int n = 1; n <= 25; ++n) {
        // Puzzles 1-8 under the instructions, 9-18 and 19-25 in two more columns.
        const int left = n <= 8 ? 8 : n <= 18 ? 160 : 312;
        const int top = n <= 8 ? 72 + 32 * (n - 1) : n <= 18 ? 8 + 32 * (n - 9) : 8 + 32 * (n - 19);
        const PuzzleRecord *r = findPuzzle(n);
        CaptionButton *b =
            button("CmdPuz", QString::fromStdString(r->menuCaption()), QRect(left, top, 137, 25));
        b->setObjectName(QStringLiteral("CmdPuz%1").arg(n, 2, 10, QLatin1Char('0')));
        connect(b, &QPushButton::clicked, this, [this, n] { CmdPuz_Click(n); });
        CmdPuz[n - 1] = b;
    }
    CmdOpenSaved =
        button("CmdOpenSaved", QStringLiteral("&Open Saved File"), QRect(312, 232, 137, 33));
    CmdHx = button("CmdHx", QStringLiteral("&Version History"), QRect(312, 272, 65, 49));
    for (CaptionButton *b : {CmdOpenSaved, CmdHx}) {
        b->setFaceColour(kYellow);
        b->setFont(sansFont(13, true));
    }
    CmdExit = button("CmdExit", QStringLiteral("E&xit"), QRect(392, 288, 57, 33));

    QWidget *previous = CmdInstructions;
    for (QWidget *w : CmdPuz) setTabOrder(previous, w), previous = w;
    setTabOrder(previous, CmdOpenSaved);
    setTabOrder(CmdOpenSaved, CmdHx);
    setTabOrder(CmdHx, CmdExit);

    connect(CmdInstructions, &QPushButton::clicked, this, &FrmMain::CmdInstructions_Click);
    connect(CmdOpenSaved, &QPushButton::clicked, this, &FrmMain::CmdOpenSaved_Click);
    connect(CmdHx, &QPushButton::clicked, this, &FrmMain::CmdHx_Click);
    connect(CmdExit, &QPushButton::clicked, this, &FrmMain::CmdExit_Click);
    windows_.setMenu(this);
}

void FrmMain::Form_Load() { move(10, 10); }

void FrmMain::CmdPuz_Click(int number) {
    windows_.state().PuzzleNum = static_cast<std::int16_t>(number);
    // A board left loaded but hidden is filled again for the chosen puzzle.
    if (FrmLogic *board = windows_.loadedLogic()) board->Reloading();
    windows_.logic()->exec();
}

void FrmMain::CmdOpenSaved_Click() {
    windows_.state().WhereFrom = kWhereOpen;
    windows_.files()->exec();
}

void FrmMain::CmdInstructions_Click() { windows_.instructions()->exec(); }

void FrmMain::CmdHx_Click() { windows_.history()->exec(); }

void FrmMain::CmdExit_Click() {
    ending_ = true;
    windows_.unloadAll();
    hide();
    QCoreApplication::exit(0);
}

// The menu's close box ends the program like Exit.
// Up and Down move among the buttons in tab order, as Left and Right do.
void FrmMain::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        focusNextPrevChild(event->key() == Qt::Key_Down);
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmMain::closeEvent(QCloseEvent *event) {
    if (!ending_) CmdExit_Click();
    event->accept();
}

}  // namespace zentrivo
