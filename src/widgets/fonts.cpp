#include "widgets/fonts.h"

#include <QFontDatabase>

#include "core/captions.h"

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

QFont applicationFont() { return sansFont(11); }

QStringList missingFontFamilies() {
    // A family the machine has lists its styles; asking looks that family up
    // alone, without loading a face or listing every other family.
    QStringList missing;
    for (const QFont &f : {serifFont(16), sansFont(11), clueFont()})
        if (QFontDatabase::styles(f.family()).isEmpty()) missing << f.family();
    return missing;
}

QString missingFontsLine(const QStringList &families) {
    const QString which = families.size() == 1 ? QStringLiteral("the font %1 is")
                                               : QStringLiteral("the fonts %1 are");
    return QStringLiteral("zentrivo: ") + which.arg(families.join(QStringLiteral(", "))) +
           QStringLiteral(
               " not installed; texts are drawn in other fonts, smaller where they "
               "would not fit (install the Debian package fonts-liberation)");
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
    return QString::fromStdString(shownCaption(stored));
}

}  // namespace zentrivo
