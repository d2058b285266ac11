#include "board/cluetext.h"

#include <QPainter>

#include "widgets/focusframe.h"

namespace zentrivo {

namespace {

// The colour of what a hint marks on the board, apart from the focus
// frames' yellow and black.
const QColor kHintColour(200, 0, 200);

}  // namespace

ClueText::ClueText(QWidget *parent) : QLabel(parent) { setFocusPolicy(Qt::TabFocus); }

void ClueText::setHintClues(const QList<int> &numbers) {
    if (numbers == hintClues_) return;
    hintClues_ = numbers;
    update();
}

void ClueText::paintEvent(QPaintEvent *event) {
    if (!hintClues_.isEmpty()) {
        // A bar at the right edge, from a clue's first line to its last.
        // It is painted before the text, so the last letter of the widest
        // lines, which reach the edge, stays in front of it.
        QPainter p(this);
        const QFontMetrics metrics(font());
        const QStringList lines = text().split(QLatin1Char('\n'));
        const QRect area = contentsRect();
        int clue = 0, first = -1;
        // The pitch of the lines as the label draws them.
        const QRect big(0, 0, 10000, 10000);
        const int pitch =
            metrics.boundingRect(big, Qt::AlignLeft, QStringLiteral("x\nx")).height() -
            metrics.boundingRect(big, Qt::AlignLeft, QStringLiteral("x")).height();
        auto bar = [&](int from, int to) {
            if (from < 0 || !hintClues_.contains(clue)) return;
            p.fillRect(QRect(area.right() - 2, area.top() + from * pitch, 3, (to - from) * pitch),
                       kHintColour);
        };
        for (int i = 0; i <= lines.size(); ++i) {
            const bool ends = i == lines.size() || lines[i].trimmed().isEmpty() ||
                              lines[i].startsWith(QLatin1Char('*'));
            if (!ends) continue;
            bar(first, i);
            first = -1;
            if (i < lines.size() && lines[i].startsWith(QLatin1Char('*'))) {
                ++clue;
                first = i;
            }
        }
    }
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter p(this);
        drawFocusFrame(p, rect());
    }
}

}  // namespace zentrivo
