// The fonts of the game's windows, in one place so that the windows and the
// checks that texts fit use the same faces and sizes. Sizes are given in
// pixels (12 point = 16 pixels at the usual 96 dots per inch) so that layout
// does not depend on the screen's reported density.
#pragma once

#include <QFont>
#include <QString>

namespace zentrivo {

QFont serifFont(int pixels, bool bold = false, bool underline = false);  // "Times New Roman"
QFont sansFont(int pixels, bool bold = false);                           // "MS Sans Serif"

QFont clueFont();            // the board's clue text
QFont rowHeadingFont();      // the board's row headings
QFont introFont();           // the introduction window's story
QFont fillInHeadingFont();   // the fill-in grid's category headings
QFont headingPictureFont();  // the column headings drawn in the heading pictures

// Converts stored CR LF line breaks to the newline that labels break on.
QString shownLines(const std::string &stored);
// The text a plain label shows for a stored caption, whose "&&" stands for
// one ampersand.
QString shownAmpersands(const std::string &stored);

}  // namespace zentrivo
