#pragma once

class MarkList;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class StatusPanels;

namespace Emuset {

// The widgets of Emuset's main window, without behaviour. Every control carries its form
// name as objectName.
struct FrmEmusetUi {
    void setupUi(QMainWindow *window);

    // Menus
    QMenu *file = nullptr;
    QAction *database = nullptr;
    QAction *ludora4 = nullptr;
    QAction *linea = nullptr;
    QAction *exit = nullptr;
    QMenu *help = nullptr;
    QAction *help1 = nullptr;
    QAction *about = nullptr;

    QLabel *Label1 = nullptr;
    StatusPanels *StatusBar1 = nullptr;

    // Emulator editor
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QComboBox *CmbEmu = nullptr;
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

    // Parameter-set editor
    QGroupBox *Frame3 = nullptr;
    QGroupBox *FrmSetting1 = nullptr;
    MarkList *LstSetting = nullptr;
    QGroupBox *FrmSetting2 = nullptr;
    QLineEdit *TxtValue = nullptr;
    QGroupBox *FrmSetting3 = nullptr;
    QLabel *LabEmuName = nullptr;
    QLabel *LabEmu = nullptr;
    QLabel *LabNameSetting = nullptr;
    QLineEdit *TxtSettName = nullptr;
    QLabel *LabParameter = nullptr;
    QLineEdit *TxtParameter = nullptr;
    QLabel *LabPassed = nullptr;
    QLineEdit *TxtPassed = nullptr;
    QLabel *LabOptA = nullptr;
    QPlainTextEdit *TxtOptAvaiable = nullptr;
    QLabel *LabDescri = nullptr;
    QPlainTextEdit *TxtDescri = nullptr;
    QPushButton *CmdAddSett = nullptr;
    QPushButton *CmdEditSett = nullptr;
    QPushButton *CmdSalvaSett = nullptr;
    QPushButton *CmdAnnullaSett = nullptr;
    QPushButton *CmdDelete = nullptr;

private:
    void createMenus(QMainWindow *window);
    QWidget *createEmulatorFrame();
    QWidget *createSettingFrame();
};

} // namespace Emuset
