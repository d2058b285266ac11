#include "files/frmfiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "catalogue/catalogue.h"
#include "core/savefile.h"
#include "widgets/accessibility.h"
#include "widgets/buttons.h"
#include "widgets/filelists.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace zentrivo {

namespace {

const QString kEnding = QStringLiteral(".txt");

QLabel *yellowLabel(QWidget *parent, const char *name, const QFont &font, QRect geometry) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAutoFillBackground(true);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, kYellow);
    pal.setColor(QPalette::WindowText, kBlue);
    label->setPalette(pal);
    return label;
}

// The folder the lists start at: the program's current folder or, where that
// has been removed, the nearest folder above it that still exists; the
// player's home when the removed folder cannot be named.
QString startFolder() {
    QString current = QDir::currentPath();
    if (!current.isEmpty()) return current;
    // The system still names a removed working folder, with " (deleted)" after it.
    char link[4096];
    const ssize_t length = ::readlink("/proc/self/cwd", link, sizeof link - 1);
    if (length <= 0) return QDir::homePath();
    QString lost = QFile::decodeName(QByteArray(link, static_cast<int>(length)));
    const QString deleted = QStringLiteral(" (deleted)");
    if (lost.endsWith(deleted)) lost.chop(deleted.size());
    if (!lost.startsWith(QLatin1Char('/'))) return QDir::homePath();
    while (!QFileInfo(lost).isDir()) lost = QFileInfo(lost).path();
    return lost;
}

// Why a typed or edited name cannot be taken, or nothing: a name of spaces
// only is no name, and one with a control character (a pasted line break or
// tab) is not a name the player meant.
QString typedNameProblem(const QString &typed) {
    if (typed.count(QLatin1Char(' ')) == typed.size())
        return QStringLiteral("Please type a name for the file.");
    for (QChar c : typed)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral(
                "A file name cannot contain a control character.  Please choose another name.");
    return {};
}

// Whether a name of these bytes fits the folder's limit on names.
bool nameFits(const QString &folder, const std::string &name) {
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return limit < 0 || name.size() <= static_cast<size_t>(limit);
}

}  // namespace

FrmFiles::FrmFiles(Navigator &windows, QWidget *parent) : GameWindow(windows, parent) {
    setObjectName(QStringLiteral("FrmFiles"));
    setClientSize(372, 220);
    setFont(sansFont(11));
    setBackground(kYellow);

    Label1 = yellowLabel(this, "Label1", sansFont(13, true), QRect(8, 8, 353, 32));
    Label1->setText(QStringLiteral("Select the saved file you wish to open:"));

    drvList = new DriveList(this);
    drvList->setObjectName(QStringLiteral("drvList"));
    nameDropDown(drvList, QStringLiteral("Drive"));
    drvList->setGeometry(16, 48, 145, 21);

    dirList = new FolderList(this);
    dirList->setObjectName(QStringLiteral("dirList"));
    dirList->setGeometry(16, 72, 145, 81);

    filList = new FileList(this);
    filList->setObjectName(QStringLiteral("filList"));
    filList->setGeometry(168, 48, 105, 110);
    filList->setPattern(QStringLiteral("*.txt*"));

    auto button = [this](const char *name, const QString &caption, QRect geometry) {
        CaptionButton *b = commandButton(name, caption, this, geometry);
        // Neither button answers Enter pressed elsewhere in the window.
        b->setAutoDefault(false);
        return b;
    };
    OKButton = button("OKButton", QStringLiteral("OK"), QRect(288, 152, 81, 25));
    CancelButton = button("CancelButton", QStringLiteral("Cancel"), QRect(288, 184, 81, 25));

    TxtFileName = new QLineEdit(this);
    TxtFileName->setObjectName(QStringLiteral("TxtFileName"));
    TxtFileName->setGeometry(64, 176, 161, 25);
    TxtFileName->setFont(sansFont(16));

    LblEnding = yellowLabel(this, "LblEnding", sansFont(16, true), QRect(232, 184, 26, 20));
    LblEnding->setText(kEnding);

    dirList->setAccessibleName(QStringLiteral("Folders"));
    filList->setAccessibleName(QStringLiteral("Files"));
    TxtFileName->setAccessibleName(QStringLiteral("File name"));
    TxtFileName->installEventFilter(this);
    tellFocusBeforeCaret(TxtFileName);
    setEscapeCloses(true);

    setTabOrder(TxtFileName, OKButton);
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, filList);
    setTabOrder(filList, dirList);
    setTabOrder(dirList, drvList);

    connect(drvList, &QComboBox::currentIndexChanged, this, &FrmFiles::drvList_Change);
    connect(dirList, &FolderList::pathChanged, this, &FrmFiles::dirList_Change);
    connect(filList, &FileList::fileClicked, this, &FrmFiles::filList_Click);
    // Return on a file opens it; in the save window the pick only names the file.
    connect(filList, &FileList::fileConfirmed, this, [this] {
        if (state().WhereFrom == kWhereOpen) OKButton_Click();
    });
    connect(TxtFileName, &QLineEdit::textChanged, this, &FrmFiles::TxtFileName_Change);
    connect(OKButton, &QPushButton::clicked, this, &FrmFiles::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &FrmFiles::CancelButton_Click);
}

