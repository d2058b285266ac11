#include "fillin/frmfillin.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "catalogue/catalogue.h"
#include "widgets/accessibility.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace zentrivo {

namespace {

constexpr int kColumnLeft[4] = {16, 104, 192, 280};
constexpr int kRowTop[5] = {72, 96, 120, 144, 168};
constexpr int kBoxWidth = 81, kBoxHeight = 25;
const QPoint kFrameAt(8, 40);

// The box in grid row `row` (1-5) of column `column` (1-4) carries these
// digits: the first column starts with 0102 above 0101.
int boxNumber(int column, int row) {
    if (column == 1 && row <= 2) return 100 + (row == 1 ? 2 : 1);
    return column * 100 + row;
}

}  // namespace

FrmFillIn::FrmFillIn(Navigator &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmFillIn"));
    setWindowTitle(QStringLiteral("Zentrivo 2.0 - Fill-In Grid"));
    setClientSize(376, 250);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::Base, Qt::white);
    setPalette(pal);

    LblTitle = new QLabel(this);
    LblTitle->setObjectName(QStringLiteral("LblTitle"));
    LblTitle->setGeometry(16, 16, 345, 25);
    LblTitle->setFont(serifFont(16, true));
    LblTitle->setTextFormat(Qt::PlainText);
    QPalette blue = LblTitle->palette();
    blue.setColor(QPalette::WindowText, kBlue);
    LblTitle->setPalette(blue);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(QRect(kFrameAt, QSize(361, 161)));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    for (int c = 0; c < 4; ++c) {
        QLabel *l = new QLabel(Frame1);
        l->setObjectName(QStringLiteral("Lbl%1").arg(c + 1));
        l->setGeometry(QRect(QPoint(kColumnLeft[c], 48) - kFrameAt, QSize(kBoxWidth, kBoxHeight)));
        l->setFont(fillInHeadingFont());
        l->setTextFormat(Qt::PlainText);
        l->setPalette(blue);
        Lbl[c] = l;
    }

    // The frame holds the first two boxes of the first column and the whole
    // last column; the other boxes lie over it as children of the window.
    QWidget *previous = nullptr;
    for (int row = 1; row <= 5; ++row) {
        for (int column = 1; column <= 4; ++column) {
            const int number = boxNumber(column, row);
            const bool inFrame = column == 4 || (column == 1 && row <= 2);
            QWidget *parent = inFrame ? static_cast<QWidget *>(Frame1) : this;
            const QPoint at =
                QPoint(kColumnLeft[column - 1], kRowTop[row - 1]) - (inFrame ? kFrameAt : QPoint());
            auto *box = new QLineEdit(parent);
            box->setObjectName(QStringLiteral("Txt%1").arg(number, 4, 10, QLatin1Char('0')));
            box->setGeometry(QRect(at, QSize(kBoxWidth, kBoxHeight)));
            box->setFont(serifFont(16));
            tellFocusBeforeCaret(box);
            Txt[number / 100 - 1][number % 100 - 1] = box;
            if (previous) setTabOrder(previous, box);
            previous = box;
        }
    }

    CmdHide = commandButton("CmdHide", QStringLiteral("&Hide Fill-In Grid"), this,
                            QRect(288, 208, 73, 33));
    setTabOrder(previous, CmdHide);
    connect(CmdHide, &QPushButton::clicked, this, &FrmFillIn::CmdHide_Click);

    Txt[0][1]->setFocus();  // Txt0102, the first box of the first row
    nameBoxes();
}

QLineEdit *FrmFillIn::box(int column, int row) const {
    const int number = boxNumber(column, row);
    return Txt[number / 100 - 1][number % 100 - 1];
}

void FrmFillIn::nameBoxes() {
    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 4; ++column) {
            const QString heading = Lbl[column - 1]->text();
            box(column, row)
                ->setAccessibleName(QStringLiteral("Row %1, %2")
                                        .arg(row)
                                        .arg(heading.isEmpty()
                                                 ? QStringLiteral("Column %1").arg(column)
                                                 : heading));
        }
}

void FrmFillIn::Form_Load() {
    // Beside the board's clues, so that they can still be read while notes
    // are written.
    move(184, 0);
    const PuzzleRecord *r = findPuzzle(state().PuzzleNum);
    if (!r) return;  // no puzzle: title and headings stay empty
    LblTitle->setText(QString::fromStdString(r->fillInTitle));
    for (int c = 0; c < 4; ++c) Lbl[c]->setText(QString::fromStdString(r->headings[c]));
    nameBoxes();
}

// Hides the grid but keeps it loaded, so the notes are there when it is
// shown again.
void FrmFillIn::CmdHide_Click() { done(QDialog::Accepted); }

}  // namespace zentrivo
