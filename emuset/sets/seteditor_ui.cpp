#include "emuset/sets/seteditor_ui.h"

#include "emuset/editing/formparts.h"
#include "shared/widgets/formbuilder.h"
#include "shared/widgets/marklist.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Emuset {

using namespace FormParts;
using Form::frame;
using Form::named;

void SetEditorUi::setupUi(QGroupBox *frame3)
{
    FrmSetting1 = frame(QStringLiteral("FrmSetting1"), QStringLiteral("Emulator Setting"));
    LstSetting = named(new MarkList, QStringLiteral("LstSetting"));
    (new QVBoxLayout(FrmSetting1))->addWidget(LstSetting);
    FrmSetting2 = frame(QStringLiteral("FrmSetting2"), QStringLiteral("Value Passed"));
    TxtValue = box(QStringLiteral("TxtValue"), blue);
    TxtValue->setReadOnly(true);
    (new QVBoxLayout(FrmSetting2))->addWidget(TxtValue);
    auto *left = new QVBoxLayout;
    left->addWidget(FrmSetting1, 1);
    left->addWidget(FrmSetting2);
    for (QWidget *column : {FrmSetting1, FrmSetting2})
        column->setMaximumWidth(124);

    FrmSetting3 = frame(QStringLiteral("FrmSetting3"), QStringLiteral("Description"));
    LabEmuName = label(QStringLiteral("LabEmuName"), QStringLiteral("Emulator :"));
    LabEmu = label(QStringLiteral("LabEmu"), QString());
    setTextColour(LabEmu, darkRed);
    LabNameSetting = label(QStringLiteral("LabNameSetting"), QStringLiteral("Setting Name :"));
    TxtSettName = box(QStringLiteral("TxtSettName"), blue);
    LabParameter = label(QStringLiteral("LabParameter"), QStringLiteral("Parameter :"));
    TxtParameter = box(QStringLiteral("TxtParameter"), blue);
    LabPassed = label(QStringLiteral("LabPassed"), QStringLiteral("Opt. Passed :"));
    TxtPassed = box(QStringLiteral("TxtPassed"), blue);
    LabOptA = label(QStringLiteral("LabOptA"), QStringLiteral("Options Avaiable :"));
    TxtOptAvaiable = area(QStringLiteral("TxtOptAvaiable"));
    LabDescri = label(QStringLiteral("LabDescri"), QStringLiteral("Description :"));
    TxtDescri = area(QStringLiteral("TxtDescri"));
    CmdAddSett = button(QStringLiteral("CmdAddSett"), QStringLiteral("New"));
    CmdEditSett = button(QStringLiteral("CmdEditSett"), QStringLiteral("Edit"));
    CmdSalvaSett = button(QStringLiteral("CmdSalvaSett"), QStringLiteral("Save"));
    CmdAnnullaSett = button(QStringLiteral("CmdAnnullaSett"), QStringLiteral("Cancel"));
    CmdDelete = button(QStringLiteral("CmdDelete"), QStringLiteral("Delete"));

    auto *fields = new QGridLayout;
    const std::pair<QLabel *, QWidget *> rows[] = {
        {LabEmuName, LabEmu},   {LabNameSetting, TxtSettName}, {LabParameter, TxtParameter},
        {LabPassed, TxtPassed}, {LabOptA, TxtOptAvaiable},     {LabDescri, TxtDescri},
    };
    int row = 0;
    for (const auto &[caption, field] : rows) {
        fields->addWidget(caption, row, 0, Qt::AlignTop);
        fields->addWidget(field, row++, 1);
    }
    auto *commands = new QHBoxLayout;
    commands->setSpacing(2);
    for (QPushButton *command : {CmdAddSett, CmdEditSett, CmdSalvaSett, CmdAnnullaSett, CmdDelete})
        commands->addWidget(command);
    auto *description = new QVBoxLayout(FrmSetting3);
    description->addLayout(fields);
    description->addStretch(1);
    description->addLayout(commands);

    auto *layout = new QHBoxLayout(frame3);
    layout->addLayout(left, 2);
    layout->addWidget(FrmSetting3, 5);
}

} // namespace Emuset
