// Base of the game's modal windows. A window is loaded when it is first
// needed (constructed, then its Form_Load runs), shown modally with exec(),
// and unloaded through Navigator::unload, which ends its modal loop, hides it
// and destroys it once control has left it.
#pragma once

#include <QDialog>

#include "widgets/navigator.h"

namespace zentrivo {

class GameWindow : public QDialog {
    Q_OBJECT
public:
    GameWindow(Navigator &windows, QWidget *parent);

    // Runs once per load, right after the window is made.
    virtual void Form_Load() {}

    // Shows the window modally and returns when it closes. A window shown
    // again before its previous modal run has returned (hidden and shown by
    // two quick clicks handled in one pass of that run's loop) is shown
    // without a second loop: the earlier run returns as it must, and the
    // window stays up, modal, until it is closed again.
    int exec() override;

protected:
    GameState &state() const;
    // Fixes the client area, in pixels.
    void setClientSize(int width, int height);
    // Fills the window's background with this colour.
    void setBackground(const QColor &colour);
    // What the window's close box does; by default it unloads the window.
    virtual void closeBox();
    // Escape closes the window like its close box only where asked to.
    void setEscapeCloses(bool closes) { escapeCloses_ = closes; }
    // What Escape does: by default, close the window where asked to.
    virtual void escapeKey();

    void reject() override;
    void keyPressEvent(QKeyEvent *event) override;

    Navigator &windows_;

private:
    bool escapeCloses_ = false;
    bool running_ = false;  // inside exec()
};

}  // namespace zentrivo
