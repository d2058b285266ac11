// A script of steps for window tests, each run on a modal window of its
// own type.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

#include "app/windows.h"

namespace zentrivo::testing {

// Steps run one at a time, each on a modal window of its own type. Each is
// queued before the one before it runs, so that a step that opens a modal
// window finds the next one waiting inside that window's loop. A step waits
// until its window is on top; after five seconds it gives up and unloads
// every window, so that a failing test ends instead of waiting for a click.
class Script {
public:
    explicit Script(Windows &w) : windows_(w) {}

    template <class T>
    void on(std::function<void(T *)> step) {
        steps_.push_back({[](QWidget *top) { return qobject_cast<T *>(top) != nullptr; },
                          [step](QWidget *top) { step(qobject_cast<T *>(top)); },
                          QString::fromLatin1(T::staticMetaObject.className())});
    }
    void start() {
        waited_.start();
        post(0);
    }
    bool finished() const { return steps_.empty() && failures_.isEmpty(); }
    QStringList failures_;

private:
    struct Step {
        std::function<bool(QWidget *)> fits;
        std::function<void(QWidget *)> run;
        QString window;
    };
    void post(int ms) {
        // Tied to this script, so that a step still queued when it ends is dropped.
        QTimer::singleShot(ms, &context_, [this] {
            if (steps_.empty()) return;
            QWidget *top = QApplication::activeModalWidget();
            if (!steps_.front().fits(top)) {
                if (waited_.elapsed() < 5000) return post(10);
                failures_ << QStringLiteral("step %1 waited for %2 but found %3")
                                 .arg(done_ + 1)
                                 .arg(steps_.front().window,
                                      top ? top->objectName() : QStringLiteral("no window"));
                steps_.clear();
                windows_.unloadAll();
                return;
            }
            const Step step = steps_.front();
            steps_.pop_front();
            ++done_;
            waited_.restart();
            post(0);
            step.run(top);
        });
    }
    QObject context_;
    Windows &windows_;
    std::deque<Step> steps_;
    QElapsedTimer waited_;
    int done_ = 0;
};

}  // namespace zentrivo::testing
