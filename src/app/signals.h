// SIGTERM, SIGINT and SIGHUP end the game between two actions, never inside
// one: the handler only writes the signal's number to a pipe, and the event
// loop reads it once the action running (a save, say) has finished. The game
// then leaves every modal loop and ends with status 128 + the signal number.
#pragma once

#include <QObject>
#include <csignal>

class QSocketNotifier;

namespace zentrivo {

class QuitOnSignal : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; the destructor puts back the ones before.
    QuitOnSignal();
    ~QuitOnSignal() override;
    QuitOnSignal(const QuitOnSignal &) = delete;
    QuitOnSignal &operator=(const QuitOnSignal &) = delete;

private:
    void arrived();

    QSocketNotifier *notifier_ = nullptr;
    struct sigaction before_[3] = {};
};

}  // namespace zentrivo
