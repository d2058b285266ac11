#include "board/cluetext.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "board/clueaccessible.h"
#include "widgets/accessibility.h"
#include "widgets/focusframe.h"
#include "widgets/palette.h"

namespace zentrivo {

namespace {

// A crossed clue's text and its lines: 3.9:1 against white, still legible.
const QColor kCrossedGrey(128, 128, 128);
// The bar beside a clue a hint rests on (in the hint's colour) lies in the
// white gap between the clues' frame line and the text.
constexpr int kHintBarGap = 6, kHintBarWidth = 4;

// Lines of blanks only end a clue like empty ones.
bool isBlank(const QString &line) { return line.trimmed().isEmpty(); }

}  // namespace

// The bars beside hinted clues. The label's text starts at its left edge, so
// the bars are drawn by this strip beside it, on the window, where nothing
// else is drawn; it is hidden while no clue is hinted at.
class ClueHintBar : public QWidget {
public:
    ClueHintBar(ClueText *text, QWidget *parent) : QWidget(parent), text_(text) {
        setObjectName(QStringLiteral("LblCluesHints"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hideFromScreenReaders(this, QAccessible::Pane);
        hide();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        if (!text_) return;
        QPainter p(this);
        for (int number : text_->hints_) {
            const QRect band = text_->clueRect(number);
            if (band.isValid())
                p.fillRect(QRect(0, band.top(), width(), band.height()), kHintColour);
        }
    }

private:
    QPointer<ClueText> text_;  // the window may destroy the label first
};

ClueText::ClueText(QWidget *parent) : QLabel(parent) {
    // First: Qt fixes how a widget is described when it first announces a change.
    installClueAccessibility();
    setFocusPolicy(Qt::TabFocus);
    if (parent) hintBar_ = new ClueHintBar(this, parent);
}

void ClueText::freshStart() {
    // A new text brings its clues back by itself; the same text is brought
    // back clue by clue, and told. Nothing is measured: a load stays quick.
    if (text() == parsedText_)
        for (int n = 1; n <= int(crossed_.size()); ++n) setCrossedOff(n, false);
    current_ = 0;
    setHintClues({});
    if (hasFocus()) update();
    tellFocus();
}

int ClueText::clueCount() const {
    parse();
    return int(clues_.size());
}

int ClueText::clueAt(QPoint point) const {
    measure();
    if (!rect().contains(point)) return 0;
    for (const Line &line : lines_)
        if (point.y() >= line.top && point.y() < line.bottom) return line.clue + 1;
    return 0;
}

QString ClueText::clueText(int number) const {
    if (number < 1 || number > clueCount()) return QString();
    const Clue &clue = clues_[number - 1];
    const QStringList lines = text().split(QLatin1Char('\n'));
    QStringList words;
    for (int i = clue.first; i <= clue.last; ++i)
        if (const QString w = lines[i].mid(i == clue.first ? 1 : 0).trimmed(); !w.isEmpty())
            words << w;
    return words.join(QLatin1Char(' '));
}

QRect ClueText::clueRect(int number) const {
    if (number < 1 || number > clueCount()) return QRect();
    measure();
    const Clue &clue = clues_[number - 1];
    const int top = lines_[clue.first].top;
    return QRect(0, top, width(), lines_[clue.last].bottom - top);
}

bool ClueText::isCrossedOff(int number) const {
    return number >= 1 && number <= clueCount() && crossed_[number - 1];
}

void ClueText::setCrossedOff(int number, bool crossed) {
    if (number < 1 || number > clueCount() || crossed_[number - 1] == crossed) return;
    crossed_[number - 1] = crossed;
    update(clueRect(number));
    tellCrossed(number);
    emit crossedOffChanged(number, crossed);
}

void ClueText::toggleCrossedOff(int number) {
    if (number < 1 || number > clueCount()) return;
    setCrossedOff(number, !isCrossedOff(number));
    // Screen readers of this time do not speak a list item's new checked
    // state; the change is said in words.
    if (QAccessible::isActive())
        announce(this, (isCrossedOff(number) ? QStringLiteral("Clue %1 crossed off")
                                             : QStringLiteral("Clue %1 brought back"))
                           .arg(number));
}

int ClueText::currentClue() const { return clueCount() ? current_ + 1 : 0; }

void ClueText::setCurrentClue(int number) {
    if (!clueCount()) return;
    number = qBound(1, number, clueCount());
    if (number == currentClue()) return;
    current_ = number - 1;
    if (hasFocus()) update();
    tellFocus();
}

void ClueText::setHintClues(const QList<int> &numbers) {
    if (numbers == hints_) return;
    hints_ = numbers;
    if (!hintBar_) return;
    hintBar_->setVisible(!hints_.isEmpty());
    hintBar_->update();
}

QRect ClueText::layoutRect() const {
    const int m = margin(), in = qMax(indent(), 0);
    return contentsRect().adjusted(m + in, m, -m, -m);
}

int ClueText::textFlags() const { return int(alignment()) | Qt::TextForceLeftToRight; }

// A clue is its "*" line and the lines after it up to an empty line or the
// next clue. A new text starts with every clue back and the frame on the
// first.
void ClueText::parse() const {
    const QString shown = text();
    if (shown == parsedText_) return;
    parsedText_ = shown;
    measuredFont_.clear();
    lines_.clear();
    clues_.clear();
    int open = -1;
    const QStringList lines = shown.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString &s = lines[i];
        if (s.startsWith(QLatin1Char('*'))) {
            clues_.append({i, i});
            open = int(clues_.size()) - 1;
        } else if (isBlank(s)) {
            open = -1;
        }
        if (open >= 0) clues_[open].last = i;
        Line line;
        line.clue = open;
        lines_.append(line);
    }
    crossed_ = QList<bool>(clues_.size(), false);
    current_ = 0;
}

// Where the label's own layout puts each line, in its font of the moment.
// Each line's band ends where the layout of the text up to and including it
// ends (an empty line measured as a blank, of equal height); when every
// line is as high as the first, three layouts of the text give them all.
void ClueText::measure() const {
    parse();
    const QString fontKey = font().key();
    const QRect area = layoutRect();
    if (fontKey == measuredFont_ && area == measuredRect_) return;
    measuredFont_ = fontKey;
    measuredRect_ = area;

    QStringList lines = parsedText_.split(QLatin1Char('\n'));
    const QFontMetrics fm(font(), const_cast<ClueText *>(this));
    const int flags = textFlags();
    auto height = [&](int count) {
        QStringList upTo = lines.mid(0, count);
        if (upTo.last().isEmpty()) upTo.last() = QStringLiteral(" ");
        return fm.boundingRect(area, flags, upTo.join(QLatin1Char('\n'))).height();
    };
    const int n = int(lines.size());
    const int first = height(1),
              lineHeight = fm.boundingRect(area, flags, QStringLiteral(" ")).height();
    const int pitch = n > 1 ? height(2) - first : lineHeight;
    const bool even = n < 3 || height(n) == first + (n - 1) * pitch;
    int top = area.top();
    for (int i = 0; i < n; ++i) {
        const QString &s = lines[i];
        Line &line = lines_[i];
        line.top = top;
        line.bottom = qMax(top, area.top() + (even ? first + i * pitch : height(i + 1)));
        line.textTop = line.bottom - lineHeight;
        int blanks = 0;
        while (blanks < s.size() && s[blanks].isSpace()) ++blanks;
        line.left = area.left() + fm.horizontalAdvance(s.left(blanks));
        line.right = area.left() + fm.horizontalAdvance(s);
        top = line.bottom;
    }
}

void ClueText::paintEvent(QPaintEvent *event) {
    QLabel::paintEvent(event);
    if (!hasFocus() && !crossed_.contains(true)) return;
    measure();
    QPainter p(this);
    QRegion crossed;
    for (int n = 1; n <= clueCount(); ++n)
        if (crossed_[n - 1]) crossed += clueRect(n);
    if (!crossed.isEmpty()) {
        // The label's own text again, in grey, only over the crossed clues.
        p.save();
        p.setClipRegion(crossed);
        p.fillRect(rect(), palette().brush(backgroundRole()));
        p.setFont(font());
        p.setPen(kCrossedGrey);
        p.drawText(layoutRect(), textFlags(), text());
        // Through the middle of the small letters.
        const QFontMetricsF fm(font(), this);
        const int lift = qRound(fm.ascent() - fm.xHeight() / 2);
        for (const Line &line : lines_)
            if (line.clue >= 0 && crossed_[line.clue] && line.right > line.left)
                p.drawLine(line.left, line.textTop + lift, line.right - 1, line.textTop + lift);
        p.restore();
    }
    if (hasFocus()) {
        const QRect frame = currentClue() ? clueRect(currentClue()) & rect() : rect();
        drawFocusFrame(p, frame);
    }
}

void ClueText::mousePressEvent(QMouseEvent *event) {
    pressed_ = event->button() == Qt::LeftButton ? clueAt(event->position().toPoint()) : 0;
    if (pressed_)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void ClueText::mouseReleaseEvent(QMouseEvent *event) {
    const int clue = event->button() == Qt::LeftButton ? clueAt(event->position().toPoint()) : 0;
    if (clue && clue == pressed_) {
        // The frame follows, unseen until the keyboard brings the focus here.
        setCurrentClue(clue);
        toggleCrossedOff(clue);
        event->accept();
    } else {
        QLabel::mouseReleaseEvent(event);
    }
    pressed_ = 0;
}

void ClueText::keyPressEvent(QKeyEvent *event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == 0;
    if (!plain || !clueCount()) return QLabel::keyPressEvent(event);
    switch (event->key()) {
        case Qt::Key_Up:
            return setCurrentClue(currentClue() - 1);
        case Qt::Key_Down:
            return setCurrentClue(currentClue() + 1);
        case Qt::Key_Home:
            return setCurrentClue(1);
        case Qt::Key_End:
            return setCurrentClue(clueCount());
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A key held down acts once.
            if (!event->isAutoRepeat()) toggleCrossedOff(currentClue());
            return;
        default:
            QLabel::keyPressEvent(event);
    }
}

void ClueText::focusInEvent(QFocusEvent *event) {
    QLabel::focusInEvent(event);
    update();
    // After Qt has told of the label's own focus, which it does once this
    // event is handled: the screen reader then lands on the framed clue.
    QTimer::singleShot(0, this, &ClueText::tellFocus);
}

void ClueText::focusOutEvent(QFocusEvent *event) {
    QLabel::focusOutEvent(event);
    update();
}

void ClueText::moveEvent(QMoveEvent *event) {
    QLabel::moveEvent(event);
    placeHintBar();
}

void ClueText::resizeEvent(QResizeEvent *event) {
    QLabel::resizeEvent(event);
    placeHintBar();
}

void ClueText::changeEvent(QEvent *event) {
    QLabel::changeEvent(event);
    if (hintBar_ && event->type() == QEvent::FontChange) hintBar_->update();
}

void ClueText::placeHintBar() {
    if (hintBar_) hintBar_->setGeometry(x() - kHintBarGap, y(), kHintBarWidth, height());
}

void ClueText::tellFocus() {
    if (!QAccessible::isActive() || !hasFocus()) return;
    if (QAccessibleInterface *item = clueItemInterface(this, currentClue())) {
        QAccessibleEvent event(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void ClueText::tellCrossed(int number) {
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface *item = clueItemInterface(this, number)) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent state(item, changed);
        QAccessible::updateAccessibility(&state);
    }
}

}  // namespace zentrivo
