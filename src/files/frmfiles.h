// The window through which the player opens a saved puzzle (from the menu)
// and saves the puzzle on the board (from the board), chosen by WhereFrom.
#pragma once

#include <QMessageBox>
#include <string>

#include "widgets/gamewindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zentrivo {

class DriveList;
class FolderList;
class FileList;

class FrmFiles : public GameWindow {
    Q_OBJECT
public:
    FrmFiles(Navigator &windows, QWidget *parent);
    void Form_Load() override;

    // Whether a regular file of exactly this name (its bytes as the disk
    // holds them) is in the folder the folder list shows; the name is never
    // taken as a pattern.
    bool FileExists(const std::string &name) const;

    // Controls, named as their objectName.
    QLabel *Label1;
    DriveList *drvList;
    FolderList *dirList;
    FileList *filList;
    QPushButton *OKButton, *CancelButton;
    QLineEdit *TxtFileName;
    QLabel *LblEnding;

public slots:
    void drvList_Change();
    void dirList_Change();
    void filList_Click();
    void TxtFileName_Change();
    void OKButton_Click();
    void CancelButton_Click();

protected:
    // The close box acts like Cancel.
    void closeBox() override;
    // Return in the name box is OK.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class SaveOutcome { Written, Declined, Failed };
    void openSaved();
    void saveBoard();
    SaveOutcome ConfirmAndSave();
    // The path of a file of the folder list's folder, as bytes for the system.
    std::string pathOf(const std::string &name) const;
    // FileName as the file list shows it.
    QString fileName() const;
    // Whether the name box still shows the picked file's name.
    bool pickUnedited() const;
    QMessageBox::StandardButton message(const QString &text, const QString &title,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons);
    void fileError(const QString &text);

    bool PickedFromList = false;
    // The picked file's name as the disk holds it.
    std::string pickedBytes_;
    QString NameEnding;
};

}  // namespace zentrivo
