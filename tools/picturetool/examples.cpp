#include <QPainter>

#include "drawings.h"
#include "widgets/fonts.h"

namespace zentrivo {

QImage drawExample(int number) {
    QImage img(number == 3 ? QSize(325, 114) : QSize(380, 180), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(sansFont(12));
    p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("Example %1").arg(number));
    return img;
}

}  // namespace zentrivo
