// Helpers for window tests: a whole game (state, window registry and menu),
// ways to act on the modal windows that calls open, and the board's controls
// found by name.
#pragma once

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <array>
#include <deque>
#include <functional>

#include "app/frmmain.h"
#include "app/windows.h"
#include "board/frmlogic.h"
#include "core/cells.h"
#include "core/gamestate.h"
#include "widgets/picturebox.h"

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
T *child(const QObject *window, const QString &name) {
    T *found = window->findChild<T *>(name);
    if (!found) qWarning("no control named %s", qPrintable(name));
    return found;
}

// The board's 150 cell pictures (Img0101 .. Img1505) in canonical order.
inline std::array<PictureBox *, kCellCount> cellPictures(const QWidget *board) {
    std::array<PictureBox *, kCellCount> cells{};
    for (PictureBox *p : board->findChildren<PictureBox *>()) {
        const QString name = p->objectName();
        if (name.size() != 7 || !name.startsWith(QLatin1String("Img"))) continue;
        if (const auto cell = parseCell(name.mid(3).toStdString()))
            cells[static_cast<size_t>(cellIndex(*cell))] = p;
    }
    return cells;
}

// One cell picture, by canonical index.
inline PictureBox *cellPicture(const QWidget *board, int index) {
    return child<PictureBox>(board, "Img" + QString::fromStdString(cellAt(index).digits()));
}

// The board of a puzzle, loaded, shown and active (so that it takes keys).
inline FrmLogic *shownBoard(Game &g, int puzzle) {
    g.state.PuzzleNum = std::int16_t(puzzle);
    FrmLogic *board = g.windows.logic();
    board->Reloading();
    board->show();
    board->activateWindow();
    if (!QTest::qWaitForWindowActive(board)) qWarning("board not active");
    return board;
}

// Row heading n (0-14), LblS01 .. LblS15.
inline QLabel *rowHeading(const QWidget *board, int n) {
    return child<QLabel>(board, QStringLiteral("LblS%1").arg(n + 1, 2, 10, QLatin1Char('0')));
}

// Steps run one at a time on the modal window on top. A step waits until a
// window of its kind is on top, then queues the next step before it runs, so
// that a step which opens a modal window finds the next step waiting inside
// that window's loop. A step that never finds its window, or a script that
// stalls, closes every modal window so that the test ends instead of
// waiting for a click.
class Script {
public:
    explicit Script(Windows &w) : windows_(w) {
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] { abort("timed out"); });
        sweeper_.setInterval(20);
        QObject::connect(&sweeper_, &QTimer::timeout, [this] { closeModals(); });
    }

    template <class T>
    void on(std::function<void(T *)> step) {
        steps_.push_back({[](QWidget *top) { return qobject_cast<T *>(top) != nullptr; },
                          [step](QWidget *top) { step(qobject_cast<T *>(top)); },
                          QString::fromLatin1(T::staticMetaObject.className())});
    }
    void start() {
        watchdog_.start(30000);
        post();
    }
    bool finished() const { return steps_.empty() && failures_.isEmpty(); }
    QString failures() const { return failures_.join(QStringLiteral(", ")); }

private:
    struct Step {
        std::function<bool(QWidget *)> fits;
        std::function<void(QWidget *)> run;
        QString expected;
    };

    // A short delay lets a window that is closing finish closing first.
    void post(int tries = 0) {
        // Tied to the script: a step still queued when it ends never runs.
        QTimer::singleShot(5, &context_, [this, tries] {
            if (steps_.empty()) return;
            QWidget *top = QApplication::activeModalWidget();
            if (!steps_.front().fits(top)) {
                if (tries < 400) return post(tries + 1);
                abort(QStringLiteral("step %1 expected %2 and found %3")
                          .arg(done_ + 1)
                          .arg(steps_.front().expected,
                               top ? QString::fromLatin1(top->metaObject()->className()) + " " +
                                         top->windowTitle()
                                   : QStringLiteral("no window")));
                return;
            }
            const Step step = steps_.front();
            steps_.pop_front();
            ++done_;
            post();
            step.run(top);
        });
    }
    void abort(const QString &why) {
        failures_ << why;
        steps_.clear();
        sweeper_.start();
        closeModals();
    }
    void closeModals() {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->done(QMessageBox::Cancel);
        else
            windows_.unloadAll();
    }

    Windows &windows_;
    std::deque<Step> steps_;
    QStringList failures_;
    int done_ = 0;
    QTimer watchdog_, sweeper_;
    QObject context_;
};

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
