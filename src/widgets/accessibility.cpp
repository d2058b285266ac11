#include "widgets/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include "widgets/picturebox.h"
#include "widgets/readabletext.h"

namespace zentrivo {

namespace {

const char *const kHidden = "zentrivoAccessibleHidden";
const char *const kRole = "zentrivoAccessibleRole";
const char *const kReadable = "zentrivoReadable";
const char *const kNamedList = "zentrivoNamedList";
const char *const kAnnouncer = "zentrivoAnnouncer";

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

// A drop-down list named for what it chooses, its value the item it shows,
// which is also its text: a screen reader speaks that text as the value.
class NamedDropDown : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NamedDropDown(QComboBox *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}
    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view() && list()->view()->isVisible();
        s.collapsed = !s.expanded;
        s.readOnly = true;
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &name) override {
        if (name == showMenuAction() || name == pressAction()) list()->showPopup();
    }

    // The shown item as read-only text.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString shown = list()->currentText();
        start = qBound(0, start, int(shown.size()));
        end = end < 0 ? int(shown.size()) : qBound(start, end, int(shown.size()));
        return shown.mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *start, int *end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
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
    if (w->property(kAnnouncer).toBool())
        return new QAccessibleWidget(w, QAccessible::Notification);
    const QVariant role = w->property(kRole);
    if (role.isValid()) return new Container(w, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

// The window's activation and its focus are told first, some of it from
// posted events; the announcement follows them.
void speakSoon(QWidget *window, const QString &text) {
    QTimer::singleShot(100, window, [window, text] { announce(window, text); });
}

// Holds an announcement until its window is active again.
class PendingAnnouncement : public QObject {
public:
    PendingAnnouncement(QWidget *window, const QString &text) : QObject(window), text_(text) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::WindowActivate) {
            window()->removeEventFilter(this);
            deleteLater();
            speakSoon(window(), text_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *window() const { return static_cast<QWidget *>(parent()); }
    QString text_;
};

// Lets a text box take the focus at once but select its text (as Tab,
// Shift+Tab or an access key asks) only after Qt has told of the focus.
class FocusFirst : public QObject {
public:
    explicit FocusFirst(QLineEdit *box) : QObject(box) {
        setObjectName(QString::fromLatin1(kName));
        box->installEventFilter(this);
    }
    static constexpr const char *kName = "zentrivoFocusFirst";

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::FocusIn || passing_) return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
            reason != Qt::ShortcutFocusReason)
            return false;
        auto *box = static_cast<QLineEdit *>(watched);
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        passing_ = true;
        QCoreApplication::sendEvent(box, &plain);
        passing_ = false;
        QMetaObject::invokeMethod(
            box,
            [box] {
                if (box->hasFocus() && !box->hasSelectedText() && box->inputMask().isEmpty())
                    box->selectAll();
            },
            Qt::QueuedConnection);
        return true;
    }

private:
    bool passing_ = false;
};

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

// Screen readers of this time speak a notification when it is shown, and
// drop a change of name or description of most other objects.
void announce(QWidget *within, const QString &text) {
    installWidgetAccessibility();
    QWidget *window = within->window();
    QWidget *announcer = nullptr;
    for (QObject *o : window->children())
        if (auto *w = qobject_cast<QWidget *>(o); w && w->property(kAnnouncer).toBool())
            announcer = w;
    if (!announcer) {
        announcer = new QWidget(window);
        announcer->setProperty(kAnnouncer, true);
        announcer->setObjectName(QStringLiteral("Announcer"));
        announcer->setGeometry(0, 0, 0, 0);
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setFocusPolicy(Qt::NoFocus);
    }
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
}

void announceWhenActive(QWidget *within, const QString &text) {
    QWidget *window = within->window();
    if (window->isActiveWindow())
        speakSoon(window, text);
    else
        new PendingAnnouncement(window, text);
}

void tellFocusBeforeCaret(QLineEdit *box) {
    if (!box->findChild<QObject *>(QString::fromLatin1(FocusFirst::kName),
                                   Qt::FindDirectChildrenOnly))
        new FocusFirst(box);
}

void tellCurrentItem(QAbstractItemView *list) {
    QMetaObject::invokeMethod(
        list,
        [list = QPointer<QAbstractItemView>(list)] {
            if (!list || !list->hasFocus() || !list->currentIndex().isValid() ||
                !QAccessible::isActive())
                return;
            QAccessibleEvent event(list, QAccessible::Focus);
            event.setChild(list->currentIndex().row());
            QAccessible::updateAccessibility(&event);
        },
        Qt::QueuedConnection);
}

}  // namespace zentrivo
