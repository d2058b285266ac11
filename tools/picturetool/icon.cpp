#include <QFile>
#include <QPainter>

#include "drawings.h"

namespace zentrivo {

namespace {
// The icon: a 3 x 3 corner of the board with an O, two X's and blue lines.
const int kCells = 3;
}  // namespace

QImage drawIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 4, 4);
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 3, 42, 42), 4, 4);
    for (int i = 1; i < kCells; ++i) {
        p.drawLine(QPointF(3 + 14 * i, 3), QPointF(3 + 14 * i, 45));
        p.drawLine(QPointF(3, 3 + 14 * i), QPointF(45, 3 + 14 * i));
    }
    p.setPen(QPen(QColor(200, 0, 0), 2.5));
    p.drawEllipse(QPointF(10, 10), 4.5, 4.5);
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap));
    for (QPointF c : {QPointF(24, 10), QPointF(10, 24), QPointF(38, 38)}) {
        p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
        p.drawLine(c + QPointF(4, -4), c + QPointF(-4, 4));
    }
    return img;
}

bool writeIconSvg(const QString &path) {
    QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" viewBox=\"0 0 48 48\">\n"
        "  <rect x=\"3\" y=\"3\" width=\"42\" height=\"42\" rx=\"4\" fill=\"#ffffff\" stroke=\"#0000ff\" "
        "stroke-width=\"2\"/>\n");
    for (int i = 1; i < kCells; ++i) {
        const int at = 3 + 14 * i;
        svg += QStringLiteral("  <line x1=\"%1\" y1=\"3\" x2=\"%1\" y2=\"45\" stroke=\"#0000ff\" stroke-width=\"2\"/>\n").arg(at);
        svg += QStringLiteral("  <line x1=\"3\" y1=\"%1\" x2=\"45\" y2=\"%1\" stroke=\"#0000ff\" stroke-width=\"2\"/>\n").arg(at);
    }
    svg += QStringLiteral("  <circle cx=\"10\" cy=\"10\" r=\"4.5\" fill=\"none\" stroke=\"#c80000\" stroke-width=\"2.5\"/>\n");
    for (auto c : {QPoint(24, 10), QPoint(10, 24), QPoint(38, 38)})
        svg += QStringLiteral(
                   "  <path d=\"M%1 %2 L%3 %4 M%3 %2 L%1 %4\" stroke=\"#000000\" stroke-width=\"2.5\" "
                   "stroke-linecap=\"round\"/>\n")
                   .arg(c.x() - 4)
                   .arg(c.y() - 4)
                   .arg(c.x() + 4)
                   .arg(c.y() + 4);
    svg += QStringLiteral("</svg>\n");
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(svg.toUtf8()) == svg.toUtf8().size();
}

}  // namespace zentrivo
