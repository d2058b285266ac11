// What a screen reader is told about the game's own controls. Qt describes
// the standard controls itself; these fill the gaps: windows that list only
// the controls a player uses, picture tools that read as toggle buttons,
// and labels of running text that can be read line by line.
#pragma once

#include <QAccessible>

class QComboBox;
class QLabel;
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

}  // namespace zentrivo
