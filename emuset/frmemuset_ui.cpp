// The widgets of the main window, without behaviour.
#include "emuset/frmemuset_ui.h"

#include "emuset/emusetpictures.h"
#include "shared/widgets/formbuilder.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Emuset {

namespace {

using Form::frame;
using Form::named;

const QColor blue(0, 0, 255);
const QColor darkPurple(128, 0, 128);
const QColor darkRed(128, 0, 0);

QLabel *label(const QString &name, const QString &text) { return named(new QLabel(text), name); }

// Command buttons share their row's width; they do not widen the window.
QPushButton *button(const QString &name, const QString &text)
{
    auto *push = Form::button(name, text);
    push->setMinimumWidth(44);
    push->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return push;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLineEdit *box(const QString &name, const QColor &colour = {})
{
    auto *edit = named(new QLineEdit, name);
    if (colour.isValid())
        setTextColour(edit, colour);
    return edit;
}

QPlainTextEdit *area(const QString &name)
{
    auto *edit = named(new QPlainTextEdit, name);
    setTextColour(edit, blue);
    edit->setFixedHeight(46);
    return edit;
}

QAction *item(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

void FrmEmusetUi::setupUi(QMainWindow *window)
{
    window->setObjectName(QStringLiteral("FrmEmuset"));
    window->setWindowTitle(QStringLiteral("Emuset"));
    createMenus(window);

    auto *central = new QWidget(window);
    Label1 = label(QStringLiteral("Label1"),
                   QStringLiteral("Emuset : program for Add and Configure Emulators to Ludora4."));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    auto *halves = new QHBoxLayout;
    halves->addWidget(createEmulatorFrame(), 4);
    halves->addWidget(createSettingFrame(), 5);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 2);
    layout->addWidget(Label1);
    layout->addLayout(halves, 1);
    window->setCentralWidget(central);

    StatusBar1 = named(new StatusPanels(1, 0, window), QStringLiteral("StatusBar1"));
    window->setStatusBar(StatusBar1);
}

void FrmEmusetUi::createMenus(QMainWindow *window)
{
    file = window->menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    database = item(file, QStringLiteral("database"), QStringLiteral("Choose Ludora4 Directory"));
    ludora4 = item(file, QStringLiteral("ludora4"), QStringLiteral("Install Plug-In Into Ludora4"));
    linea = file->addSeparator();
    linea->setObjectName(QStringLiteral("linea"));
    exit = item(file, QStringLiteral("exit"), QStringLiteral("Exit"));
    help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("help"));
    help1 = item(help, QStringLiteral("help1"), QStringLiteral("Help"));
    about = item(help, QStringLiteral("about"), QStringLiteral("About"));
}

QWidget *FrmEmusetUi::createEmulatorFrame()
{
    Frame1 = frame(QStringLiteral("Frame1"), QStringLiteral("Emulators"));
    Frame2 = frame(QStringLiteral("Frame2"), QStringLiteral("Choose Console"));
    CmbEmu = named(new QComboBox, QStringLiteral("CmbEmu"));
    LstEmu = named(new QListWidget, QStringLiteral("LstEmu"));
    CmdLaunch = button(QStringLiteral("CmdLaunch"), QStringLiteral("Launch Emulator"));
    CmdLaunch->setIcon(EmusetPictures::launch());
    CmdLaunch->setIconSize(QSize(32, 32));
    CmdLaunch->setToolTip(QStringLiteral("Launch Selected Emulator"));
    auto *consoleLayout = new QVBoxLayout(Frame2);
    consoleLayout->addWidget(CmbEmu);
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

    auto *layout = new QVBoxLayout(Frame1);
    layout->addLayout(top, 1);
    layout->addWidget(FrmConfig1);
    layout->addWidget(FraEmu1);
    return Frame1;
}

QWidget *FrmEmusetUi::createSettingFrame()
{
    Frame3 = frame(QStringLiteral("Frame3"), QStringLiteral("Command Line Passed"));
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

    auto *layout = new QHBoxLayout(Frame3);
    layout->addLayout(left, 2);
    layout->addWidget(FrmSetting3, 5);
    return Frame3;
}

} // namespace Emuset
