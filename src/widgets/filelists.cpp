#include "widgets/filelists.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <vector>

#include "widgets/accessibility.h"

namespace zentrivo {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString cleanFolder(const QString &folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString rootOf(const QString &folder) {
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.rootPath() : QStringLiteral("/");
}

}  // namespace

// ---- drives ----------------------------------------------------------------

DriveList::DriveList(QWidget *parent) : QComboBox(parent) {}

void DriveList::refresh(const QString &folder) {
    const QSignalBlocker quiet(this);
    clear();
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) roots << volume.rootPath();
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());
    for (const QString &root : roots) addItem(root, root);
    showDriveOf(folder);
}

void DriveList::showDriveOf(const QString &folder) {
    const QSignalBlocker quiet(this);
    const QString root = rootOf(folder);
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

QString DriveList::drive() const { return currentData().toString(); }

// ---- folders -----------------------------------------------------------------

FolderList::FolderList(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { setPath(item->data(kPathRole).toString()); });
}

bool FolderList::setPath(const QString &folder) {
    const QString target = cleanFolder(folder);
    const QFileInfo info(target);
    if (folder.isEmpty() || !info.isDir() || !QDir(target).isReadable()) {
        // Not opened: the open folder stays highlighted.
        for (int row = 0; row < count(); ++row)
            if (item(row)->data(kPathRole).toString() == path_) setCurrentRow(row);
        return false;
    }
    const bool changed = target != path_;
    path_ = target;

    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto add = [this](const QIcon &icon, const QString &name, const QString &path,
                      qsizetype depth) {
        auto *row = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + name, this);
        row->setData(Qt::AccessibleTextRole, name);
        row->setData(Qt::UserRole + 1, int(depth + 1));
        row->setData(kPathRole, path);
        row->setToolTip(path);
    };
    // The chain of folders from the root down to the open one.
    QStringList chain;
    for (QDir up(path_);;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp()) break;
    }
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString &p = chain[depth];
        const QString name = depth == 0 ? p : QFileInfo(p).fileName();
        add(open, name, p, depth);
    }
    const int openRow = count() - 1;
    const QDir here(path_);
    const QStringList subfolders = here.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                  QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders)
        add(closed, name, here.absoluteFilePath(name), chain.size());
    for (int r = 0; r < count(); ++r)
        item(r)->setData(Qt::AccessibleDescriptionRole,
                         QStringLiteral("folder %1 of %2, level %3")
                             .arg(r + 1)
                             .arg(count())
                             .arg(item(r)->data(Qt::UserRole + 1).toInt()));
    setCurrentRow(openRow);
    scrollToItem(item(openRow));
    if (changed) emit pathChanged();
    return true;
}

QString FolderList::highlightedPath() const {
    const QListWidgetItem *row = currentItem();
    return row ? row->data(kPathRole).toString() : path_;
}

void FolderList::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Taken here, so that Enter opens the folder and does nothing else.
        setPath(highlightedPath());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FolderList::focusInEvent(QFocusEvent *event) {
    QListWidget::focusInEvent(event);
    tellCurrentItem(this);
}

// ---- files -------------------------------------------------------------------

FileList::FileList(QWidget *parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, &FileList::fileClicked);
}

void FileList::setPath(const QString &folder) {
    path_ = folder;
    clear();
    // Read with the system's own calls: a name that is not valid UTF-8 must
    // be listed too, and opened and saved under its exact bytes.
    const QByteArray pattern = pattern_.toUtf8();
    std::vector<std::pair<QString, std::string>> files;
    if (DIR *dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            if (::fnmatch(pattern.constData(), entry->d_name, FNM_CASEFOLD) != 0) continue;
            // Regular files only (links to them too): folders, FIFOs,
            // sockets, devices and broken links are left out.
            struct stat info {};
            if (::fstatat(::dirfd(dir), entry->d_name, &info, 0) != 0 || !S_ISREG(info.st_mode))
                continue;
            files.emplace_back(QString::fromUtf8(entry->d_name), entry->d_name);
        }
        ::closedir(dir);
    }
    std::sort(files.begin(), files.end(), [](const auto &a, const auto &b) {
        const int order = a.first.compare(b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.second < b.second;
    });
    for (const auto &[shown, bytes] : files) {
        auto *row = new QListWidgetItem(shown, this);
        row->setData(kPathRole, QByteArray::fromStdString(bytes));
    }
}

QString FileList::fileName() const {
    const QListWidgetItem *row = currentItem();
    return row ? row->text() : QString();
}

std::string FileList::fileBytes() const {
    const QListWidgetItem *row = currentItem();
    return row ? row->data(kPathRole).toByteArray().toStdString() : std::string();
}

void FileList::focusInEvent(QFocusEvent *event) {
    QListWidget::focusInEvent(event);
    tellCurrentItem(this);
}

void FileList::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    const bool confirm = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (confirm || key == Qt::Key_Space) {
        event->accept();
        // A key held down chooses once.
        if (event->isAutoRepeat() || !currentItem()) return;
        setCurrentRow(currentRow());  // highlighted and selected
        emit fileClicked();
        if (confirm) emit fileConfirmed();
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem()) emit fileClicked();
}

}  // namespace zentrivo
