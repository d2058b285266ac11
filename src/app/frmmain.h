// The main menu: the 25 puzzle buttons, opening a saved puzzle, the
// instructions, the version history and Exit.
#pragma once

#include <QWidget>
#include <array>

#include "app/windows.h"

namespace zentrivo {

class CaptionButton;

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(Windows &windows);
    void Form_Load();

    CaptionButton *CmdInstructions;
    std::array<CaptionButton *, 25> CmdPuz{};
    CaptionButton *CmdOpenSaved;
    CaptionButton *CmdHx;
    CaptionButton *CmdExit;

public slots:
    void CmdPuz_Click(int number);
    void CmdOpenSaved_Click();
    void CmdInstructions_Click();
    void CmdHx_Click();
    void CmdExit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Windows &windows_;
    bool ending_ = false;
};

}  // namespace zentrivo
