#include "drawings.h"

#include <QPainter>
#include <QPainterPath>

#include "catalogue/catalogue.h"
#include "widgets/fonts.h"

namespace zentrivo {

namespace {

QImage canvas(int w, int h, QColor ground = Qt::white) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ground);
    return img;
}

QImage markO(QColor ground, QColor ring) {
    QImage img = canvas(23, 23, ground);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ring, 2.2));
    p.drawEllipse(QPointF(11.5, 11.5), 7.0, 7.0);
    return img;
}

}  // namespace

QImage drawX() {
    QImage img = canvas(23, 23);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 5.5), QPointF(17.5, 17.5));
    p.drawLine(QPointF(17.5, 5.5), QPointF(5.5, 17.5));
    return img;
}

QImage drawO() { return markO(Qt::white, Qt::black); }

QImage drawRedO() { return markO(Qt::white, QColor(220, 0, 0)); }

QImage drawStruckO() {
    QImage img = markO(QColor(232, 222, 248), QColor(80, 0, 110));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 0, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(19.5, 19.5));
    p.drawLine(QPointF(19.5, 3.5), QPointF(3.5, 19.5));
    return img;
}

QImage drawBlank() { return canvas(23, 23); }

QImage drawMagnifier() {
    QImage img = canvas(102, 106);
    QPainter p(&img);
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

QImage drawEraser(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // A pencil lying from the lower left to the upper right, eraser end up.
    p.translate(16, 16);
    p.rotate(-45);
    const QPen outline(Qt::black, 1.2);
    p.setPen(outline);
    p.setBrush(QColor(250, 200, 40));
    p.drawRect(QRectF(-10, -4, 14, 8));  // painted wood
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(4, -4.5, 4, 9));   // metal band
    p.setBrush(QColor(240, 130, 150));
    p.drawRoundedRect(QRectF(8, -4, 7, 8), 2, 2);  // rubber
    p.setBrush(QColor(235, 205, 160));
    QPolygonF tip;
    tip << QPointF(-10, -4) << QPointF(-16, 0) << QPointF(-10, 4);
    p.drawPolygon(tip);
    return img;
}

QImage drawHeadings(int puzzle) {
    QImage img = canvas(358, 81);
    const PuzzleRecord *r = findPuzzle(puzzle);
    if (!r || !r->authored()) return img;
    QStringList items;
    for (const std::string &a : r->content.itemsA) items << shownAmpersands(a);
    for (int i = 10; i < 15; ++i) items << shownAmpersands(r->content.rowHeadings[i]);  // D
    for (int i = 5; i < 10; ++i) items << shownAmpersands(r->content.rowHeadings[i]);   // C
    QPainter p(&img);
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
