#include "emuset/emulators/emulatoreditor_ui.h"

#include "emuset/about/emusetpictures.h"
#include "emuset/editing/formparts.h"
#include "shared/widgets/formbuilder.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace Emuset {

using namespace FormParts;
using Form::frame;
using Form::named;

void EmulatorEditorUi::setupUi(QGroupBox *frame1, QComboBox *consoles)
{
    Frame2 = frame(QStringLiteral("Frame2"), QStringLiteral("Choose Console"));
    LstEmu = named(new QListWidget, QStringLiteral("LstEmu"));
    CmdLaunch = button(QStringLiteral("CmdLaunch"), QStringLiteral("Launch Emulator"));
    CmdLaunch->setIcon(EmusetPictures::launch());
    CmdLaunch->setIconSize(QSize(32, 32));
    CmdLaunch->setToolTip(QStringLiteral("Launch Selected Emulator"));
    auto *consoleLayout = new QVBoxLayout(Frame2);
    consoleLayout->addWidget(consoles);
    auto *right = new QVBoxLayout;
    right->addWidget(Frame2);
    right->addStretch(1);
    right->addWidget(CmdLaunch);
    auto *top = new QHBoxLayout;
    top->addWidget(LstEmu, 1);
    top->addLayout(right, 1);

    FrmConfig1 = frame(QStringLiteral("FrmConfig1"), QStringLiteral("Emulators"));
    LabEmu1 = label(QStringLiteral("LabEmu1"), QStringLiteral("Emulator  :"));
    TxtEmu1 = box(QStringLiteral("TxtEmu1"), blue);
    LabSetType = label(QStringLiteral("LabSetType"), QStringLiteral("Setting mode :"));
    TxtSetmode = box(QStringLiteral("TxtSetmode"));
    TxtSetmode->setFixedWidth(36);
    Label17 = label(QStringLiteral("Label17"), QStringLiteral("( 1- After , 2 - Before )"));
    Label16 = label(QStringLiteral("Label16"),
                    QStringLiteral("With this you can set if the command line is passed After or Before the rom "
                                   "( is necessary in some Emulators ). Standard Set is 1"));
    Label16->setWordWrap(true);
    TxtFileEmu1 = box(QStringLiteral("TxtFileEmu1"), darkPurple);
    CmdEmu1 = button(QStringLiteral("CmdEmu1"), QStringLiteral(">>"));
    CmdEmu1->setFixedWidth(32);
    auto *config = new QGridLayout(FrmConfig1);
    config->addWidget(LabEmu1, 0, 0);
    config->addWidget(TxtEmu1, 0, 1, 1, 3);
    config->addWidget(LabSetType, 1, 0);
    config->addWidget(TxtSetmode, 1, 1);
    config->addWidget(Label17, 1, 2, 1, 2);
    config->addWidget(Label16, 2, 0, 1, 4);
    config->addWidget(TxtFileEmu1, 3, 0, 1, 3);
    config->addWidget(CmdEmu1, 3, 3);
    config->setColumnStretch(2, 1);

    FraEmu1 = frame(QStringLiteral("FraEmu1"), QString());
    CmdNewEmu = button(QStringLiteral("CmdNewEmu"), QStringLiteral("New"));
    CmdEditEmu = button(QStringLiteral("CmdEditEmu"), QStringLiteral("Edit"));
    CmdSaveEmu = button(QStringLiteral("CmdSaveEmu"), QStringLiteral("Save"));
    CmdCancelEmu = button(QStringLiteral("CmdCancelEmu"), QStringLiteral("Cancel"));
    CmdDeleteEmu = button(QStringLiteral("CmdDeleteEmu"), QStringLiteral("Delete"));
    auto *commands = new QHBoxLayout(FraEmu1);
    commands->setContentsMargins(4, 4, 4, 4);
    for (QPushButton *command : {CmdNewEmu, CmdEditEmu, CmdSaveEmu, CmdCancelEmu, CmdDeleteEmu})
        commands->addWidget(command);

    auto *layout = new QVBoxLayout(frame1);
    layout->addLayout(top, 1);
    layout->addWidget(FrmConfig1);
    layout->addWidget(FraEmu1);
}

} // namespace Emuset
