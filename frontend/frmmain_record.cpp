// The "Info" page: the shown game's record and its editing commands.
#include "frontend/frmmain.h"

#include "shared/clickablelabel.h"
#include "shared/sql.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

// The record view's controls and the columns of giochi they show.
void FrmMain::bindRecordControls()
{
    const std::pair<QWidget *, const char *> bindings[] = {
        {ui.LabGame, "Gioco"},        {ui.TxtYear, "Anno"},       {ui.CmbGenre, "Genre"},
        {ui.CmbLanguage, "Language"}, {ui.CmbProducer, "Producer"}, {ui.TxtRating, "Rating"},
        {ui.CmbEmulatore, "EmuName"}, {ui.Label19, "Screen"},     {ui.TxtRom, "Link"},
        {ui.ChkPlayable, "Playable"}, {ui.ChkFavorite, "Favorites"}, {ui.ChkColour, "Colour"},
        {ui.ChkSound, "Sound"},       {ui.TxtTimes, "Times"},     {ui.TxtLastPlay, "Data"},
        {ui.Label15, "DataAdd"},      {ui.TxtGameHelp, "Notes"},
    };
    for (const auto &[control, column] : bindings)
        DatGames.bind(control, QLatin1String(column));
}

void FrmMain::connectRecordPage() {}

// Finds the row of CurrentGame in the open game query and puts it into edit mode.
void FrmMain::positionOnCurrentGame()
{
    DatGames.open();
    DatGames.findFirst(QStringLiteral("[gioco] ='") + Sql::escape(m_state.CurrentGame) + QLatin1Char('\''));
    DatGames.edit();
}

void FrmMain::ShowGameRecord()
{
    ui.CmdRight->setEnabled(false);
    ui.CmdLeft->setEnabled(false);
    positionOnCurrentGame();
    ShowSnapshots();
    LoadSettingList();
}

void FrmMain::chooseNewGameRom(const QString &, const QString &fileName)
{
    ui.TxtRom->setText(fileName);
    ui.LabGame->setText(fileName);
}

void FrmMain::chooseGameRom(const QString &, const QString &fileName)
{
    ui.TxtRom->setText(fileName);
}
