#include "help/frminstructions.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "core/helptexts.h"
#include "help/frmexamples.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/picturebox.h"

namespace zentrivo {

FrmInstructions::FrmInstructions(Navigator &windows, QWidget *parent)
    : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmInstructions"));
    setWindowTitle(QStringLiteral("Zentrivo 2.0 - Instructions"));
    setClientSize(500, 353);
    setEscapeCloses(true);

    // Made in tab order, so that the focus starts on Close.
    CmdExit = commandButton("CmdExit", QStringLiteral("&Close"), this, QRect(440, 312, 57, 33));

    txtInstructions = new QPlainTextEdit(this);
    txtInstructions->setObjectName(QStringLiteral("txtInstructions"));
    txtInstructions->setGeometry(8, 8, 425, 337);
    txtInstructions->setFont(sansFont(13));
    txtInstructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtInstructions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtInstructions->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtInstructions->setTabChangesFocus(true);
    // Read, not edited: the text can still be scrolled and selected from the keyboard.
    txtInstructions->setReadOnly(true);
    txtInstructions->setAccessibleName(QStringLiteral("Instructions"));
    txtInstructions->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                             Qt::TextSelectableByKeyboard);

    CmdEx1 =
        commandButton("CmdEx1", QStringLiteral("Examples 1 && 2"), this, QRect(440, 8, 57, 49));
    CmdEx3 = commandButton("CmdEx3", QStringLiteral("Example 3"), this, QRect(440, 64, 57, 49));

    setTabOrder(CmdExit, txtInstructions);
    setTabOrder(txtInstructions, CmdEx1);
    setTabOrder(CmdEx1, CmdEx3);
    CmdExit->setFocus();

    connect(CmdEx1, &QPushButton::clicked, this, &FrmInstructions::CmdEx1_Click);
    connect(CmdEx3, &QPushButton::clicked, this, &FrmInstructions::CmdEx3_Click);
    connect(CmdExit, &QPushButton::clicked, this, &FrmInstructions::CmdExit_Click);
}

void FrmInstructions::Form_Load() {
    move(0, 0);
    // The built text keeps its CR LF line breaks; the text box breaks on "\n".
    txtInstructions->setPlainText(shownLines(instructionsText()));
}

void FrmInstructions::CmdEx1_Click() { windows_.examples()->exec(); }

void FrmInstructions::CmdEx3_Click() {
    auto *examples = qobject_cast<FrmExamples *>(windows_.examples());
    examples->Label3->setVisible(true);
    examples->PicEx3->setVisible(true);
    examples->PicEx1->setVisible(false);
    examples->PicEx2->setVisible(false);
    examples->exec();
}

void FrmInstructions::CmdExit_Click() { windows_.unload(this); }

}  // namespace zentrivo
