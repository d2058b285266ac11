// What a screen reader is told about the game's own controls. Qt describes
// the standard controls itself; these fill the gaps: windows that list only
// the controls a player uses, picture tools that read as toggle buttons,
// and labels of running text that can be read line by line.
#pragma once

#include <QAccessible>

class QAbstractItemView;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace zentrivo {

// Registers the game's accessible interfaces with Qt (once; later calls do
// nothing). Qt builds them only when a screen reader asks.
void installWidgetAccessibility();

// Leaves a decoration (a line, a picture that says nothing) out of what a
// screen reader lists. Its parent is then described with `role`.
void hideFromScreenReaders(QWidget *decoration, QAccessible::Role parentRole);

// Describes a window or panel with `role`, listing only the children a
// screen reader should hear.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Names a drop-down list: Qt names one by the item it shows.
void nameDropDown(QComboBox *list, const QString &name);

// Makes the label's text readable as read-only text, named `name`, with
// the keys that move a screen reader through it when it has the focus.
// Each of these is called right after the control is made: Qt fixes how a
// control is described the first time it announces a change.
void makeReadable(QLabel *label, const QString &name);

// Says `text` to a screen reader at once, wherever its focus is: an object
// of the notification role, a child of the window that holds `within`,
// shown anew with the text. It takes no room and draws nothing.
void announce(QWidget *within, const QString &text);
// The same once the window that holds `within` is active again (at once
// when it is), after the screen reader has heard where its focus is.
void announceWhenActive(QWidget *within, const QString &text);

// A text box that Tab enters selects its text as it takes the focus, and
// tells a screen reader of that before Qt tells of the focus, which leaves
// some boxes unspoken. This makes the box select its text only once the
// focus has been told.
void tellFocusBeforeCaret(QLineEdit *box);

// Tells a screen reader which item of the list has the focus, after Qt has
// told it of the list: call it when the list takes the focus.
void tellCurrentItem(QAbstractItemView *list);

}  // namespace zentrivo
