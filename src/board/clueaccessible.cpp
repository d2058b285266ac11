#include "board/clueaccessible.h"

#include <QAccessibleWidget>
#include <vector>

#include "board/cluetext.h"
#include "widgets/readabletext.h"

namespace zentrivo {

namespace {

class ClueList;

// One clue of the list. It has no widget of its own and lives as long as the
// list; an item whose clue the text no longer holds is no longer valid.
class ClueItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ClueItem(ClueList *list, int number) : list_(list), number_(number) {}

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    // Toggling an item crosses its clue off or brings it back, as Space does.
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString &name) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    int number() const { return number_; }

private:
    ClueText *clues() const;
    ClueList *list_;
    int number_;
};

class ClueList : public ReadableText {
public:
    explicit ClueList(ClueText *text) : ReadableText(text, QAccessible::List) {}
    ~ClueList() override {
        for (QAccessibleInterface *i : items_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(i));
    }

    ClueText *clues() const { return static_cast<ClueText *>(widget()); }

    int childCount() const override { return clues()->clueCount(); }
    QAccessibleInterface *child(int index) const override {
        return index >= 0 && index < childCount() ? item(index + 1) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == child) return int(i) < childCount() ? int(i) : -1;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override {
        const int n = clues()->clueAt(clues()->mapFromGlobal(QPoint(x, y)));
        return n ? item(n) : nullptr;
    }
    QAccessibleInterface *focusChild() const override {
        return clues()->hasFocus() ? item(clues()->currentClue()) : nullptr;
    }

    // Made on first use, numbered from 1.
    QAccessibleInterface *item(int number) const {
        if (number < 1 || number > childCount()) return nullptr;
        while (int(items_.size()) < number) {
            auto *made = new ClueItem(const_cast<ClueList *>(this), int(items_.size()) + 1);
            QAccessible::registerAccessibleInterface(made);
            items_.push_back(made);
        }
        return items_[static_cast<size_t>(number - 1)];
    }

private:
    mutable std::vector<QAccessibleInterface *> items_;
};

bool ClueItem::isValid() const { return list_->isValid() && number_ <= list_->childCount(); }
QWindow *ClueItem::window() const { return list_->window(); }
QAccessibleInterface *ClueItem::parent() const { return list_; }
ClueText *ClueItem::clues() const { return list_->clues(); }

QString ClueItem::text(QAccessible::Text t) const {
    if (!isValid()) return QString();
    if (t == QAccessible::Name) return clues()->clueText(number_);
    // The number the hint and the help menu name the clue by.
    if (t == QAccessible::Description)
        return QStringLiteral("Clue %1 of %2").arg(number_).arg(list_->childCount());
    return QString();
}

// Where the clue starts, taking no room: its lines are the list's text,
// which a screen reader's review of the screen reads line by line, and a
// clue with an area of its own would be read there a second time.
QRect ClueItem::rect() const {
    if (!isValid()) return QRect();
    return QRect(clues()->mapToGlobal(clues()->clueRect(number_).topLeft()), QSize(0, 0));
}

QAccessible::State ClueItem::state() const {
    QAccessible::State s;
    if (!isValid()) return s;
    s.focusable = true;
    s.focused = clues()->hasFocus() && clues()->currentClue() == number_;
    s.checkable = true;
    s.checked = clues()->isCrossedOff(number_);
    s.readOnly = true;
    s.invisible = !clues()->isVisible();
    return s;
}

void ClueItem::doAction(const QString &name) {
    if (isValid() && (name == toggleAction() || name == pressAction()))
        clues()->toggleCrossedOff(number_);
}

QAccessibleInterface *clueFactory(const QString &, QObject *object) {
    if (auto *text = qobject_cast<ClueText *>(object)) return new ClueList(text);
    return nullptr;
}

}  // namespace

void installClueAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(clueFactory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface *clueItemInterface(ClueText *text, int number) {
    auto *list = dynamic_cast<ClueList *>(QAccessible::queryAccessibleInterface(text));
    return list ? list->item(number) : nullptr;
}

}  // namespace zentrivo
