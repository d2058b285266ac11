#include "widgets/readabletext.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <cmath>

namespace zentrivo {

namespace {

const char *const kCaret = "zentrivoReadingCaret";
const char *const kCaretText = "zentrivoReadingCaretText";

void setCaret(QLabel *label, int position) {
    label->setProperty(kCaret, position);
    label->setProperty(kCaretText, label->text());
}

// The reading position; until the keys move it in the text shown now (a
// new text starts afresh), the text's first visible character, so that a
// screen reader starts with the first line of words.
int caretOf(const QLabel *label) {
    const QString text = label->text();
    const QVariant held = label->property(kCaret);
    if (held.isValid() && label->property(kCaretText).toString() == text) return held.toInt();
    int first = 0;
    while (first < text.size() && text[first].isSpace()) ++first;
    return first < text.size() ? first : 0;
}

// Where a label lays out its text: inside its contents, margin and indent.
QRect textArea(const QLabel *label) {
    QRect area = label->contentsRect();
    const int margin = label->margin();
    area.adjust(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth())
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0) {
        const Qt::Alignment align =
            QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (align & Qt::AlignLeft) area.setLeft(area.left() + indent);
        if (align & Qt::AlignRight) area.setRight(area.right() - indent);
        if (align & Qt::AlignTop) area.setTop(area.top() + indent);
        if (align & Qt::AlignBottom) area.setBottom(area.bottom() - indent);
    }
    return area;
}

// A label draws its text through a text document once it can take the
// focus or be selected; otherwise it draws it as one formatted text.
bool drawsThroughDocument(const QLabel *label) {
    return label->focusPolicy() != Qt::NoFocus ||
           (label->textInteractionFlags() &
            (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard));
}

// What Ctrl with Left or Right moves over as one word.
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('\''); }

}  // namespace

ReadableText::ReadableText(QLabel *label, QAccessible::Role role)
    : QAccessibleWidget(label, role) {}

ReadableText::~ReadableText() = default;

void *ReadableText::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadableText::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.multiLine = true;
    return s;
}

QString ReadableText::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return content();
    return QAccessibleWidget::text(t);
}

void ReadableText::selection(int, int *start, int *end) const { *start = *end = 0; }
int ReadableText::selectionCount() const { return 0; }
void ReadableText::addSelection(int, int) {}
void ReadableText::removeSelection(int) {}
void ReadableText::setSelection(int, int, int) {}
int ReadableText::cursorPosition() const { return qBound(0, caretOf(label()), characterCount()); }
void ReadableText::setCursorPosition(int position) {
    setCaret(label(), qBound(0, position, characterCount()));
}

QString ReadableText::text(int start, int end) const {
    const QString all = content();
    start = qBound(0, start, int(all.size()));
    end = end < 0 ? int(all.size()) : qBound(start, end, int(all.size()));
    return all.mid(start, end - start);
}

int ReadableText::characterCount() const { return int(content().size()); }

