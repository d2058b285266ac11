#include "intro/frmlogicintro.h"

#include <QLabel>

#include "catalogue/catalogue.h"
#include "widgets/accessibility.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/textfit.h"

namespace zentrivo {

FrmLogicIntro::FrmLogicIntro(Navigator &windows, QWidget *parent) : LabelWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmLogicIntro"));
    setClientSize(448, 231);
    setBackground(Qt::white);
    setEscapeCloses(true);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, kIntroWidth, kIntroHeight);
    Label1->setFont(introFont());
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    makeReadable(Label1, QStringLiteral("Story"));
    // The story is the window's first stop, so that a screen reader starts
    // reading it when the window opens; it draws no focus of its own.
    Label1->setFocusPolicy(Qt::TabFocus);

    CmdClose = commandButton("CmdClose", QStringLiteral("&Close"), this, QRect(392, 200, 49, 25));
    connect(CmdClose, &QPushButton::clicked, this, &FrmLogicIntro::CmdClose_Click);
    setTabOrder(Label1, CmdClose);
}

void FrmLogicIntro::Form_Load() {
    const PuzzleRecord *r = findPuzzle(state().PuzzleNum);
    if (!r) return;  // no puzzle: an empty caption and text
    setWindowTitle(QString::fromStdString(r->introCaption));
    Label1->setText(shownLines(r->content.intro));
    Label1->setFocus(Qt::OtherFocusReason);
}

}  // namespace zentrivo
