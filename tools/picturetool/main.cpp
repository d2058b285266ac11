// Draws every picture of the game.
//   picturetool RESOURCE_DIR IMAGES_DIR
// RESOURCE_DIR receives the pictures compiled into the program; IMAGES_DIR
// is the QRX-Images folder laid beside it.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

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
    auto gif = [&](const QImage &img, const QString &path) {
        if (!writeGif(img, path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok = false;
        }
    };
    gif(drawX(), res.filePath("x.gif"));
    gif(drawO(), res.filePath("o.gif"));
    gif(drawRedO(), res.filePath("redo.gif"));
    gif(drawStruckO(), res.filePath("purpleo.gif"));
    ok = drawEraser(32).save(res.filePath("eraser32.png")) && ok;
    ok = drawEraser(16).save(res.filePath("eraser16.png")) && ok;
    for (int n = 1; n <= 3; ++n) gif(drawExample(n), res.filePath(QStringLiteral("example%1.gif").arg(n)));
    ok = drawIcon(48).save(res.filePath("zentrivo-48.png")) && ok;
    ok = writeIconSvg(res.filePath("zentrivo.svg")) && ok;
    gif(drawBlank(), images.filePath("blank.gif"));
    gif(drawMagnifier(), images.filePath("magglass.gif"));
    for (int n = 1; n <= 25; ++n)
        gif(drawHeadings(n), images.filePath(QStringLiteral("Puz%1.gif").arg(n, 2, 10, QLatin1Char('0'))));
    return ok ? 0 : 1;
}
