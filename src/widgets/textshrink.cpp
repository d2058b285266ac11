#include "widgets/textshrink.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QTextDocument>
#include <QTextLayout>

#include <utility>

#include "widgets/buttons.h"

namespace zentrivo {

namespace {

// The font each fitted widget was given, and the one it was last fitted to.
const char *const kGivenFont = "zentrivoGivenFont";
const char *const kFittedFont = "zentrivoFittedFont";
constexpr int kSmallestPixels = 6;

bool fitsBox(const QFont &font, const QRect &box, int flags, const QString &text) {
    if (text.isEmpty() || box.isEmpty()) return true;
    const QRect needed = QFontMetrics(font).boundingRect(box, flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

// Whether the lines of a label's text, laid out as the label lays them out,
// stay clear of the controls above it (a button over a corner of the story).
bool clearOfControlsAbove(const QLabel *label, const QFont &font, const QRect &box, int flags,
                          QString text) {
    const QWidget *parent = label->parentWidget();
    if (!parent) return true;
    QList<QRect> above;
    bool past = false;
    for (const QObject *o : parent->children()) {
        if (o == label) past = true;
        const auto *w = qobject_cast<const QWidget *>(o);
        if (!past || !w || w == label || !w->isVisibleTo(parent)) continue;
        if (w->geometry().intersects(label->geometry()))
            above << w->geometry().translated(-label->pos());
    }
    if (above.isEmpty()) return true;
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode((flags & Qt::TextWordWrap) ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    const qreal leading = qMax(0, QFontMetrics(font).leading());
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        if (y > 0) y += leading;
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qreal width = line.naturalTextWidth();
        qreal x = box.left();
        if (flags & Qt::AlignRight) x = box.right() + 1 - width;
        if (flags & Qt::AlignHCenter) x = box.left() + (box.width() - width) / 2;
        const QRectF drawn(x, box.top() + line.y(), width, line.height());
        for (const QRect &r : above)
            if (drawn.intersects(r)) return false;
    }
    return true;
}

QFont smaller(const QFont &font) {
    QFont f = font;
    if (f.pixelSize() > 0)
        f.setPixelSize(f.pixelSize() - 1);
    else
        f.setPointSizeF(f.pointSizeF() - 0.5);
    return f;
}

bool tooSmall(const QFont &font) {
    return font.pixelSize() > 0 ? font.pixelSize() <= kSmallestPixels
                                : font.pointSizeF() <= kSmallestPixels * 0.75;
}

void fit(QWidget *w) {
    const QVariant fitted = w->property(kFittedFont);
    // A font set by the window itself since the last fit is the given one.
    if (!fitted.isValid() || fitted.value<QFont>() != w->font())
        w->setProperty(kGivenFont, w->font());
    const QFont given = w->property(kGivenFont).value<QFont>();
    QFont font = given;
    while (!textFits(w, font) && !tooSmall(font)) font = smaller(font);
    w->setProperty(kFittedFont, font);
    if (w->font() != font) w->setFont(font);
}

// Fits the labels and buttons drawn in a face other than their font's.
class Fitter : public QObject {
public:
    Fitter(QObject *parent, std::function<void()> firstMissing)
        : QObject(parent), firstMissing_(std::move(firstMissing)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint &&
            (qobject_cast<QLabel *>(watched) || qobject_cast<CaptionButton *>(watched))) {
            auto *w = static_cast<QWidget *>(watched);
            if (missing(w->font())) fit(w);
        }
        return false;
    }

private:
    // Asked once a family: the face the widget is about to draw with is
    // loaded by then, so asking costs nothing more.
    bool missing(const QFont &font) {
        const QString family = font.family();
        auto known = missing_.constFind(family);
        if (known == missing_.constEnd()) {
            const bool lacking = QFontInfo(font).family().compare(family, Qt::CaseInsensitive) != 0;
            known = missing_.insert(family, lacking);
            if (lacking && firstMissing_) std::exchange(firstMissing_, {})();
        }
        return *known;
    }

    QHash<QString, bool> missing_;
    std::function<void()> firstMissing_;
};

}  // namespace

bool textFits(const QWidget *widget, const QFont &font) {
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        const QString text = label->text();
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (rich || text.isEmpty()) return true;
        int flags = static_cast<int>(label->alignment());
        if (label->wordWrap()) flags |= Qt::TextWordWrap;
        if (label->buddy()) flags |= Qt::TextShowMnemonic;
        // The room QLabel gives its text: inside the frame, the margin and the indent.
        QRect box = label->contentsRect();
        const int indent = label->indent() < 0
                               ? (label->frameWidth() > 0
                                      ? QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) / 2
                                      : 0)
                               : label->indent();
        box.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (label->alignment() & Qt::AlignLeft) box.setLeft(box.left() + indent);
        if (label->alignment() & Qt::AlignRight) box.setRight(box.right() - indent);
        return fitsBox(font, box, flags, text) &&
               clearOfControlsAbove(label, font, box, flags, text);
    }
    if (const auto *button = qobject_cast<const CaptionButton *>(widget))
        return fitsBox(font, CaptionButton::captionArea(button->rect()),
                       Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap, button->text());
    return true;
}

void shrinkTextsToFit(std::function<void()> firstMissing) {
    static QPointer<Fitter> fitter;
    if (fitter) return;
    fitter = new Fitter(qApp, std::move(firstMissing));
    qApp->installEventFilter(fitter);
}

}  // namespace zentrivo
