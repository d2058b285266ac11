#include "widgets/readabletext.h"

#include <QLabel>

namespace zentrivo {

ReadableText::ReadableText(QLabel *label, QAccessible::Role role)
    : QAccessibleWidget(label, role) {}

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
int ReadableText::cursorPosition() const { return cursor_; }
void ReadableText::setCursorPosition(int position) {
    cursor_ = qBound(0, position, characterCount());
}

QString ReadableText::text(int start, int end) const {
    const QString all = content();
    start = qBound(0, start, int(all.size()));
    end = end < 0 ? int(all.size()) : qBound(start, end, int(all.size()));
    return all.mid(start, end - start);
}

int ReadableText::characterCount() const { return int(content().size()); }
QRect ReadableText::characterRect(int) const { return QRect(); }
int ReadableText::offsetAtPoint(const QPoint &) const { return -1; }
void ReadableText::scrollToSubstring(int, int) {}

QString ReadableText::attributes(int offset, int *start, int *end) const {
    *start = *end = offset;
    return QString();
}

QLabel *ReadableText::label() const { return static_cast<QLabel *>(widget()); }
QString ReadableText::content() const { return label()->text(); }

}  // namespace zentrivo
