#include "widgets/gamewindow.h"

#include <QKeyEvent>

namespace zentrivo {

GameWindow::GameWindow(Navigator &windows, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      windows_(windows) {
    setModal(true);
    setAutoFillBackground(true);
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

void GameWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && !escapeCloses_) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zentrivo
