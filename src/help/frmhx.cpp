#include "help/frmhx.h"

#include <QLabel>

#include "core/helptexts.h"
#include "widgets/accessibility.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace zentrivo {

FrmHx::FrmHx(Navigator &windows, QWidget *parent) : LabelWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmHx"));
    setWindowTitle(QStringLiteral("Zentrivo 2.0 - Version History"));
    setClientSize(520, 250);
    setEscapeCloses(true);
    setBackground(kBlue);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 505, 233);
    Label1->setFont(serifFont(15, true));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setAutoFillBackground(true);
    makeReadable(Label1, QStringLiteral("Version history"));
    // A stop of its own, so that a screen reader can read it line by line;
    // it draws no focus.
    Label1->setFocusPolicy(Qt::TabFocus);
    QPalette yellow = Label1->palette();
    yellow.setColor(QPalette::Window, kYellow);
    yellow.setColor(QPalette::WindowText, kNavy);
    Label1->setPalette(yellow);

    // Made after the label, so it lies over the label's lower right corner.
    CmdClose = commandButton("CmdClose", QStringLiteral("Close"), this, QRect(440, 208, 65, 25));
    connect(CmdClose, &QPushButton::clicked, this, &FrmHx::CmdClose_Click);
    setTabOrder(CmdClose, Label1);
}

void FrmHx::Form_Load() {
    move(0, 0);
    Label1->setText(shownLines(versionHistoryText()));
}

}  // namespace zentrivo
