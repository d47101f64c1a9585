#pragma once

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Emuset {

// The emulator editor's widgets, without behaviour: the emulator list, the console list
// (made by the window) in its frame beside it, the launch button, the boxes and the
// commands. Every control carries its form name as objectName.
struct EmulatorEditorUi {
    void setupUi(QGroupBox *frame, QComboBox *consoles);

    QGroupBox *Frame2 = nullptr;
    QListWidget *LstEmu = nullptr;
    QGroupBox *FrmConfig1 = nullptr;
    QLabel *LabEmu1 = nullptr;
    QLineEdit *TxtEmu1 = nullptr;
    QLabel *LabSetType = nullptr;
    QLineEdit *TxtSetmode = nullptr;
    QLabel *Label17 = nullptr;
    QLabel *Label16 = nullptr;
    QLineEdit *TxtFileEmu1 = nullptr;
    QPushButton *CmdEmu1 = nullptr;
    QGroupBox *FraEmu1 = nullptr;
    QPushButton *CmdNewEmu = nullptr;
    QPushButton *CmdEditEmu = nullptr;
    QPushButton *CmdSaveEmu = nullptr;
    QPushButton *CmdCancelEmu = nullptr;
    QPushButton *CmdDeleteEmu = nullptr;
    QPushButton *CmdLaunch = nullptr;
};

} // namespace Emuset
