// Pictures: those compiled into the program, and those of the QRX-Images
// folder, which are read from disk relative to the current directory.
#pragma once

#include <QPixmap>
#include <QString>

namespace zentrivo {

// A picture compiled into the program: "x.gif", "o.gif", "redo.gif",
// "purpleo.gif", "eraser32.png", "eraser16.png", "example1.gif" ...
QPixmap builtInPicture(const QString &name);

// Reads "QRX-Images/<name>" from disk every time it is called (no cache). A
// missing or unreadable file gives a white picture of `fallback` size, so a
// missing picture never stops the game.
QPixmap folderPicture(const QString &name, QSize fallback);

}  // namespace zentrivo
