// Helpers for window tests: a whole game (state, window registry and menu)
// and a way to act on the modal window that the next call opens.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/frmmain.h"
#include "app/windows.h"
#include "core/gamestate.h"

namespace zentrivo::testing {

struct Game {
    GameState state;
    Windows windows{state};
    FrmMain menu{windows};
    Game() { menu.Form_Load(); }
    ~Game() {
        windows.unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// Runs `action` on the modal window that the next call opens, as soon as
// that window has entered its modal loop (polling, since a button clicked
// through its access key opens its window only after a short animation).
inline void whenModal(std::function<void(QWidget *)> action) {
    auto *timer = new QTimer;
    auto *tries = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w && ++*tries < 300) return;
        timer->stop();
        timer->deleteLater();
        delete tries;
        QVERIFY2(w, "no modal window opened");
        action(w);
    });
    timer->start(10);
}

template <class T>
T *child(QWidget *window, const QString &name) {
    T *found = window->findChild<T *>(name);
    if (!found) qWarning("no control named %s", qPrintable(name));
    return found;
}

// Destroys windows unloaded so far and answers how many top-level windows
// are still visible.
inline int visibleTopLevels() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible()) ++n;
    return n;
}

// Runs the test body with the current directory set to `dir`, restoring it after.
class InDirectory {
public:
    explicit InDirectory(const QString &dir) : old_(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~InDirectory() { QDir::setCurrent(old_); }

private:
    QString old_;
};

}  // namespace zentrivo::testing
