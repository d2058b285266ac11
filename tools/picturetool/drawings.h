// The game's pictures, drawn with QPainter.
#pragma once

#include <QImage>
#include <QString>

namespace zentrivo {

QImage drawX();              // 23 x 23, black X on white
QImage drawO();              // 23 x 23, black O on white
QImage drawRedO();           // 23 x 23, red O on white
QImage drawStruckO();        // 23 x 23, dark purple O crossed by a red X on pale lavender
QImage drawBlank();          // 23 x 23, white
QImage drawMagnifier();      // 102 x 106, a magnifying glass
QImage drawEraser(int size); // the pencil-eraser icon, 32 or 16 pixels square
QImage drawHeadings(int puzzle);  // 358 x 81, the fifteen column headings
QImage drawExample(int number);   // worked examples: 1 and 2 at 380 x 180, 3 at 325 x 114
QImage drawIcon(int size);        // the program's icon
bool writeIconSvg(const QString &path);  // the same icon, scalable

}  // namespace zentrivo
