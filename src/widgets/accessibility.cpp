#include "widgets/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>

#include "widgets/picturebox.h"
#include "widgets/readabletext.h"

namespace zentrivo {

namespace {

const char *const kHidden = "zentrivoAccessibleHidden";
const char *const kRole = "zentrivoAccessibleRole";
const char *const kReadable = "zentrivoReadable";
const char *const kNamedList = "zentrivoNamedList";

// A window or panel whose decorations are left out.
class Container : public QAccessibleWidget {
public:
    Container(QWidget *w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override {
        const QList<QWidget *> list = children();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        return child ? int(children().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    QList<QWidget *> children() const {
        QList<QWidget *> list;
        for (QObject *o : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow() && !w->property(kHidden).toBool()) list << w;
        }
        return list;
    }
};

// A picture that works as a tool: a toggle button, checked while selected.
class ToolPicture : public QAccessibleWidget {
public:
    explicit ToolPicture(PictureBox *box) : QAccessibleWidget(box, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<PictureBox *>(widget())->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override {
        if (name == pressAction()) emit static_cast<PictureBox *>(widget())->clicked();
    }
};

// A drop-down list named for what it chooses, its value the item it shows.
class NamedDropDown : public QAccessibleWidget {
public:
    explicit NamedDropDown(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view() && list()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &name) override {
        if (name == showMenuAction() || name == pressAction()) list()->showPopup();
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *gameFactory(const QString &, QObject *object) {
    auto *w = qobject_cast<QWidget *>(object);
    if (!w) return nullptr;
    if (auto *box = qobject_cast<PictureBox *>(w); box && box->focusPolicy() != Qt::NoFocus)
        return new ToolPicture(box);
    if (auto *label = qobject_cast<QLabel *>(w); label && label->property(kReadable).toBool())
        return new ReadableText(label);
    if (auto *list = qobject_cast<QComboBox *>(w); list && list->property(kNamedList).toBool())
        return new NamedDropDown(list);
    const QVariant role = w->property(kRole);
    if (role.isValid()) return new Container(w, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

}  // namespace

void installWidgetAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gameFactory);
        return true;
    }();
    (void)installed;
}

void hideFromScreenReaders(QWidget *decoration, QAccessible::Role parentRole) {
    decoration->setProperty(kHidden, true);
    if (QWidget *parent = decoration->parentWidget(); parent && !parent->property(kRole).isValid())
        setAccessibleRole(parent, parentRole);
}

void setAccessibleRole(QWidget *widget, QAccessible::Role role) {
    installWidgetAccessibility();
    widget->setProperty(kRole, int(role));
}

void nameDropDown(QComboBox *list, const QString &name) {
    installWidgetAccessibility();
    list->setProperty(kNamedList, true);
    list->setAccessibleName(name);
}

void makeReadable(QLabel *label, const QString &name) {
    installWidgetAccessibility();
    label->setProperty(kReadable, true);
    label->setAccessibleName(name);
    followReadingKeys(label);
}

}  // namespace zentrivo
