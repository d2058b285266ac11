// The game's pictures, drawn with QPainter.
#pragma once

#include <QImage>
#include <QString>

namespace zentrivo {

// Each picture is drawn at `scale` times the size given (1, or 2 for screens
// of twice the density).
QImage drawX(int scale);          // 23 x 23, black X on white
QImage drawO(int scale);          // 23 x 23, black O on white
QImage drawRedO(int scale);       // 23 x 23, red O on white
QImage drawStruckO(int scale);    // 23 x 23, dark purple O crossed by a red X on pale lavender
QImage drawBlank(int scale);      // 23 x 23, white
QImage drawMagnifier(int scale);  // 102 x 106, a magnifying glass
QImage drawEraser(int size, int scale);      // the pencil-eraser icon, 32 or 16 pixels square
QImage drawHeadings(int puzzle, int scale);  // 358 x 81, the fifteen column headings
QImage drawExample(int number, int scale);  // worked examples: 1 and 2 at 380 x 180, 3 at 325 x 114
QImage drawIcon(int size);                  // the program's icon
bool writeIconSvg(const QString &path);     // the same icon, scalable

}  // namespace zentrivo
