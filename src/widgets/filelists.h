// The file window's three lists: drives, folders and files, which work
// together like the classic drive, folder and file list controls.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <string>

namespace zentrivo {

// The mounted filesystems, each shown and kept by its root folder.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent);
    // Lists the mounted filesystems and selects the one holding `folder`,
    // without signalling a change.
    void refresh(const QString &folder);
    // Selects the drive holding `folder` (adding it when it is missing),
    // without signalling a change.
    void showDriveOf(const QString &folder);
    // The root folder of the selected drive.
    QString drive() const;
};

// The folders from the root down to the open folder, then the open folder's
// subfolders. A click highlights a folder; a double click or Enter opens it.
// The folders are indented by their depth; a screen reader hears each by its
// name and its level instead.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent);
    // The open folder.
    QString path() const { return path_; }
    // Opens `folder` and highlights it, signalling pathChanged when it is a
    // new one. A folder that does not exist or cannot be read is not opened:
    // the answer is then false and the list stays as it was.
    bool setPath(const QString &folder);
    // The highlighted folder (the open one until another is clicked).
    QString highlightedPath() const;

signals:
    void pathChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QString path_;
};

// The regular files of one folder whose names match a pattern (ignoring
// case), hidden ones included, sorted by name. Every name the disk holds is
// listed: a byte that is not UTF-8 shows as a replacement character, and each
// row keeps the name's own bytes.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent);
    void setPattern(const QString &pattern) { pattern_ = pattern; }
    QString pattern() const { return pattern_; }
    // Lists the files of `folder`.
    void setPath(const QString &folder);
    QString path() const { return path_; }
    // The highlighted file's name as shown, or an empty text.
    QString fileName() const;
    // The highlighted file's name as the disk holds it, or nothing.
    std::string fileBytes() const;

signals:
    // The player clicked a name, or moved to one with the keyboard, or chose
    // the highlighted one with Space or Return.
    void fileClicked();
    // Return on the highlighted file: chosen, and confirmed.
    void fileConfirmed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QString pattern_ = QStringLiteral("*");
    QString path_;
};

}  // namespace zentrivo
