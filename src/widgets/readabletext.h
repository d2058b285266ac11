// Running text on a label, described to a screen reader as read-only text
// with the text interface that lets it move by character, word and line.
// Windows that need more (a label whose parts are items of their own)
// derive from it.
#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>
#include <QPointF>
#include <QSize>
#include <QTextLine>
#include <memory>
#include <vector>

class QLabel;
class QTextDocument;
class QTextLayout;

namespace zentrivo {

class ReadableText : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReadableText(QLabel *label, QAccessible::Role role = QAccessible::EditableText);
    ~ReadableText() override;

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
    // Lines are the lines the label shows; the other boundaries follow the
    // text's characters, words, sentences and paragraphs.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                             int *end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                            int *end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                         int *end) const override;
    int characterCount() const override;
    // On the screen, where the label draws the character.
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override;
    // The whole text is one run in the label's font.
    QString attributes(int offset, int *start, int *end) const override;

    // The shown lines, as [start, end) offsets into the text, top to bottom.
    QList<QPair<int, int>> lines() const;

protected:
    QLabel *label() const;
    // The text as the label shows it.
    QString content() const;

private:
    struct Line {
        int start, end;  // [start, end) in the text, its line break included
        QPointF origin;  // where the line's layout lies in the label
        QTextLine line;
    };
    // Lays the text out as the label draws it (again only when the text, the
    // font or the size changed) and answers its lines.
    const std::vector<Line> &layout() const;
    int lineOf(int offset) const;

    mutable std::vector<Line> lines_;
    mutable std::unique_ptr<QTextLayout> plain_;
    mutable std::unique_ptr<QTextDocument> document_;
    mutable QString laidText_;
    mutable QString laidFont_;
    mutable QSize laidSize_;
    mutable int laidFlags_ = -1;
};

// Lets the keyboard move a reading position through a label made readable:
// Left and Right by character, Ctrl with them by word, Up and Down by line,
// Home and End to the line's ends, Ctrl+Home and Ctrl+End to the text's. A
// screen reader hears each move; nothing is drawn.
void followReadingKeys(QLabel *label);

}  // namespace zentrivo
