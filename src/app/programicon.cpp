#include "app/programicon.h"

#include <QIconEngine>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <iterator>

namespace zentrivo {

namespace {

// The sizes drawn into the program, and those its windows offer.
constexpr int kDrawn[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kOffered[] = {16, 22, 24, 32, 48, 64};

class ProgramIconEngine : public QIconEngine {
public:
    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("zentrivo"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int s : kOffered) sizes << QSize(s, s);
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kDrawn[std::size(kDrawn) - 1]});
        return QSize(side, side);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0) return QPixmap();
        // The smallest drawing at least as large, else the largest.
        int drawn = kDrawn[std::size(kDrawn) - 1];
        for (int s : kDrawn)
            if (s >= side) {
                drawn = s;
                break;
            }
        QPixmap &picture = decoded_[drawn];
        if (picture.isNull()) picture.load(QStringLiteral(":/pictures/zentrivo-%1.png").arg(drawn));
        return drawn == side
                   ? picture
                   : picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    QMap<int, QPixmap> decoded_;
};

}  // namespace

QIcon programIcon() { return QIcon(new ProgramIconEngine); }

}  // namespace zentrivo
