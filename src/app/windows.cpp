#include "app/windows.h"

#include "app/frmmain.h"
#include "board/frmlogic.h"
#include "files/frmfiles.h"
#include "fillin/frmfillin.h"
#include "help/frmexamples.h"
#include "help/frmhx.h"
#include "help/frminstructions.h"
#include "intro/frmlogicintro.h"

namespace zentrivo {

Windows::Windows(GameState &s) : state_(s) {}

Windows::~Windows() {
    // Windows still loaded when the program ends are destroyed here.
    for (GameWindow *w : std::initializer_list<GameWindow *>{instructions_, history_, examples_,
                                                             files_, fillIn_, intro_, logic_})
        delete w;
}

void Windows::setMenu(FrmMain *menu) { menu_ = menu; }
FrmMain *Windows::menu() const { return menu_; }

QWidget *Windows::owner() const { return menu_; }

template <class T>
T *Windows::load(QPointer<T> &slot) {
    if (!slot) {
        slot = new T(*this, owner());
        slot->Form_Load();
    }
    return slot;
}

FrmLogic *Windows::loadedLogic() const { return logic_; }
FrmFiles *Windows::loadedFiles() const { return files_; }
FrmFillIn *Windows::loadedFillIn() const { return fillIn_; }
FrmLogicIntro *Windows::loadedIntro() const { return intro_; }
FrmInstructions *Windows::loadedInstructions() const { return instructions_; }
FrmExamples *Windows::loadedExamples() const { return examples_; }
FrmHx *Windows::loadedHistory() const { return history_; }

FrmLogic *Windows::logic() { return load(logic_); }
FrmFiles *Windows::files() { return load(files_); }
FrmFillIn *Windows::fillInGrid() { return load(fillIn_); }
FrmLogicIntro *Windows::introWindow() { return load(intro_); }
FrmInstructions *Windows::instructions() { return load(instructions_); }
FrmExamples *Windows::examplesWindow() { return load(examples_); }
FrmHx *Windows::history() { return load(history_); }

GameWindow *Windows::board() { return logic(); }
GameWindow *Windows::fileWindow() { return files(); }
GameWindow *Windows::intro() { return introWindow(); }
GameWindow *Windows::fillIn() { return fillInGrid(); }
GameWindow *Windows::examples() { return examplesWindow(); }

void Windows::unloadFileWindow() { unload(files_); }
void Windows::unloadFillIn() { unload(fillIn_); }

CellCodes Windows::boardCodes() const {
    if (logic_) return logic_->codes();
    CellCodes blank;
    blank.fill(kCodeBlank);
    return blank;
}

void Windows::reloadBoard() {
    if (logic_) logic_->Reloading();
}

void Windows::unload(GameWindow *window) {
    if (!window) return;
    if (window == logic_) logic_ = nullptr;
    if (window == files_) files_ = nullptr;
    if (window == fillIn_) fillIn_ = nullptr;
    if (window == intro_) intro_ = nullptr;
    if (window == instructions_) instructions_ = nullptr;
    if (window == examples_) examples_ = nullptr;
    if (window == history_) history_ = nullptr;
    window->done(QDialog::Rejected);
    window->hide();
    window->deleteLater();
}

void Windows::unloadAll() {
    unload(instructions_);
    unload(history_);
    unload(examples_);
    unload(files_);
    unload(fillIn_);
    unload(intro_);
    unload(logic_);
}

}  // namespace zentrivo
