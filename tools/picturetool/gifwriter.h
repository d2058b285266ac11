// Writes a QImage as a GIF file with giflib (Qt reads GIF but cannot write it).
#pragma once

#include <QImage>
#include <QString>

namespace zentrivo {

// Converts to at most 256 colours (exactly, when the picture has no more)
// and writes a single-frame GIF. Returns false when the file cannot be written.
bool writeGif(const QImage &image, const QString &path);

}  // namespace zentrivo
