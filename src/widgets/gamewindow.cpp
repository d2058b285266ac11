#include "widgets/gamewindow.h"

#include <QKeyEvent>
#include <QPointer>

namespace zentrivo {

GameWindow::GameWindow(Navigator &windows, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      windows_(windows) {
    setModal(true);
    setAutoFillBackground(true);
}

int GameWindow::exec() {
    if (running_) {
        show();
        return Rejected;
    }
    running_ = true;
    const QPointer<GameWindow> alive(this);
    const int result = QDialog::exec();
    if (alive) running_ = false;
    return result;
}

GameState &GameWindow::state() const { return windows_.state(); }

void GameWindow::setClientSize(int width, int height) { setFixedSize(width, height); }

void GameWindow::setBackground(const QColor &colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour);
    setPalette(pal);
}

void GameWindow::closeBox() { windows_.unload(this); }

void GameWindow::reject() { closeBox(); }

void GameWindow::escapeKey() {
    if (escapeCloses_) reject();
}

void GameWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        // Held down, Escape acts once, and not again on the window beneath.
        if (!event->isAutoRepeat()) escapeKey();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zentrivo
