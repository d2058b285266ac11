// Pictures: those compiled into the program, and those of the QRX-Images
// folder, which are read from disk (see core/picturesearch.h for where).
//
// Every picture is drawn at two sizes, "name.gif" and "name@2x.gif". Where the
// screen of the window `on` has a device pixel ratio above 1, the double-size
// picture is taken, with device pixel ratio 2, so that it takes the same room
// on the window and shows sharp; where it is missing, the single-size one.
// Without a window (the eraser's mouse cursor), the single-size picture.
#pragma once

#include <QPixmap>
#include <QString>

class QWidget;

namespace zentrivo {

// A picture compiled into the program: "x.gif", "o.gif", "redo.gif",
// "purpleo.gif", "eraser32.png", "eraser16.png", "example1.gif" ...
QPixmap builtInPicture(const QString &name, const QWidget *on = nullptr);

// Reads "<folder>/<name>" from disk every time it is called (no cache), from
// the first picture folder that holds the file. A missing or unreadable file
// gives a white picture of `fallback` size, so a missing picture never stops
// the game; the first picture found nowhere is reported by one line on
// standard error.
QPixmap folderPicture(const QString &name, QSize fallback, const QWidget *on = nullptr);

}  // namespace zentrivo
