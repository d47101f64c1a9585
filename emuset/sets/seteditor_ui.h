#pragma once

class MarkList;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace Emuset {

// The parameter-set editor's widgets, without behaviour: the set list with its marks, the
// value passed, the set's boxes and the commands. Every control carries its form name as
// objectName.
struct SetEditorUi {
    void setupUi(QGroupBox *frame);

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
};

} // namespace Emuset
