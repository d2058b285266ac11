#include "widgets/pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QWidget>
#include <cstdio>

#include "core/picturesearch.h"

namespace zentrivo {

namespace {

bool wantsDouble(const QWidget *on) { return on && on->devicePixelRatioF() > 1.0; }

QString doubleName(const QString &name) {
    return QString::fromStdString(doubleSizeName(name.toStdString()));
}

}  // namespace

QPixmap builtInPicture(const QString &name, const QWidget *on) {
    const QString prefix = QStringLiteral(":/pictures/");
    if (wantsDouble(on) && QFile::exists(prefix + doubleName(name))) {
        QPixmap picture(prefix + doubleName(name));
        picture.setDevicePixelRatio(2);
        return picture;
    }
    return QPixmap(prefix + name);
}

QPixmap folderPicture(const QString &name, QSize fallback, const QWidget *on) {
    static const std::vector<std::filesystem::path> folders =
        pictureFolders(QCoreApplication::applicationDirPath().toStdString());
    const std::optional<PictureFile> file =
        findPicture(name.toStdString(), folders, wantsDouble(on));
    QImage image;
    // QImage::load reads the file each time; QPixmap::load would answer from
    // its cache without reading.
    if (file && image.load(QString::fromStdString(file->path.string()))) {
        image.setDevicePixelRatio(file->isDouble ? 2 : 1);
        return QPixmap::fromImage(image);
    }
    static bool reported = false;
    if (!file && !reported) {
        reported = true;
        std::fprintf(stderr, "%s\n", pictureMissingMessage(name.toStdString(), folders).c_str());
    }
    QPixmap blank(fallback);
    blank.fill(Qt::white);
    return blank;
}

}  // namespace zentrivo
