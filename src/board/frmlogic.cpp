#include "board/frmlogic.h"

#include <QCursor>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QUndoStack>

#include "board/cluetext.h"
#include "catalogue/catalogue.h"
#include "core/answerkey.h"
#include "widgets/accessibility.h"
#include "widgets/buttons.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/picturebox.h"
#include "widgets/pictures.h"
#include "widgets/textfit.h"

namespace zentrivo {

namespace {

constexpr QSize kCellPicture(23, 23);

// The board panel: a white frame with the caption "#1" along its top edge,
// which lies above the window's client area.
class BoardPanel : public QFrame {
public:
    explicit BoardPanel(QWidget *parent) : QFrame(parent) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const QFontMetrics fm(font());
        const int mid = fm.height() / 2;
        p.setPen(kLineGrey);
        p.drawRect(rect().adjusted(0, mid, -1, -1));
        p.setPen(Qt::white);
        p.drawRect(rect().adjusted(1, mid + 1, -2, -2));
        const QString caption = QStringLiteral("#1");
        const QRect box(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
        p.fillRect(box, Qt::white);
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, caption);
    }
};

// One of the grid's blue lines: a thin strip that lets clicks through to
// the cells beneath.
QWidget *gridLine(QWidget *panel, const QString &name, QRect geometry) {
    auto *line = new QWidget(panel);
    line->setObjectName(name);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, kBlue);
    line->setPalette(pal);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    hideFromScreenReaders(line, QAccessible::Pane);
    return line;
}

QRect vertical(int x, int y1, int y2, int width) {
    return QRect(width == 2 ? x - 1 : x, y1, width, y2 - y1);
}

QRect horizontal(int y, int x1, int x2, int width) {
    return QRect(x1, width == 2 ? y - 1 : y, x2 - x1, width);
}

}  // namespace

FrmLogic::FrmLogic(Navigator &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmLogic"));
    // Described before anything announces a change, which fixes how Qt
    // describes each control.
    setAccessibleRole(this, QAccessible::Dialog);
    setWindowTitle(QStringLiteral("Zentrivo - #1"));
    setClientSize(632, 443);
    setBackground(Qt::white);

    makeCommands();
    makeClueText();
    makeBoardPanel();
    makeTools();
    makeRowHeadings();
    buildGrid(Frame1);
    makeAnswerControls();
    makeRightCommands();
    connectControls();
    makeHelp();
}

// The two commands above the clues.
void FrmLogic::makeCommands() {
    CmdIntro = commandButton("CmdIntro", QStringLiteral(" "), this, QRect(0, 8, 97, 33));
    CmdShowFillIn = commandButton("CmdShowFillIn", QStringLiteral("Show &Fill-In Grid"), this,
                                  QRect(104, 8, 73, 33));
}

// The clues, inside a frame of four black lines.
void FrmLogic::makeClueText() {
    const char *frameNames[] = {"Line6", "Line7", "Line8", "Line9"};
    const QRect frameLines[] = {QRect(0, 56, 177, 1), QRect(0, 432, 177, 1), QRect(0, 56, 1, 377),
                                QRect(176, 56, 1, 377)};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QFrame(this);
        l->setObjectName(QString::fromLatin1(frameNames[i]));
        l->setGeometry(frameLines[i]);
        l->setStyleSheet(QStringLiteral("background: black;"));
        hideFromScreenReaders(l, QAccessible::Dialog);
    }
    LblClues = new ClueText(this);
    LblClues->setAccessibleName(QStringLiteral("Clues"));
    LblClues->setObjectName(QStringLiteral("LblClues"));
    LblClues->setGeometry(8, 64, kClueWidth, kClueHeight);
    LblClues->setTextFormat(Qt::PlainText);
    LblClues->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblClues->setWordWrap(false);
    LblClues->setFont(clueFont());
    LblClues->setAutoFillBackground(true);
}