void FrmFiles::Form_Load() {
    move(20, 20);
    PickedFromList = false;
    state().FileName.clear();

    // The lists start at the program's current folder (or the nearest one
    // left above it, or home); a file is only written where they show.
    const QString here = startFolder();
    if (!dirList->setPath(here)) dirList->setPath(QDir::homePath());
    drvList->refresh(dirList->path());
    filList->setPath(dirList->path());

    if (state().WhereFrom == kWhereOpen) {
        setWindowTitle(QStringLiteral("Zentrivo 2.0 - Open Saved File"));
        Label1->setText(QStringLiteral("Select the saved file you wish to open:"));
        TxtFileName->hide();
        LblEnding->hide();
    } else if (state().WhereFrom == kWhereSave) {
        setWindowTitle(QStringLiteral("Zentrivo 2.0 - Save a Logic Problem"));
        Label1->setText(
            QStringLiteral("What do you want to name your file and where do you want to save it?"));
        TxtFileName->show();
        LblEnding->show();
    }
    // The first tab stop: the name box, or OK where the box is hidden.
    (state().WhereFrom == kWhereSave ? static_cast<QWidget *>(TxtFileName) : OKButton)->setFocus();
}

bool FrmFiles::FileExists(const std::string &name) const {
    struct stat info {};
    return !name.empty() && ::stat(pathOf(name).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string FrmFiles::pathOf(const std::string &name) const {
    return QFile::encodeName(dirList->path()).toStdString() + '/' + name;
}

QString FrmFiles::fileName() const { return QString::fromStdString(state().FileName); }

bool FrmFiles::pickUnedited() const {
    return PickedFromList && TxtFileName->text() == QString::fromStdString(pickedBytes_);
}

void FrmFiles::drvList_Change() {
    // A drive that cannot be read: back to the drive of the open folder.
    if (!dirList->setPath(drvList->drive())) drvList->showDriveOf(dirList->path());
}

void FrmFiles::dirList_Change() {
    filList->setPath(dirList->path());
    drvList->showDriveOf(dirList->path());
}

void FrmFiles::filList_Click() {
    const QString name = filList->fileName();
    if (name.isEmpty()) return;
    pickedBytes_ = filList->fileBytes();
    state().FileName = pickedBytes_;
    TxtFileName->setText(name);
    PickedFromList = true;
    // The name now carries its own ending; none will be added.
    LblEnding->hide();
}

void FrmFiles::TxtFileName_Change() {
    // After a pick the name follows the box; the picked name keeps its own
    // bytes while the box shows it.
    if (PickedFromList)
        state().FileName =
            pickUnedited() ? pickedBytes_ : QFile::encodeName(TxtFileName->text()).toStdString();
}

void FrmFiles::OKButton_Click() {
    // A folder highlighted but not opened is opened, and nothing else.
    if (dirList->highlightedPath() != dirList->path()) {
        dirList->setPath(dirList->highlightedPath());
        return;
    }
    if (state().WhereFrom == kWhereOpen)
        openSaved();
    else if (state().WhereFrom == kWhereSave)
        saveBoard();
}

void FrmFiles::openSaved() {
    if (!PickedFromList) {
        message(QStringLiteral("You did not choose a file to open."),
                QStringLiteral("Zentrivo 2.0 - Open a Saved File"), QMessageBox::Warning,
                QMessageBox::Ok);
        return;
    }
    // The pick is used once: after a message the player clicks a file again.
    PickedFromList = false;
    const ReadResult read = ReadSaveFile(pathOf(state().FileName));
    if (read.unreadable) {
        fileError(QStringLiteral("The file %1 could not be read.  Please choose another file.")
                      .arg(fileName()));
        return;
    }
    const std::optional<SavedPuzzle> &saved = read.puzzle;
    if (!saved) {
        fileError(QStringLiteral(
            "This file does not contain a logic problem.  Please choose another file."));
        return;
    }
    state().SavedPuzzleNum = saved->puzzleNum;
    state().GridB = saved->codes;
    state().PuzzleNum = state().SavedPuzzleNum;
    // The board's load unloads this window while this handler waits on the
    // board: nothing of this window is used after the board is shown.
    windows_.reloadBoard();
    GameWindow *board = windows_.board();
    const PuzzleRecord *opened = findPuzzle(state().PuzzleNum);
    announceWhenActive(board,
                       QStringLiteral("Opened %1: Logic Problem %2")
                           .arg(fileName(), opened ? QString::fromStdString(opened->menuTitle)
                                                   : QString::number(state().PuzzleNum)));
    board->exec();
}

void FrmFiles::saveBoard() {
    // A picked name left as it was is used as it is, in its own bytes.
    if (!pickUnedited()) {
        const QString typed = TxtFileName->text();
        // A name that could not be found again, or that leaves the folder
        // the list shows, is refused before anything is written.
        if (const QString problem = typedNameProblem(typed); !problem.isEmpty()) {
            fileError(problem);
            return;
        }
        if (typed.contains(QLatin1Char('/'))) {
            fileError(
                QStringLiteral("A file name cannot contain \"/\".  Please choose another name."));
            return;
        }
        // A typed or edited name gets the ending unless it already ends so.
        NameEnding = typed.right(4).leftJustified(4, QLatin1Char(' '));
        state().FileName =
            QFile::encodeName(NameEnding == kEnding ? typed : typed + kEnding).toStdString();
        if (!nameFits(dirList->path(), state().FileName)) {
            fileError(QStringLiteral("The file %1 is too long.  Please choose a shorter name.")
                          .arg(fileName()));
            return;
        }
    }
    if (ConfirmAndSave() == SaveOutcome::Failed) {
        fileError(
            QStringLiteral("The file %1 could not be saved.  Please choose another name or folder.")
                .arg(fileName()));
        return;
    }
    PickedFromList = false;
    announceWhenActive(windows_.board(), QStringLiteral("Saved as %1").arg(fileName()));
    windows_.unload(this);
}

FrmFiles::SaveOutcome FrmFiles::ConfirmAndSave() {
    // Only into the folder the list shows, never beside an empty folder name.
    if (dirList->path().isEmpty()) return SaveOutcome::Failed;
    const std::string &name = state().FileName;
    if (FileExists(name)) {
        const auto answer =
            message(QStringLiteral(
                        "The file %1 already exists.  Choose OK to replace file, Cancel to stop.")
                        .arg(fileName()),
                    QStringLiteral("Zentrivo 2.0 - File Message"), QMessageBox::Information,
                    QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) return SaveOutcome::Declined;
    }
    const CellCodes codes = windows_.boardCodes();
    const bool written = WriteSaveFile(pathOf(name), state().PuzzleNum, codes);
    return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

void FrmFiles::CancelButton_Click() {
    // Leaves the board as it is and the next board load fresh.
    state().WhereFrom = kWhereNone;
    windows_.unload(this);
}

void FrmFiles::closeBox() { CancelButton_Click(); }

bool FrmFiles::eventFilter(QObject *watched, QEvent *event) {
    if (watched == TxtFileName && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (!key->isAutoRepeat()) OKButton_Click();
            return true;
        }
    }
    return GameWindow::eventFilter(watched, event);
}

QMessageBox::StandardButton FrmFiles::message(const QString &text, const QString &title,
                                              QMessageBox::Icon icon,
                                              QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, this);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void FrmFiles::fileError(const QString &text) {
    message(text, QStringLiteral("Zentrivo 2.0 - File Error"), QMessageBox::Warning,
            QMessageBox::Ok);
}

}  // namespace zentrivo
