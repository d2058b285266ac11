#include "widgets/gamelook.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>

#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace zentrivo {

namespace {

const char *const kStyle = "Fusion";

// The classes of control for which a platform theme can set a palette or a
// font of their own, over the application's.
const char *const kThemedClasses[] = {
    "QToolButton",       "QAbstractButton",
    "QPushButton",       "QCheckBox",
    "QRadioButton",      "QHeaderView",
    "QAbstractItemView", "QListView",
    "QMessageBoxLabel",  "QMessageBox",
    "QTabBar",           "QLabel",
    "QGroupBox",         "QMenu",
    "QMenuBar",          "QMenuItem",
    "QTextEdit",         "QTextControl",
    "QLineEdit",         "QComboLineEdit",
    "QComboMenuItem",    "QTipLabel",
    "QStatusBar",        "QTitleBar",
    "QDockWidgetTitle",  "QMdiSubWindowTitleBar",
    "QListBox",          "QSmallFont",
    "QMiniFont",
};

bool styleIsTheGames() {
    return QApplication::style()->name().compare(QLatin1String(kStyle), Qt::CaseInsensitive) == 0;
}

bool fontsAreTheGames(const QFont &font) {
    if (QApplication::font() != font) return false;
    for (const char *c : kThemedClasses)
        if (QApplication::font(c) != font) return false;
    return true;
}

bool palettesAreTheGames(const QPalette &palette) {
    if (QApplication::palette() != palette) return false;
    for (const char *c : kThemedClasses)
        if (QApplication::palette(c) != palette) return false;
    return true;
}

// Sets whatever differs. A class's own font or palette is set to the
// game's, as Qt keeps those, and leaves its controls as they are, where the
// application's does not change. The style goes
// first, as setting it brings back the theme's class fonts. Each setting
// tells the keeper again, which finds the look the game's by then.
void apply() {
    static bool applying = false;
    if (applying) return;
    applying = true;
    if (!styleIsTheGames()) QApplication::setStyle(QStyleFactory::create(QLatin1String(kStyle)));
    const QFont font = applicationFont();
    if (QApplication::font() != font) QApplication::setFont(font);
    for (const char *c : kThemedClasses)
        if (QApplication::font(c) != font) QApplication::setFont(font, c);
    const QPalette palette = gamePalette();
    if (QApplication::palette() != palette) QApplication::setPalette(palette);
    for (const char *c : kThemedClasses)
        if (QApplication::palette(c) != palette) QApplication::setPalette(palette, c);
    applying = false;
}

// Watches the application for a palette or font set after the game's.
class LookKeeper : public QObject {
public:
    explicit LookKeeper(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == qApp && (event->type() == QEvent::ApplicationPaletteChange ||
                                event->type() == QEvent::ApplicationFontChange))
            apply();
        return false;
    }
};

}  // namespace

void useGameLook() {
    apply();
    static QPointer<LookKeeper> keeper;
    if (keeper) return;
    keeper = new LookKeeper(qApp);
    qApp->installEventFilter(keeper);
}

bool hasGameLook() {
    return styleIsTheGames() && fontsAreTheGames(applicationFont()) &&
           palettesAreTheGames(gamePalette());
}

}  // namespace zentrivo