// The panel that holds the grid, its headings and tools, and the blue box of
// the X and O tools at its top left.
void FrmLogic::makeBoardPanel() {
    Frame1 = new BoardPanel(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    setAccessibleRole(Frame1, QAccessible::Pane);
    Frame1->setGeometry(184, -8, 441, 441);
    Frame1->setAccessibleName(QStringLiteral("Board"));

    Frame2 = new QFrame(Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    setAccessibleRole(Frame2, QAccessible::Grouping);
    Frame2->setAccessibleName(QStringLiteral("Tools"));
    Frame2->setGeometry(0, 24, 73, 41);
    Frame2->setStyleSheet(QStringLiteral("QFrame#Frame2 { background: rgb(0, 0, 255); }"));
}

void FrmLogic::makeTools() {
    ImgX = pictureBox("ImgX", Frame2, QRect(8, 8, 25, 25));
    ImgO = pictureBox("ImgO", Frame2, QRect(40, 8, 25, 25));
    // Tools are reached by Tab only, so that a click never shows their frame.
    for (PictureBox *tool : {ImgX, ImgO}) tool->setFocusPolicy(Qt::TabFocus);
    ImgX->setPixmap(builtInPicture(QStringLiteral("x.gif"), this));
    ImgO->setPixmap(builtInPicture(QStringLiteral("o.gif"), this));
    for (PictureBox *tool : {ImgX, ImgO}) tool->setAutoFillBackground(true);
    ImgX->setAccessibleName(QStringLiteral("X tool"));
    ImgO->setAccessibleName(QStringLiteral("O tool"));
}

// The heading picture over the columns and the 15 row headings.
void FrmLogic::makeRowHeadings() {
    ImgTop = pictureBox("ImgTop", Frame1, QRect(72, 0, 358, 81));
    // The column items it shows reach a screen reader as the grid's headers.
    hideFromScreenReaders(ImgTop, QAccessible::Pane);
    for (int n = 0; n < 15; ++n) {
        auto *label = new QLabel(QStringLiteral(" "), Frame1);
        label->setObjectName(QStringLiteral("LblS%1").arg(n + 1, 2, 10, QLatin1Char('0')));
        label->setGeometry(0, 88 + 24 * n, kRowHeadingWidth, kRowHeadingHeight);
        label->setTextFormat(Qt::PlainText);
        label->setFont(rowHeadingFont());
        QPalette lp = label->palette();
        lp.setColor(QPalette::WindowText, kBlue);
        lp.setColor(QPalette::Window, Qt::white);
        label->setPalette(lp);
        label->setAutoFillBackground(true);
        LblS[n] = label;
    }
}

// The magnifier, "Get the Answers", the eraser and the two hidden pictures
// the reveal copies from.
void FrmLogic::makeAnswerControls() {
    ImgMag = pictureBox("ImgMag", Frame1, QRect(200, 328, 102, 106));
    hideFromScreenReaders(ImgMag, QAccessible::Pane);
    CmdAnswer = commandButton("CmdAnswer", QStringLiteral("Get the &Answers"), Frame1,
                              QRect(328, 320, 105, 41));
    ImgErase = pictureBox("ImgErase", Frame1, QRect(328, 384, 34, 34));
    ImgErase->setFocusPolicy(Qt::TabFocus);
    QIcon eraser;
    eraser.addPixmap(builtInPicture(QStringLiteral("eraser32.png"), this));
    eraser.addPixmap(builtInPicture(QStringLiteral("eraser16.png"), this));
    ImgErase->setPixmap(eraser.pixmap(QSize(32, 32)));
    ImgErase->setCursor(QCursor(builtInPicture(QStringLiteral("eraser32.png")), 4, 27));
    ImgErase->setAccessibleName(QStringLiteral("Eraser"));
    ImgRedO = pictureBox("ImgRedO", Frame1, QRect(304, 416, 23, 23));
    ImgPurpleO = pictureBox("ImgPurpleO", Frame1, QRect(368, 416, 23, 23));
    ImgRedO->setPixmap(builtInPicture(QStringLiteral("redo.gif"), this));
    ImgPurpleO->setPixmap(builtInPicture(QStringLiteral("purpleo.gif"), this));
    ImgRedO->hide();
    ImgPurpleO->hide();
    hideFromScreenReaders(ImgRedO, QAccessible::Pane);
    hideFromScreenReaders(ImgPurpleO, QAccessible::Pane);
}

// Next, Save and Exit, over the panel's right edge.
void FrmLogic::makeRightCommands() {
    CmdNext = commandButton("CmdNext", QStringLiteral("&Next Logic Problem"), this,
                            QRect(512, 200, 105, 41));
    CmdSave = commandButton("CmdSave", QStringLiteral("&Save this Logic Problem"), this,
                            QRect(512, 256, 105, 41));
    CmdExit = commandButton("CmdExit", QStringLiteral("E&xit"), this, QRect(560, 376, 57, 33));
    for (QWidget *w : {static_cast<QWidget *>(CmdNext), static_cast<QWidget *>(CmdSave),
                       static_cast<QWidget *>(CmdExit)})
        w->raise();
}

void FrmLogic::connectControls() {
    setTabOrder(CmdIntro, CmdShowFillIn);
    setTabOrder(CmdShowFillIn, CmdNext);
    setTabOrder(CmdNext, CmdSave);
    setTabOrder(CmdSave, CmdAnswer);
    setTabOrder(CmdAnswer, CmdExit);
    // Then the grid, the clues and the tools.
    setTabOrder(CmdExit, grid_);
    setTabOrder(grid_, LblClues);
    setTabOrder(LblClues, ImgX);
    setTabOrder(ImgX, ImgO);
    setTabOrder(ImgO, ImgErase);
    connect(grid_, &BoardGrid::markRequested, this, &FrmLogic::Grid_KeyMark);

    connect(ImgX, &PictureBox::clicked, this, &FrmLogic::ImgX_Click);
    connect(ImgO, &PictureBox::clicked, this, &FrmLogic::ImgO_Click);
    connect(ImgErase, &PictureBox::clicked, this, &FrmLogic::ImgErase_Click);
    connect(CmdIntro, &QPushButton::clicked, this, &FrmLogic::CmdIntro_Click);
    connect(CmdShowFillIn, &QPushButton::clicked, this, &FrmLogic::CmdShowFillIn_Click);
    connect(CmdAnswer, &QPushButton::clicked, this, &FrmLogic::CmdAnswer_Click);
    connect(CmdSave, &QPushButton::clicked, this, &FrmLogic::CmdSave_Click);
    connect(CmdNext, &QPushButton::clicked, this, &FrmLogic::CmdNext_Click);
    connect(CmdExit, &QPushButton::clicked, this, &FrmLogic::CmdExit_Click);
}

void FrmLogic::buildGrid(QWidget *panel) {
    // Until the loader runs, every cell is blank (code 2, a white square), so
    // a cell that a restore leaves alone never holds a code its picture hides.
    Grid.fill(kCodeBlank);
    QPixmap white(kCellPicture);
    white.fill(Qt::white);
    for (int i = 0; i < kCellCount; ++i) {
        const CellId cell = cellAt(i);
        const int size = i == 0 ? 23 : 25;
        PictureBox *img = pictureBox(("Img" + cell.digits()).c_str(), panel,
                                     QRect(cellLeft(cell), cellTop(cell), size, size));
        img->setPixmap(white);
        hideFromScreenReaders(img, QAccessible::Pane);
        // A click also moves the keyboard's focus square there, unseen.
        connect(img, &PictureBox::clicked, this, [this, i] {
            grid_->setFocusSquare(i);
            Img_Click(i);
        });
        Img[static_cast<size_t>(i)] = img;
    }
    // Blue lines over the cells: thick between bands, thin between columns
    // and rows. Vertical lines reach up into the heading picture, horizontal
    // ones left under the row headings.
    gridLine(panel, QStringLiteral("Line1"), horizontal(80, 0, 432, 2));
    const int bandBottom[] = {440, 320, 200};
    const int bandRight[] = {432, 312, 192};
    const struct {
        int index, x, bottom;
    } thickV[] = {{3, 72, 440}, {0, 192, 440}, {1, 312, 320}, {2, 432, 200}};
    for (const auto &v : thickV)
        gridLine(panel, QStringLiteral("Line2_%1").arg(v.index), vertical(v.x, 8, v.bottom, 2));
    const struct { int index, y, right; } thickH[] = {{0, 200, 432}, {1, 320, 312}, {2, 440, 192}};
    for (const auto &h : thickH)
        gridLine(panel, QStringLiteral("Line4_%1").arg(h.index), horizontal(h.y, 0, h.right, 2));
    int thin = 0;
    for (int m = 1; m <= 14; ++m) {
        if (m == 5 || m == 10) continue;
        const int band = (m - 1) / 5;  // the band the line divides
        gridLine(panel, QStringLiteral("Line3_%1").arg(thin),
                 vertical(72 + 24 * m, 8, bandBottom[band], 1));
        gridLine(panel, QStringLiteral("Line5_%1").arg(thin),
                 horizontal(80 + 24 * m, 0, bandRight[band], 1));
        ++thin;
    }
    // The keyboard's layer, over the cells and their lines.
    grid_ = new BoardGrid(panel);
    grid_->setRowHeadings(QList<QWidget *>(LblS.begin(), LblS.end()));
}

void FrmLogic::Form_Load() { Reloading(); }

void FrmLogic::Reloading() {
    windows_.unloadFileWindow();
    clearHint();
    move(0, 0);
    tools_.load();
    showTools();
    ImgMag->setPixmap(folderPicture(QStringLiteral("magglass.gif"), QSize(102, 106), this));

    grid_->setFocusSquare(0);
    if (state().WhereFrom == kWhereOpen) {
        for (int i = 0; i < kCellCount; ++i) Img_Click(i);
    } else {
        Grid.fill(kCodeBlank);
        const QPixmap blank = folderPicture(QStringLiteral("blank.gif"), kCellPicture, this);
        Img[0]->setPixmap(blank);
        for (int i = 1; i < kCellCount; ++i)
            Img[static_cast<size_t>(i)]->setPixmap(Img[0]->pixmap());
        for (int i = 0; i < kCellCount; ++i) grid_->setMark(i, BoardGrid::Mark::Blank);
    }

    if (const PuzzleRecord *r = findPuzzle(state().PuzzleNum)) {
        setWindowTitle(QString::fromStdString(r->boardCaption));
        ImgTop->setPixmap(
            folderPicture(QString::fromStdString(r->headingPictureFile()), QSize(358, 81), this));
        CmdIntro->setText(QString::fromStdString(r->introButton));
        if (r->authored()) {
            std::array<QString, 15> rows, columns;
            for (size_t n = 0; n < 15; ++n) {
                rows[n] = shownAmpersands(r->content.rowHeadings[n]);
                LblS[n]->setText(rows[n]);
            }
            // Columns 01-05 carry the items of A, 06-10 those of rows 11-15,
            // 11-15 those of rows 06-10.
            for (size_t n = 0; n < 5; ++n) {
                columns[n] = shownAmpersands(r->content.itemsA[n]);
                columns[n + 5] = rows[n + 10];
                columns[n + 10] = rows[n + 5];
            }
            grid_->setItems(rows, columns);
            LblClues->setText(shownLines(r->clueText()));
        }
    }
    // Crossed-off clues end with the puzzle, even where the text stays.
    LblClues->freshStart();
    undo_->clear();
    state().WhereFrom = kWhereNone;
}

void FrmLogic::showTools() {
    auto look = [](bool pressed) {
        return pressed ? PictureBox::Border::Sunken : PictureBox::Border::Flat;
    };
    ImgX->setBorder(look(tools_.xPressed));
    ImgO->setBorder(look(tools_.oPressed));
    ImgErase->setBorder(look(tools_.eraserPressed));
    ImgX->setChecked(tools_.SelectedTool == kToolX);
    ImgO->setChecked(tools_.SelectedTool == kToolO);
    ImgErase->setChecked(tools_.SelectedTool == kToolEraser);
}

void FrmLogic::ImgX_Click() {
    tools_.clickX();
    showTools();
}

void FrmLogic::ImgO_Click() {
    tools_.clickO();
    showTools();
}

void FrmLogic::ImgErase_Click() {
    tools_.clickEraser();
    showTools();
}

void FrmLogic::ResetTool() {
    tools_.resetTool();
    showTools();
}

void FrmLogic::Img_Click(int cell) {
    if (cell < 0 || cell >= kCellCount) return;
    const size_t i = static_cast<size_t>(cell);
    const CellAction action = cellClick(state().WhereFrom, state().GridB[i], tools_.SelectedTool);
    if (action == CellAction::Nothing) return;
    const std::int16_t before = Grid[i];
    showCode(cell, codeFor(action, before));
    if (state().WhereFrom != kWhereOpen) recordChange(cell, before);
    if (action == CellAction::ShowBlank) ResetTool();
}

// The picture of the code first, then the code: X and O share the tools'
// pictures, a blank square reads the blank picture anew.
void FrmLogic::showCode(int cell, std::int16_t code) {
    const size_t i = static_cast<size_t>(cell);
    if (Grid[i] != code) clearHint();
    if (code == kCodeX)
        paintCell(i, ImgX->pixmap(), BoardGrid::Mark::X);
    else if (code == kCodeO)
        paintCell(i, ImgO->pixmap(), BoardGrid::Mark::O);
    else
        paintCell(i, folderPicture(QStringLiteral("blank.gif"), kCellPicture, this),
                  BoardGrid::Mark::Blank);
    Grid[i] = code;
}

void FrmLogic::paintCell(size_t cell, const QPixmap &picture, BoardGrid::Mark mark) {
    Img[cell]->setPixmap(picture);
    grid_->setMark(int(cell), mark);
}

void FrmLogic::Grid_KeyMark(int cell, BoardGrid::Tool tool) {
    switch (tool) {
        case BoardGrid::Tool::X:
            ImgX_Click();
            break;
        case BoardGrid::Tool::O:
            ImgO_Click();
            break;
        case BoardGrid::Tool::Eraser:
            ImgErase_Click();
            break;
        case BoardGrid::Tool::Current:
            break;
    }
    Img_Click(cell);
    announceSquare(cell);
}

void FrmLogic::announceSquare(int cell, const QString &what) {
    const QString square = grid_->squareName(cell);
    announce(this, what.isEmpty() ? square : what + QStringLiteral(": ") + square);
}

void FrmLogic::focusSquare(int cell) {
    grid_->setFocusSquare(cell);
    grid_->setFocus(Qt::OtherFocusReason);
}

void FrmLogic::CmdIntro_Click() { windows_.intro()->exec(); }

void FrmLogic::CmdShowFillIn_Click() { windows_.fillIn()->exec(); }

void FrmLogic::CmdAnswer_Click() {
    const PuzzleRecord *r = findPuzzle(state().PuzzleNum);
    if (!r) return;
    clearHint();
    for (const RevealStep &step : revealSteps(r->key, Grid)) {
        const bool red = step.picture == RevealPicture::RedO;
        paintCell(static_cast<size_t>(step.cell), (red ? ImgRedO : ImgPurpleO)->pixmap(),
                  red ? BoardGrid::Mark::AnswerO : BoardGrid::Mark::WrongO);
    }
    announce(this,
             QStringLiteral("The answers are shown. Move through the grid to hear them: "
                            "the squares of the answer say answer O, a wrong O says wrong O."));
}

void FrmLogic::CmdSave_Click() {
    state().WhereFrom = kWhereSave;
    windows_.fileWindow()->exec();
}

void FrmLogic::CmdNext_Click() {
    windows_.unloadFillIn();
    // Computed in full int range: a number at the top of the 16-bit range
    // (only possible from a saved file) closes the board instead of overflowing.
    const int next = state().PuzzleNum + 1;
    if (next <= kPuzzleCount) {
        state().PuzzleNum = static_cast<std::int16_t>(next);
        Reloading();
    } else {
        state().PuzzleNum = 1;
        windows_.unload(this);
    }
}

void FrmLogic::CmdExit_Click() {
    clearHint();
    state().WhereFrom = kWhereNone;
    windows_.unloadFillIn();
    windows_.unload(this);
}

// The close box leaves the board like Exit, so no stale purpose survives it.
void FrmLogic::closeBox() { CmdExit_Click(); }

}  // namespace zentrivo
