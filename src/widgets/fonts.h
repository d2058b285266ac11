// The fonts of the game's windows, in one place so that the windows and the
// checks that texts fit use the same faces and sizes. Sizes are given in
// pixels (12 point = 16 pixels at the usual 96 dots per inch) so that layout
// does not depend on the screen's reported density.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace zentrivo {

QFont serifFont(int pixels, bool bold = false, bool underline = false);  // "Times New Roman"
QFont sansFont(int pixels, bool bold = false);                            // "MS Sans Serif"

QFont clueFont();          // the board's clue text
QFont rowHeadingFont();    // the board's row headings
QFont introFont();         // the introduction window's story
QFont fillInHeadingFont(); // the fill-in grid's category headings
QFont headingPictureFont(); // the column headings drawn in the heading pictures

// Sizes, in pixels, of the places these texts are shown.
constexpr int kClueWidth = 161, kClueHeight = 369;
constexpr int kRowHeadingWidth = 73, kRowHeadingHeight = 17;
constexpr int kIntroWidth = 441, kIntroHeight = 217;
constexpr int kFillInHeadingWidth = 81, kFillInHeadingHeight = 25;
constexpr int kHeadingPictureTextLength = 72;  // room along a column strip

// Problems (empty when all is well) with showing these texts in their places.
QStringList clueTextFitProblems(const QString &clueText);
QStringList introFitProblems(const QString &intro);
QStringList rowHeadingFitProblems(const QString &shownHeading);
QStringList fillInHeadingFitProblems(const QString &heading);
QStringList headingPictureFitProblems(const QString &item);

// Converts stored CR LF line breaks to the newline that labels break on.
QString shownLines(const std::string &stored);
// The text a plain label shows for a stored caption, whose "&&" stands for
// one ampersand.
QString shownAmpersands(const std::string &stored);

}  // namespace zentrivo
