#include "drawings.h"

#include <QPainter>
#include <QPainterPath>

#include "catalogue/catalogue.h"
#include "widgets/fonts.h"

namespace zentrivo {

namespace {

// A picture of w x h pixels at `scale` times the size; a painter on it draws
// in the single-size coordinates.
QImage canvas(int w, int h, int scale, QColor ground = Qt::white) {
    QImage img(w * scale, h * scale, QImage::Format_RGB32);
    img.fill(ground);
    return img;
}

QImage markO(QColor ground, QColor ring, int scale) {
    QImage img = canvas(23, 23, scale, ground);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ring, 2.2));
    p.drawEllipse(QPointF(11.5, 11.5), 7.0, 7.0);
    return img;
}

}  // namespace

QImage drawX(int scale) {
    QImage img = canvas(23, 23, scale);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 5.5), QPointF(17.5, 17.5));
    p.drawLine(QPointF(17.5, 5.5), QPointF(5.5, 17.5));
    return img;
}

QImage drawO(int scale) { return markO(Qt::white, Qt::black, scale); }

QImage drawRedO(int scale) { return markO(Qt::white, QColor(220, 0, 0), scale); }

QImage drawStruckO(int scale) {
    QImage img = markO(QColor(232, 222, 248), QColor(80, 0, 110), scale);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 0, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(19.5, 19.5));
    p.drawLine(QPointF(19.5, 3.5), QPointF(3.5, 19.5));
    return img;
}

QImage drawBlank(int scale) { return canvas(23, 23, scale); }

QImage drawMagnifier(int scale) {
    QImage img = canvas(102, 106, scale);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    // Handle, drawn first so the rim covers its end.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 60, 20));
    QPainterPath handle;
    handle.moveTo(60, 66);
    handle.lineTo(68, 58);
    handle.lineTo(98, 92);
    handle.quadTo(99, 101, 90, 100);
    handle.closeSubpath();
    p.drawPath(handle);
    // Lens: pale glass with a highlight.
    p.setBrush(QColor(200, 228, 255));
    p.setPen(QPen(QColor(40, 40, 40), 7));
    p.drawEllipse(QPointF(40, 40), 32, 32);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(18, 18, 44, 44), 100 * 16, 70 * 16);
    return img;
}

QImage drawEraser(int size, int scale) {
    QImage img(size * scale, size * scale, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size * scale / 32.0, size * scale / 32.0);
    // A pencil lying from the lower left to the upper right, eraser end up.
    p.translate(16, 16);
    p.rotate(-45);
    const QPen outline(Qt::black, 1.2);
    p.setPen(outline);
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(-10, -4, 14, 8));  // painted wood
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(4, -4.5, 4, 9));  // metal band
    p.setBrush(QColor(240, 130, 150));
    p.drawRoundedRect(QRectF(8, -4, 7, 8), 2, 2);  // rubber
    p.setBrush(QColor(235, 205, 160));
    QPolygonF tip;
    tip << QPointF(-10, -4) << QPointF(-16, 0) << QPointF(-10, 4);
    p.drawPolygon(tip);
    return img;
}

QImage drawHeadings(int puzzle, int scale) {
    QImage img = canvas(358, 81, scale);
    const PuzzleRecord *r = findPuzzle(puzzle);
    if (!r || !r->authored()) return img;
    QStringList items;
    for (const std::string &a : r->content.itemsA) items << shownAmpersands(a);
    for (int i = 10; i < 15; ++i) items << shownAmpersands(r->content.rowHeadings[i]);  // D
    for (int i = 5; i < 10; ++i) items << shownAmpersands(r->content.rowHeadings[i]);   // C
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    p.setFont(headingPictureFont());
    const QFontMetrics fm(headingPictureFont());
    for (int col = 0; col < 15; ++col) {
        const QString &text = items[col];
        // Read from bottom to top, centred on the column's 24-pixel strip,
        // starting just above the grid.
        p.save();
        p.translate(24 * col + 12 + (fm.ascent() - fm.descent()) / 2.0, 78);
        p.rotate(-90);
        p.drawText(QPointF(0, 0), text);
        p.restore();
    }
    return img;
}

}  // namespace zentrivo
