#include "app/signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>

namespace zentrivo {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe between the handler and the event loop: [0] read, [1] write.
int pipeEnds[2] = {-1, -1};

extern "C" void onSignal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    (void)!::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

QuitOnSignal::QuitOnSignal() {
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitOnSignal::arrived);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // System calls the signal interrupts (a save's writes) carry on.
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &action, &before_[i]);
}

QuitOnSignal::~QuitOnSignal() {
    if (!notifier_) return;
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &before_[i], nullptr);
    delete notifier_;
    for (int &end : pipeEnds) {
        ::close(end);
        end = -1;
    }
}

void QuitOnSignal::arrived() {
    unsigned char number = 0;
    if (::read(pipeEnds[0], &number, 1) != 1) return;
    // Every event loop ends, the modal windows' too, and no new one runs.
    QCoreApplication::exit(128 + number);
}

}  // namespace zentrivo
