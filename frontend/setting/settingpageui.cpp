// The widgets of the "Setting" page.
#include "frontend/common/formparts.h"
#include "frontend/setting/settingpage.h"
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

using Form::named;
using namespace FormParts;

QGroupBox *SettingPage::buildPage()
{
    QGroupBox *page = Form::frame({}, QStringLiteral("Setting Option Parameter Passed"));
    LstSetting = named(new MarkList, QStringLiteral("LstSetting"));
    TxtValue = named(new QLineEdit, QStringLiteral("TxtValue"));
    TxtDescri = textArea(QStringLiteral("TxtDescri"), 44);
    LstSetting->setToolTip(QStringLiteral(
        "Each ticked set adds its parameter and value to the command line. They are split into "
        "arguments as a shell splits words: blanks separate, double quotes keep blanks inside one "
        "argument and are removed (--config=\"/home/me/my dir/x.ini\"); nothing is expanded. The rom "
        "path is always one argument."));

    auto *middle = new QHBoxLayout;
    middle->addWidget(frameAround(QStringLiteral("Command Line List"), LstSetting), 2);
    middle->addWidget(buildSetDetails(), 3);
    auto *lower = new QHBoxLayout;
    QGroupBox *value = frameAround(QStringLiteral("Value Passed"), TxtValue);
    value->layout()->setAlignment(TxtValue, Qt::AlignTop);
    lower->addWidget(value, 2);
    lower->addWidget(frameAround(QStringLiteral("Description"), TxtDescri), 3);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(buildEmulatorFrame());
    layout->addLayout(middle, 3);
    layout->addLayout(lower, 2);
    layout->addWidget(buildCommandFrame());
    // The front-end stores only the set marks: what is shown here cannot be typed over.
    for (QLineEdit *box : {TxtFileEmu1, TxtSetmode, TxtSettName, TxtParameter, TxtPassed, TxtValue})
        box->setReadOnly(true);
    for (QPlainTextEdit *box : {TxtOptAvaiable, TxtDescri})
        box->setReadOnly(true);
    return page;
}

QWidget *SettingPage::buildEmulatorFrame()
{
    TxtFileEmu1 = named(new QLineEdit, QStringLiteral("TxtFileEmu1"));
    TxtSetmode = named(new QLineEdit, QStringLiteral("TxtSetmode"));
    TxtSetmode->setFixedWidth(36);
    QLabel *note = wrapped(QStringLiteral("With this you can set if the command line is passed After or "
                                          "Before the rom ( is necessary in some Emulators )"));

    QGroupBox *box = Form::frame({}, QStringLiteral("Emulator Settings"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(3);
    grid->addWidget(TxtFileEmu1, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Setting mode :")), 1, 0);
    grid->addWidget(TxtSetmode, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("( 1- After , 2 - Before )")), 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(note, 2, 0, 1, 4);
    return box;
}

// The command Play would run, to read or copy, and the log of the plays.
QWidget *SettingPage::buildCommandFrame()
{
    TxtCommand = named(new QLineEdit, QStringLiteral("TxtCommand"));
    TxtCommand->setReadOnly(true);
    TxtCommand->setToolTip(QStringLiteral("The command Play runs for this game, quoted as a shell would read it"));
    CmdCopy = Form::button(QStringLiteral("CmdCopy"), QStringLiteral("Copy"));
    CmdOpenLog = Form::button(QStringLiteral("CmdOpenLog"), QStringLiteral("Open launch log"));
    CmdOpenLog->setToolTip(QStringLiteral("Every play: when, which game, the command, its exit status and how "
                                          "long it ran"));
    QGroupBox *box = Form::frame({}, QStringLiteral("Command"));
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(6, 4, 6, 6);
    row->addWidget(TxtCommand, 1);
    row->addWidget(CmdCopy);
    row->addWidget(CmdOpenLog);
    return box;
}

QWidget *SettingPage::buildSetDetails()
{
    LabEmu = named(new QLabel, QStringLiteral("LabEmu"));
    frameAsValue(LabEmu, QStringLiteral("LabEmu"));
    TxtSettName = named(new QLineEdit, QStringLiteral("TxtSettName"));
    TxtParameter = named(new QLineEdit, QStringLiteral("TxtParameter"));
    TxtOptAvaiable = textArea(QStringLiteral("TxtOptAvaiable"), 40);
    TxtPassed = named(new QLineEdit, QStringLiteral("TxtPassed"));

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    addRow(grid, QStringLiteral("Emulator :"), LabEmu);
    addRow(grid, QStringLiteral("Setting Name :"), TxtSettName);
    addRow(grid, QStringLiteral("Parameter :"), TxtParameter);
    addRow(grid, QStringLiteral("Options Avaiable :"), TxtOptAvaiable);
    addRow(grid, QStringLiteral("Opt. Passed :"), TxtPassed);
    grid->itemAtPosition(3, 0)->setAlignment(Qt::AlignTop);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    return withLayout(grid);
}
