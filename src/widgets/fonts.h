// The fonts of the game's windows, in one place so that the windows and the
// checks that texts fit use the same faces and sizes. Every face comes from
// the Liberation family (Debian's fonts-liberation): Liberation Serif for the
// serif texts, Liberation Sans for the sans-serif ones, and Liberation Sans
// Narrow for the clues. Sizes are given in pixels (12 point = 16 pixels at the
// usual 96 dots per inch) so that layout does not depend on the screen's
// reported density.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace zentrivo {

QFont serifFont(int pixels, bool bold = false, bool underline = false);  // Liberation Serif
QFont sansFont(int pixels, bool bold = false);                           // Liberation Sans

QFont applicationFont();     // every control's unless it sets its own
QFont clueFont();            // the board's clue text, in Liberation Sans Narrow
QFont rowHeadingFont();      // the board's row headings
QFont introFont();           // the introduction window's story
QFont fillInHeadingFont();   // the fill-in grid's category headings
QFont headingPictureFont();  // the column headings drawn in the heading pictures

// The families of the game's fonts that the machine lacks: another face
// draws in their place.
QStringList missingFontFamilies();
// The one line that names them and the package that has them.
QString missingFontsLine(const QStringList &families);

// Converts stored CR LF line breaks to the newline that labels break on.
QString shownLines(const std::string &stored);
// The text a plain label shows for a stored caption, whose "&&" stands for
// one ampersand.
QString shownAmpersands(const std::string &stored);

}  // namespace zentrivo
