#include "widgets/pictures.h"

#include <QImage>

namespace zentrivo {

QPixmap builtInPicture(const QString &name) {
    return QPixmap(QStringLiteral(":/pictures/") + name);
}

QPixmap folderPicture(const QString &name, QSize fallback) {
    QImage image;
    // QImage::load reads the file each time; QPixmap::load would answer from
    // its cache without reading.
    if (image.load(QStringLiteral("QRX-Images/") + name)) return QPixmap::fromImage(image);
    QPixmap blank(fallback);
    blank.fill(Qt::white);
    return blank;
}

}  // namespace zentrivo
