#include "widgets/fonts.h"

#include <QFontMetrics>
#include <QRect>

namespace zentrivo {

namespace {

QFont makeFont(const char *family, int pixels, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleHint(QFont::AnyStyle, QFont::PreferMatch);
    return f;
}

}  // namespace

QFont serifFont(int pixels, bool bold, bool underline) {
    QFont f = makeFont("Liberation Serif", pixels, bold);
    f.setStyleHint(QFont::Serif);
    f.setUnderline(underline);
    return f;
}

QFont sansFont(int pixels, bool bold) {
    QFont f = makeFont("Liberation Sans", pixels, bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont clueFont() {
    QFont f = makeFont("Liberation Sans Narrow", 11, false);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont rowHeadingFont() { return serifFont(13); }
QFont introFont() { return serifFont(16, true); }
QFont fillInHeadingFont() { return serifFont(16, true, true); }
QFont headingPictureFont() { return sansFont(11); }

QString shownLines(const std::string &stored) {
    QString s = QString::fromStdString(stored);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

QString shownAmpersands(const std::string &stored) {
    QString s = QString::fromStdString(stored);
    s.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return s;
}

QStringList clueTextFitProblems(const QString &clueText) {
    QStringList problems;
    const QFontMetrics fm(clueFont());
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
        problems << QStringLiteral("clue text %1 px high, room for %2").arg(height).arg(kClueHeight);
    return problems;
}

QStringList introFitProblems(const QString &intro) {
    const QFontMetrics fm(introFont());
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

QStringList rowHeadingFitProblems(const QString &shownHeading) {
    const QFontMetrics fm(rowHeadingFont());
    if (fm.horizontalAdvance(shownHeading) > kRowHeadingWidth)
        return {QStringLiteral("row heading \"%1\" %2 px wide, room for %3")
                    .arg(shownHeading)
                    .arg(fm.horizontalAdvance(shownHeading))
                    .arg(kRowHeadingWidth)};
    return {};
}

QStringList fillInHeadingFitProblems(const QString &heading) {
    const QFontMetrics fm(fillInHeadingFont());
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

}  // namespace zentrivo