const std::vector<ReadableText::Line> &ReadableText::layout() const {
    const QLabel *l = label();
    const QString shown = content();
    const QRect area = textArea(l);
    const bool document = drawsThroughDocument(l);
    const int flags = int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    const QString font = l->font().toString();
    if (shown == laidText_ && area == laidArea_ && flags == laidFlags_ && font == laidFont_ &&
        document == laidDocument_)
        return lines_;
    laidText_ = shown;
    laidArea_ = area;
    laidFlags_ = flags;
    laidFont_ = font;
    laidDocument_ = document;
    lines_.clear();
    plain_.reset();
    document_.reset();
    if (shown.isEmpty()) return lines_;
    const Qt::Alignment align = QStyle::visualAlignment(l->layoutDirection(), l->alignment());

    if (document) {
        // As the label sets up its own document: the label's font, no
        // margin, its alignment and wrapping, the width of its text area.
        document_ = std::make_unique<QTextDocument>();
        document_->setUndoRedoEnabled(false);
        document_->setDefaultFont(l->font());
        document_->setPlainText(shown);
        QTextOption option = document_->defaultTextOption();
        option.setAlignment(l->alignment());
        option.setWrapMode(l->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
        document_->setDefaultTextOption(option);
        QTextFrameFormat frame = document_->rootFrame()->frameFormat();
        frame.setMargin(0);
        document_->rootFrame()->setFrameFormat(frame);
        document_->setTextWidth(area.width());
        const qreal height = document_->documentLayout()->documentSize().height();
        qreal top = area.top();
        if (align & Qt::AlignVCenter)
            top += qMax((area.height() - height) / 2, qreal(0));
        else if (align & Qt::AlignBottom)
            top += qMax(area.height() - height, qreal(0));
        for (QTextBlock b = document_->begin(); b.isValid(); b = b.next()) {
            const QPointF at = document_->documentLayout()->blockBoundingRect(b).topLeft() +
                               QPointF(area.left(), top);
            QTextLayout *blockLayout = b.layout();
            for (int i = 0; i < blockLayout->lineCount(); ++i) {
                const QTextLine line = blockLayout->lineAt(i);
                const int start = b.position() + line.textStart();
                lines_.push_back({start, start + line.textLength(), at, line});
            }
            // The block's line break belongs to its last line.
            if (!lines_.empty() && b.next().isValid()) lines_.back().end = b.next().position();
        }
        return lines_;
    }

    // As a label draws a formatted text: line breaks as line separators,
    // lines a whole pixel apart with the font's leading between them.
    QString text = shown;
    for (QChar &c : text) {
        if (c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
        else if (c == QLatin1Char('\n'))
            c = QChar::LineSeparator;
        else if (c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    }
    plain_ = std::make_unique<QTextLayout>(text, l->font(), const_cast<QLabel *>(l));
    QTextOption option;
    option.setTextDirection(l->layoutDirection());
    option.setAlignment(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    plain_->setTextOption(option);
    plain_->setCacheEnabled(true);
    const qreal lineWidth = l->wordWrap() ? qMax<qreal>(0, area.width()) : 0x01000000;
    const qreal leading = QFontMetricsF(l->font(), const_cast<QLabel *>(l)).leading();
    qreal height = -leading;
    plain_->beginLayout();
    for (;;) {
        QTextLine line = plain_->createLine();
        if (!line.isValid()) break;
        line.setLineWidth(lineWidth);
        height += leading;
        height = std::ceil(height);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
    }
    plain_->endLayout();
    qreal top = area.top();
    if (align & Qt::AlignBottom)
        top += area.height() - height;
    else if (align & Qt::AlignVCenter)
        top += (area.height() - height) / 2;
    for (int i = 0; i < plain_->lineCount(); ++i) {
        const QTextLine line = plain_->lineAt(i);
        qreal left = area.left();
        if (align & Qt::AlignRight)
            left += area.width() - line.horizontalAdvance();
        else if (align & Qt::AlignHCenter)
            left += (area.width() - line.horizontalAdvance()) / 2;
        lines_.push_back(
            {line.textStart(), line.textStart() + line.textLength(), QPointF(left, top), line});
    }
    return lines_;
}

int ReadableText::lineOf(int offset) const {
    const std::vector<Line> &all = layout();
    if (all.empty()) return -1;
    for (size_t i = 0; i < all.size(); ++i)
        if (offset < all[i].end) return int(i);
    return int(all.size()) - 1;  // the end of the text: its last line
}

QList<QPair<int, int>> ReadableText::lines() const {
    QList<QPair<int, int>> out;
    for (const Line &line : layout()) out.append({line.start, line.end});
    return out;
}

QString ReadableText::textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                                   int *end) const {
    if (type != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    *start = *end = -1;
    if (offset == -2) offset = cursorPosition();
    const int line = lineOf(offset);
    if (line < 0 || offset < 0 || offset > characterCount()) return QString();
    *start = lines_[size_t(line)].start;
    *end = lines_[size_t(line)].end;
    return text(*start, *end);
}

QString ReadableText::textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                                       int *end) const {
    if (type != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    *start = *end = -1;
    if (offset == -2) offset = cursorPosition();
    const int line = lineOf(offset);
    if (line <= 0 || offset < 0 || offset > characterCount()) return QString();
    *start = lines_[size_t(line - 1)].start;
    *end = lines_[size_t(line - 1)].end;
    return text(*start, *end);
}

QString ReadableText::textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                                      int *end) const {
    if (type != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    *start = *end = -1;
    if (offset == -2) offset = cursorPosition();
    const int line = lineOf(offset);
    if (line < 0 || offset < 0 || offset > characterCount() || line + 1 >= int(lines_.size()))
        return QString();
    *start = lines_[size_t(line) + 1].start;
    *end = lines_[size_t(line) + 1].end;
    return text(*start, *end);
}

QRect ReadableText::characterRect(int offset) const {
    if (offset < 0 || offset >= characterCount()) return QRect();
    const int index = lineOf(offset);
    if (index < 0) return QRect();
    const Line &l = lines_[size_t(index)];
    const int base = l.start - l.line.textStart();  // where the line's layout starts
    qreal left = l.line.cursorToX(offset - base);
    qreal right = offset + 1 < l.end ? l.line.cursorToX(offset + 1 - base)
                                     : qMax(left, l.line.x() + l.line.naturalTextWidth());
    if (right < left) std::swap(left, right);
    const QRectF box(l.origin.x() + left, l.origin.y() + l.line.y(), qMax<qreal>(right - left, 1),
                     l.line.ascent() + l.line.descent());
    const QRect inLabel = box.toAlignedRect();
    return QRect(label()->mapToGlobal(inLabel.topLeft()), inLabel.size());
}

int ReadableText::offsetAtPoint(const QPoint &point) const {
    const QPoint at = label()->mapFromGlobal(point);
    if (!label()->rect().contains(at)) return -1;
    for (const Line &l : layout()) {
        const qreal top = l.origin.y() + l.line.y();
        if (at.y() < top || at.y() >= top + l.line.ascent() + l.line.descent()) continue;
        const int base = l.start - l.line.textStart();
        const int offset = l.line.xToCursor(at.x() - l.origin.x()) + base;
        // The position after the line's last character is the line break.
        return qBound(l.start, offset, qMax(l.start, l.end - 1));
    }
    return -1;
}

void ReadableText::scrollToSubstring(int, int) {}

QString ReadableText::attributes(int offset, int *start, int *end) const {
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        *start = *end = -1;
        return QString();
    }
    *start = 0;
    *end = count;
    const QFont font = label()->font();
    const QString family = font.family();
    QString attributes = QStringLiteral("font-family:\"%1\";").arg(family);
    attributes += QStringLiteral("font-size:%1pt;").arg(QFontInfo(font).pointSizeF());
    attributes += QStringLiteral("font-weight:%1;")
                      .arg(font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"));
    attributes += QStringLiteral("font-style:%1;")
                      .arg(font.italic() ? QStringLiteral("italic") : QStringLiteral("normal"));
    return attributes;
}

QLabel *ReadableText::label() const { return static_cast<QLabel *>(widget()); }
QString ReadableText::content() const { return label()->text(); }

namespace {

// Moves the reading position with the keys and tells a screen reader.
class ReadingKeys : public QObject {
public:
    explicit ReadingKeys(QLabel *label) : QObject(label) { setObjectName(kKeysName); }
    static constexpr const char *kKeysName = "zentrivoReadingKeys";

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto *label = static_cast<QLabel *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        const int to = target(label, key);
        if (to < 0) return false;
        if (to != caretOf(label)) {
            setCaret(label, to);
            if (QAccessible::isActive()) {
                QAccessibleTextCursorEvent moved(label, to);
                QAccessible::updateAccessibility(&moved);
            }
        }
        return true;
    }

private:
    // Where a key moves the reading position, or -1 for a key it leaves.
    static int target(QLabel *label, const QKeyEvent *key) {
        auto *text = dynamic_cast<ReadableText *>(QAccessible::queryAccessibleInterface(label));
        if (!text) return -1;
        const Qt::KeyboardModifiers mods =
            key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        const bool ctrl = mods == Qt::ControlModifier;
        if (mods != Qt::NoModifier && !ctrl) return -1;
        const QString all = text->text(0, text->characterCount());
        const int count = int(all.size());
        const int at = qBound(0, caretOf(label), count);
        const QList<QPair<int, int>> lines = text->lines();
        int line = 0;
        while (line + 1 < lines.size() && at >= lines[line].second) ++line;
        // The same column on another line, or that line's last place.
        auto onLine = [&](int index) {
            const int last = index + 1 == lines.size() ? count : lines[index].second - 1;
            return qMin(lines[index].first + (at - lines[line].first),
                        qMax(lines[index].first, last));
        };
        switch (key->key()) {
            case Qt::Key_Left:
                if (!ctrl) return qMax(0, at - 1);
                {
                    int p = at;
                    while (p > 0 && !isWordChar(all[p - 1])) --p;
                    while (p > 0 && isWordChar(all[p - 1])) --p;
                    return p;
                }
            case Qt::Key_Right:
                if (!ctrl) return qMin(count, at + 1);
                {
                    int p = at;
                    while (p < count && isWordChar(all[p])) ++p;
                    while (p < count && !isWordChar(all[p])) ++p;
                    return p;
                }
            case Qt::Key_Up:
                if (ctrl || lines.isEmpty()) return -1;
                return line > 0 ? onLine(line - 1) : at;
            case Qt::Key_Down:
                if (ctrl || lines.isEmpty()) return -1;
                return line + 1 < lines.size() ? onLine(line + 1) : at;
            case Qt::Key_Home:
                return ctrl || lines.isEmpty() ? 0 : lines[line].first;
            case Qt::Key_End:
                // Before the line's break or the space it wraps at.
                if (ctrl || line + 1 >= lines.size()) return count;
                return qMax(lines[line].first, lines[line].second - 1);
            default:
                return -1;
        }
    }
};

}  // namespace

void followReadingKeys(QLabel *label) {
    if (label->findChild<QObject *>(QString::fromLatin1(ReadingKeys::kKeysName),
                                    Qt::FindDirectChildrenOnly))
        return;
    label->installEventFilter(new ReadingKeys(label));
}

}  // namespace zentrivo
