// Whether the game's texts fit where they are shown, measured with the real
// fonts the windows use. The puzzle checks and the tests share these.
#pragma once

#include <QString>
#include <QStringList>

#include "widgets/fonts.h"

namespace zentrivo {

struct PuzzleRecord;

// Sizes, in pixels, of the places these texts are shown.
constexpr int kClueWidth = 161, kClueHeight = 369;
constexpr int kRowHeadingWidth = 73, kRowHeadingHeight = 17;
constexpr int kIntroWidth = 441, kIntroHeight = 217;
constexpr int kFillInHeadingWidth = 81, kFillInHeadingHeight = 25;
constexpr int kHeadingPictureTextLength = 72;  // room along a column strip

// Problems (empty when all is well) with showing these texts in their places,
// in the font the game gives them or in `font`.
QStringList clueTextFitProblems(const QString &clueText, const QFont &font = clueFont());
QStringList introFitProblems(const QString &intro, const QFont &font = introFont());
QStringList rowHeadingFitProblems(const QString &shownHeading,
                                  const QFont &font = rowHeadingFont());
QStringList fillInHeadingFitProblems(const QString &heading,
                                     const QFont &font = fillInHeadingFont());
QStringList headingPictureFitProblems(const QString &item);

// Every fit problem of one puzzle's texts: clues, story, row headings,
// fill-in headings and the column headings drawn in its heading picture.
QStringList puzzleFitProblems(const PuzzleRecord &record);

}  // namespace zentrivo
