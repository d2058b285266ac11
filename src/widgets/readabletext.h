// Running text on a label, described to a screen reader as read-only text
// with the text interface that lets it move by character, word and line.
// Windows that need more (a label whose parts are items of their own)
// derive from it.
#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class QLabel;

namespace zentrivo {

class ReadableText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadableText(QLabel *label, QAccessible::Role role = QAccessible::EditableText);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    void selection(int, int *start, int *end) const override;
    int selectionCount() const override;
    void addSelection(int, int) override;
    void removeSelection(int) override;
    void setSelection(int, int, int) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override;
    QString attributes(int offset, int *start, int *end) const override;

protected:
    QLabel *label() const;
    // The text as the label shows it.
    QString content() const;

private:
    int cursor_ = 0;
};

}  // namespace zentrivo
