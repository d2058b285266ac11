// Pictures: those compiled into the program, and those of the QRX-Images
// folder, which are read from disk (see core/picturesearch.h for where).
//
// Every picture is drawn at two sizes, "name.gif" and "name@2x.gif". Where the
// screen of the window `on` has a device pixel ratio above 1, the double-size
// picture is taken, with device pixel ratio 2, so that it takes the same room
// on the window and shows sharp; where it is missing, the single-size one.
// Without a window (the eraser's mouse cursor), the single-size picture.
#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "core/picturesearch.h"

class QWidget;

namespace zentrivo {

// A picture compiled into the program: "x.gif", "o.gif", "redo.gif",
// "purpleo.gif", "eraser32.png", "eraser16.png", "example1.gif" ...
QPixmap builtInPicture(const QString &name, const QWidget *on = nullptr);

// Reads "<folder>/<name>" from disk every time it is called, from the first
// picture folder that holds a file it can use (see PictureLoader). A picture
// found nowhere gives a white picture of its `place` size, so a missing
// picture never stops the game; the first picture found nowhere is reported
// by one line on standard error.
QPixmap folderPicture(const QString &name, QSize place, const QWidget *on = nullptr);

// Loads the pictures of a list of folders, searched in order. A file is read
// whole each time it is asked for; where its bytes are those it held when it
// was last decoded, the picture decoded then is shared, not decoded and kept
// again (a restored board asks for the blank square once per blank cell).
//
// A picture is shown in a place of known size (a cell, the magnifier, the
// heading strip): a file wider or taller than four times its place (eight
// times for a double-size file) is refused from its header before it is
// decoded, and so is a file that cannot be decoded. A refused file is passed
// over like a missing one (the next folder, else white) and named once on
// standard error.
class PictureLoader {
public:
    explicit PictureLoader(std::vector<std::filesystem::path> folders);
    QPixmap load(const QString &name, QSize place, bool preferDouble);

private:
    struct Decoded {
        QByteArray bytes;
        QPixmap picture;  // null where the file was refused
    };
    // Decodes one file, or answers a null picture where it is refused.
    QPixmap decode(const PictureFile &file, QSize place);
    void refuse(const PictureFile &file, const std::string &why);

    std::vector<std::filesystem::path> folders_;
    std::map<std::filesystem::path, Decoded> last_;
    std::set<std::filesystem::path> refused_;
    bool missingReported_ = false;
};

}  // namespace zentrivo
