// Draws every picture of the game.
//   picturetool RESOURCE_DIR IMAGES_DIR
// RESOURCE_DIR receives the pictures compiled into the program and the
// program's icons; IMAGES_DIR is the QRX-Images folder laid beside it. Each
// picture of the game is drawn twice: "name.gif", and "name@2x.gif" at twice
// the size for screens of twice the density.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

#include "drawings.h"
#include "gifwriter.h"

using namespace zentrivo;

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: picturetool RESOURCE_DIR IMAGES_DIR\n");
        return 2;
    }
    const QDir res(QString::fromLocal8Bit(argv[1]));
    const QDir images(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(res.path()) || !QDir().mkpath(images.path())) return 1;
    bool ok = true;
    auto save = [&](const QImage &img, const QString &path) {
        const bool written =
            path.endsWith(QLatin1String(".gif")) ? writeGif(img, path) : img.save(path);
        if (!written) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    };
    // "base.ext" at single size and "base@2x.ext" at double size.
    auto both = [&](const QDir &dir, const QString &base, const QString &ext,
                    const std::function<QImage(int)> &draw) {
        save(draw(1), dir.filePath(base + ext));
        save(draw(2), dir.filePath(base + QStringLiteral("@2x") + ext));
    };
    const QString gif = QStringLiteral(".gif"), png = QStringLiteral(".png");
    both(res, QStringLiteral("x"), gif, drawX);
    both(res, QStringLiteral("o"), gif, drawO);
    both(res, QStringLiteral("redo"), gif, drawRedO);
    both(res, QStringLiteral("purpleo"), gif, drawStruckO);
    for (int size : {32, 16})
        both(res, QStringLiteral("eraser%1").arg(size), png,
             [size](int s) { return drawEraser(size, s); });
    for (int n = 1; n <= 3; ++n)
        both(res, QStringLiteral("example%1").arg(n), gif,
             [n](int s) { return drawExample(n, s); });
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        save(drawIcon(size), res.filePath(QStringLiteral("zentrivo-%1.png").arg(size)));
    ok = writeIconSvg(res.filePath("zentrivo.svg")) && ok;
    both(images, QStringLiteral("blank"), gif, drawBlank);
    both(images, QStringLiteral("magglass"), gif, drawMagnifier);
    for (int n = 1; n <= 25; ++n)
        both(images, QStringLiteral("Puz%1").arg(n, 2, 10, QLatin1Char('0')), gif,
             [n](int s) { return drawHeadings(n, s); });
    return ok ? 0 : 1;
}
