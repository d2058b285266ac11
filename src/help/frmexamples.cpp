#include "help/frmexamples.h"

#include <QLabel>

#include "core/helptexts.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/picturebox.h"
#include "widgets/pictures.h"

namespace zentrivo {

FrmExamples::FrmExamples(Navigator &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmExamples"));
    setWindowTitle(QStringLiteral(" "));
    setClientSize(396, 404);
    setEscapeCloses(true);

    auto picture = [this](const char *name, const QString &file, QRect geometry) {
        PictureBox *p = pictureBox(name, this, geometry);
        p->setBorder(PictureBox::Border::Flat);
        p->setPixmap(builtInPicture(file, this));
        return p;
    };
    // Each label lies on its picture, blue on white. It is also where Tab
    // stops for the picture, so that a screen reader tells what it shows.
    auto label = [](const char *name, int number, PictureBox *on, QPoint at) {
        auto *l = new QLabel(QStringLiteral("Example #%1").arg(number), on);
        l->setObjectName(QString::fromLatin1(name));
        l->setFocusPolicy(Qt::TabFocus);
        // Orca says a label's name on Tab, not its description: the name
        // carries what the picture shows.
        l->setAccessibleName(l->text() + QStringLiteral(". ") +
                             QString::fromStdString(exampleDescription(number)));
        // Placed in the picture's inner area, inside its border.
        l->setGeometry(QRect(at + QPoint(on->frameWidth(), on->frameWidth()), QSize(65, 25)));
        l->setFont(sansFont(11));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, kBlue);
        l->setPalette(pal);
        return l;
    };
    PicEx1 = picture("PicEx1", QStringLiteral("example1.gif"), QRect(8, 8, 382, 182));
    Label1 = label("Label1", 1, PicEx1, QPoint(8, 8));
    PicEx2 = picture("PicEx2", QStringLiteral("example2.gif"), QRect(8, 192, 382, 182));
    Label2 = label("Label2", 2, PicEx2, QPoint(8, 8));
    // Example 3 takes the place of the other two and starts hidden.
    PicEx3 = picture("PicEx3", QStringLiteral("example3.gif"), QRect(32, 80, 327, 116));
    Label3 = label("Label3", 3, PicEx3, QPoint(256, 88));
    Label3->setVisible(false);
    PicEx3->setVisible(false);

    CmdClose = commandButton("CmdClose", QStringLiteral("Close"), this, QRect(320, 376, 73, 25));
    connect(CmdClose, &QPushButton::clicked, this, &FrmExamples::CmdClose_Click);
    // The window opens on Close, as it always has; Tab then goes on to the
    // pictures shown.
    CmdClose->setFocus(Qt::OtherFocusReason);
}

void FrmExamples::Form_Load() {
    move(0, 0);
    setWindowTitle(QStringLiteral("Zentrivo 2.0 - Examples"));
}

void FrmExamples::CmdClose_Click() { windows_.unload(this); }

}  // namespace zentrivo
