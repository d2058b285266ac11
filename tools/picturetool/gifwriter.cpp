#include "gifwriter.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QHash>
#include <vector>

namespace zentrivo {

namespace {

// An exact palette when the picture has at most 256 colours; otherwise Qt's
// own reduction.
QImage indexed(const QImage &image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> index;
    QList<QRgb> table;
    for (int y = 0; y < rgb.height() && table.size() <= 256; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (!index.contains(line[x])) {
                index.insert(line[x], static_cast<int>(table.size()));
                table.append(line[x]);
            }
    }
    if (table.size() > 256) return rgb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) dst[x] = static_cast<uchar>(index.value(line[x]));
    }
    return out;
}

}  // namespace

bool writeGif(const QImage &image, const QString &path) {
    const QImage pic = indexed(image);
    const int colours = static_cast<int>(pic.colorCount());
    int bits = 1;
    while ((1 << bits) < colours) ++bits;
    ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
    if (!map) return false;
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < colours ? pic.color(i) : qRgb(0, 0, 0);
        map->Colors[i].Red = static_cast<GifByteType>(qRed(c));
        map->Colors[i].Green = static_cast<GifByteType>(qGreen(c));
        map->Colors[i].Blue = static_cast<GifByteType>(qBlue(c));
    }
    int error = 0;
    // Readable by everyone, like every file the game ships (giflib's own
    // open would make it 0600); set again on a file left by an earlier build.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    GifFileType *gif =
        fd >= 0 && ::fchmod(fd, 0644) == 0 ? EGifOpenFileHandle(fd, &error) : nullptr;
    if (!gif) {
        if (fd >= 0) ::close(fd);
        GifFreeMapObject(map);
        return false;
    }
    bool ok = EGifPutScreenDesc(gif, pic.width(), pic.height(), bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, pic.width(), pic.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(static_cast<size_t>(pic.width()));
    for (int y = 0; ok && y < pic.height(); ++y) {
        const uchar *src = pic.constScanLine(y);
        std::copy(src, src + pic.width(), row.begin());
        ok = EGifPutLine(gif, row.data(), pic.width()) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    GifFreeMapObject(map);
    return ok;
}

}  // namespace zentrivo
