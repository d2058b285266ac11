#include "widgets/pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QWidget>
#include <cstdio>
#include <string>
#include <utility>

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

QPixmap folderPicture(const QString &name, QSize place, const QWidget *on) {
    static PictureLoader loader(
        pictureFolders(QCoreApplication::applicationDirPath().toStdString()));
    return loader.load(name, place, wantsDouble(on));
}

namespace {

// A file larger than this is no picture of the game's; it is not read.
constexpr qint64 kLargestFile = qint64{16} * 1024 * 1024;
// Decoding stops past this many megabytes, whatever a header claimed.
constexpr int kDecodeLimitMB = 32;

// The size of the picture a file's header promises, read before any pixel
// is decoded. Qt's reader gives a GIF's first frame, but decodes the GIF's
// whole screen, whatever size the frames are: the larger of the two counts.
QSize headerSize(const QByteArray &bytes, QImageReader &reader) {
    QSize size = reader.size();
    if (bytes.startsWith("GIF8") && bytes.size() >= 10) {
        auto word = [&bytes](int at) {
            return int(uchar(bytes[at])) | int(uchar(bytes[at + 1])) << 8;
        };
        size = size.expandedTo(QSize(word(6), word(8)));
    }
    return size;
}

std::string sizeText(QSize size) {
    return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

}  // namespace

PictureLoader::PictureLoader(std::vector<std::filesystem::path> folders)
    : folders_(std::move(folders)) {
    QImageReader::setAllocationLimit(kDecodeLimitMB);
}

QPixmap PictureLoader::load(const QString &name, QSize place, bool preferDouble) {
    const std::string wanted = name.toStdString();
    bool anyFile = false;
    for (std::optional<PictureFile> file = findPicture(wanted, folders_, preferDouble); file;
         file = findPicture(wanted, folders_, preferDouble, file->next)) {
        anyFile = true;
        QPixmap picture = decode(*file, place);
        if (!picture.isNull()) return picture;
    }
    if (!anyFile && !missingReported_) {
        missingReported_ = true;
        std::fprintf(stderr, "%s\n", pictureMissingMessage(wanted, folders_).c_str());
    }
    QPixmap blank(place);
    blank.fill(Qt::white);
    return blank;
}

QPixmap PictureLoader::decode(const PictureFile &file, QSize place) {
    QFile f(QString::fromStdString(file.path.string()));
    if (!f.open(QIODevice::ReadOnly)) {
        refuse(file, "cannot be opened");
        return {};
    }
    if (f.size() > kLargestFile) {
        refuse(file,
               "is larger than any picture of the game (" + std::to_string(f.size()) + " bytes)");
        return {};
    }
    QByteArray bytes = f.readAll();
    f.close();
    Decoded &last = last_[file.path];
    if (!last.bytes.isNull() && last.bytes == bytes) return last.picture;

    last = Decoded{bytes, QPixmap()};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const int times = file.isDouble ? 8 : 4;
    const QSize most = place * times;
    const QSize size = headerSize(bytes, reader);
    if (size.isValid() && (size.width() > most.width() || size.height() > most.height())) {
        refuse(file, "is " + sizeText(size) + " pixels, more than " + std::to_string(times) +
                         " times its place (at most " + sizeText(most) + ")");
        return {};
    }
    QImage image;
    if (!reader.read(&image) || image.width() > most.width() || image.height() > most.height()) {
        refuse(file, "cannot be read as a picture of at most " + sizeText(most) + " pixels");
        return {};
    }
    image.setDevicePixelRatio(file.isDouble ? 2 : 1);
    last.picture = QPixmap::fromImage(std::move(image));
    return last.picture;
}

void PictureLoader::refuse(const PictureFile &file, const std::string &why) {
    if (refused_.insert(file.path).second)
        std::fprintf(stderr, "%s\n", pictureRefusedMessage(file.path, why).c_str());
}

}  // namespace zentrivo
