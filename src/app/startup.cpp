#include "app/startup.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <QTimer>

#include "app/frmmain.h"
#include "app/windows.h"
#include "core/gamestate.h"
#include "widgets/fonts.h"

namespace zentrivo {

void setUpApplication(QApplication &, bool gameStyle) {
    // The X11 window class is "zentrivo" (the program's name) and the
    // application name; the launcher's StartupWMClass names it too.
    QCoreApplication::setApplicationName(QStringLiteral("zentrivo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZENTRIVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.zentrivo.Zentrivo"));
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/pictures/zentrivo-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    if (gameStyle) QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(sansFont(11));
}

int playGame(QApplication &app, const std::function<void(FrmMain &, Windows &)> &whenShown) {
    GameState state;
    int result = 0;
    {
        Windows windows(state);
        FrmMain menu(windows);
        menu.Form_Load();
        menu.show();
        if (whenShown) QTimer::singleShot(0, &menu, [&] { whenShown(menu, windows); });
        result = app.exec();
        // Windows unloaded on the way out are destroyed before the menu.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return result;
}

}  // namespace zentrivo
