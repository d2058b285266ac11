// The worked-example pictures of the instructions, drawn from the example
// that the instruction text walks through. Examples 1 and 2 leave their top
// left corner free and example 3 its lower right corner, where the examples
// window lays the caption labels over them.
#include <QFontMetrics>
#include <QPainter>

#include "core/workedexample.h"
#include "drawings.h"

namespace zentrivo {

namespace {

using namespace worked;

QFont monoFont(int pixels, bool bold = false, bool underline = false) {
    QFont f(QStringLiteral("Liberation Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

// Examples 1 and 2: the people down the left, the ways of coming into money
// across the top, and the marks of the grid.
QImage drawMarks(const Grid &grid, int scale) {
    QImage img(380 * scale, 180 * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    constexpr int left = 84, top = 44, cellWidth = 72, cellHeight = 30;
    const QColor ink(0, 0, 0);

    p.setPen(ink);
    p.setFont(monoFont(12, true));
    for (int m = 0; m < kSize; ++m)
        p.drawText(QRect(left + m * cellWidth, top - 24, cellWidth, 20), Qt::AlignCenter,
                   QString::fromLatin1(kMethods[m]));
    for (int person = 0; person < kSize; ++person)
        p.drawText(QRect(8, top + person * cellHeight, left - 16, cellHeight),
                   Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(kPeople[person]));

    for (int i = 0; i <= kSize; ++i) {
        p.drawLine(left + i * cellWidth, top, left + i * cellWidth, top + kSize * cellHeight);
        p.drawLine(left, top + i * cellHeight, left + kSize * cellWidth, top + i * cellHeight);
    }

    p.setFont(monoFont(20, true));
    for (int person = 0; person < kSize; ++person)
        for (int m = 0; m < kSize; ++m) {
            const Mark mark = grid[person][m];
            if (mark == Mark::Blank) continue;
            p.drawText(
                QRect(left + m * cellWidth, top + person * cellHeight, cellWidth, cellHeight),
                Qt::AlignCenter, QString(QChar::fromLatin1(static_cast<char>(mark))));
        }
    return img;
}

// Example 3: the notes in a fill-in grid, with the names down the left and
// the two ways of coming into money found so far.
QImage drawNotes(int scale) {
    QImage img(325 * scale, 114 * scale, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    constexpr int columnLeft[kSize] = {4, 67, 158, 242};
    constexpr int columnWidth[kSize] = {56, 84, 77, 77};
    constexpr int headingTop = 1, boxTop = 20, boxHeight = 17;

    p.setFont(monoFont(12, true, true));
    p.setPen(QColor(0, 0, 255));
    for (int c = 0; c < kSize; ++c)
        p.drawText(QRect(columnLeft[c], headingTop, columnWidth[c], boxHeight),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(kNoteHeadings[c]));

    Grid known = afterDeduction();
    p.setFont(monoFont(12));
    for (int person = 0; person < kSize; ++person) {
        const int y = boxTop + person * boxHeight;
        QString method;
        for (int m = 0; m < kSize; ++m)
            if (known[person][m] == Mark::O) method = QString::fromLatin1(kMethods[m]);
        const QString texts[kSize] = {QString::fromLatin1(kPeople[person]), method, {}, {}};
        for (int c = 0; c < kSize; ++c) {
            const QRect box(columnLeft[c], y, columnWidth[c], boxHeight);
            p.setPen(QColor(128, 128, 128));
            p.drawRect(box.adjusted(0, 0, -1, -1));
            p.setPen(QColor(0, 0, 0));
            p.drawText(box.adjusted(3, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, texts[c]);
        }
    }
    return img;
}

}  // namespace

QImage drawExample(int number, int scale) {
    switch (number) {
        case 1:
            return drawMarks(afterClues(), scale);
        case 2:
            return drawMarks(afterDeduction(), scale);
        default:
            return drawNotes(scale);
    }
}

}  // namespace zentrivo
