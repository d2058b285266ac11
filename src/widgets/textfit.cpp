#include "widgets/textfit.h"

#include <QFontMetrics>
#include <QRect>

#include "catalogue/catalogue.h"
#include "widgets/fonts.h"

namespace zentrivo {

QStringList clueTextFitProblems(const QString &clueText, const QFont &font) {
    QStringList problems;
    const QFontMetrics fm(font);
    QString text = clueText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        if (fm.horizontalAdvance(line) > kClueWidth)
            problems << QStringLiteral("clue line %1 px wide, room for %2: \"%3\"")
                            .arg(fm.horizontalAdvance(line))
                            .arg(kClueWidth)
                            .arg(line);
    const int height = fm.lineSpacing() * static_cast<int>(lines.size());
    if (height > kClueHeight)
        problems
            << QStringLiteral("clue text %1 px high, room for %2").arg(height).arg(kClueHeight);
    return problems;
}

QStringList introFitProblems(const QString &intro, const QFont &font) {
    const QFontMetrics fm(font);
    QString text = intro;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QRect r = fm.boundingRect(QRect(0, 0, kIntroWidth, 100000),
                                    Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    if (r.height() > kIntroHeight || r.width() > kIntroWidth)
        return {QStringLiteral("introduction %1 px high when wrapped, room for %2")
                    .arg(r.height())
                    .arg(kIntroHeight)};
    return {};
}

QStringList rowHeadingFitProblems(const QString &shownHeading, const QFont &font) {
    const QFontMetrics fm(font);
    if (fm.horizontalAdvance(shownHeading) > kRowHeadingWidth)
        return {QStringLiteral("row heading \"%1\" %2 px wide, room for %3")
                    .arg(shownHeading)
                    .arg(fm.horizontalAdvance(shownHeading))
                    .arg(kRowHeadingWidth)};
    return {};
}

QStringList fillInHeadingFitProblems(const QString &heading, const QFont &font) {
    const QFontMetrics fm(font);
    if (fm.horizontalAdvance(heading) > kFillInHeadingWidth)
        return {QStringLiteral("category heading \"%1\" %2 px wide, room for %3")
                    .arg(heading)
                    .arg(fm.horizontalAdvance(heading))
                    .arg(kFillInHeadingWidth)};
    return {};
}

QStringList headingPictureFitProblems(const QString &item) {
    const QFontMetrics fm(headingPictureFont());
    if (fm.horizontalAdvance(item) > kHeadingPictureTextLength)
        return {QStringLiteral("column heading \"%1\" %2 px long, room for %3")
                    .arg(item)
                    .arg(fm.horizontalAdvance(item))
                    .arg(kHeadingPictureTextLength)};
    return {};
}

QStringList puzzleFitProblems(const PuzzleRecord &r) {
    QStringList p;
    p << clueTextFitProblems(QString::fromStdString(r.clueText()));
    p << introFitProblems(QString::fromStdString(r.content.intro));
    for (const std::string &h : r.content.rowHeadings)
        p << rowHeadingFitProblems(shownAmpersands(h));
    for (const std::string &h : r.headings)
        p << fillInHeadingFitProblems(QString::fromStdString(h));
    for (const std::string &a : r.content.itemsA)
        p << headingPictureFitProblems(shownAmpersands(a));
    for (int i = 5; i < 15; ++i)
        p << headingPictureFitProblems(shownAmpersands(r.content.rowHeadings[i]));
    return p;
}

}  // namespace zentrivo
