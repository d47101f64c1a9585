// The "Info" page: the shown game's record and its editing commands.
#include "frontend/frmmain.h"

#include "frontend/gamelistmodel.h"
#include "frontend/strikeline.h"
#include "shared/dialogs.h"
#include "shared/gamedates.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/queries.h"
#include "shared/rating.h"
#include "shared/schema.h"
#include "shared/widgets/boundwidget.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/statuspanels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString publisherQuery = QStringLiteral("SELECT * from publisher order by [publisher]");
const QString allFiles = QStringLiteral("*.*");

// A yes/no field that holds "no"; an empty (Null) field is not "no".
bool storedFalse(const QVariant &value)
{
    if (value.isNull())
        return false;
    const QString text = value.toString().trimmed();
    bool number = false;
    const double n = text.toDouble(&number);
    return number ? n == 0 : text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0;
}

} // namespace

// The record view's controls and the columns of giochi they show.
void FrmMain::bindRecordControls()
{
    const std::pair<QWidget *, const char *> bindings[] = {
        {ui.LabGame, "Gioco"},        {ui.TxtYear, "Anno"},          {ui.CmbGenre, "Genre"},
        {ui.CmbLanguage, "Language"}, {ui.CmbProducer, "Producer"},  {ui.TxtRating, "Rating"},
        {ui.CmbEmulatore, "EmuName"}, {ui.Label19, "Screen"},        {ui.TxtRom, "Link"},
        {ui.ChkPlayable, "Playable"}, {ui.ChkFavorite, "Favorites"}, {ui.ChkColour, "Colour"},
        {ui.ChkSound, "Sound"},       {ui.TxtTimes, "Times"},        {ui.TxtLastPlay, "Data"},
        {ui.Label15, "DataAdd"},      {ui.TxtGameHelp, "Notes"},
    };
    for (const auto &[control, column] : bindings)
        bindWidget(DatGames, control, QLatin1String(column));
}

void FrmMain::connectRecordPage()
{
    connect(ui.Command9, &QPushButton::clicked, this, &FrmMain::addRom);
    connect(ui.Command8, &QPushButton::clicked, this, &FrmMain::saveRecord);
    connect(ui.CmdDeleteGame, &QPushButton::clicked, this, &FrmMain::deleteGame);
    connect(ui.CmdAddPro, &QPushButton::clicked, this, &FrmMain::addProducer);
    connect(ui.Command10, &QPushButton::clicked, this, &FrmMain::resetTimes);
    connect(ui.TxtRom, &ClickableLabel::clicked, this, &FrmMain::chooseRomFile);
}

void FrmMain::recordDisplayError(const QString &text)
{
    recordError(text);
    ui.Text7->setPlainText(text);
}

// Opens the game query and puts the row of CurrentGame into edit mode: its own row when
// known in this database, otherwise the first row of its name (one with the same case
// first). A game that is not listed is not an error: the data source stays on the first row.
void FrmMain::positionOnCurrentGame()
{
    // The controls show the game found, not the first row the open stands on.
    const DataSource::ControlsHeld held(DatGames);
    if (!DatGames.open()) {
        recordDisplayError(DatGames.lastError());
        return;
    }
    // The row picked last, while it still holds CurrentGame's name.
    const bool rowKnown = m_state.CurrentGameRow && m_state.CurrentGameDb == m_state.ConsoleDb
                          && DatGames.moveToRowId(*m_state.CurrentGameRow)
                          && DatGames.value(Schema::Games::Gioco).toString() == m_state.CurrentGame;
    if (!rowKnown) {
        if (DatGames.findName(QStringLiteral("gioco"), m_state.CurrentGame))
            rememberCurrentGameRow();
        else if (!DatGames.lastError().isEmpty())
            recordDisplayError(DatGames.lastError());
        else
            DatGames.moveFirst();
    }
    if (!DatGames.isEmpty() && !DatGames.edit())
        recordDisplayError(DatGames.lastError());
}

void FrmMain::rememberCurrentGameRow()
{
    m_state.CurrentGameRow = DatGames.currentRowId();
    m_state.CurrentGameDb = m_state.ConsoleDb;
}

void FrmMain::ShowGameRecord()
{
    positionOnCurrentGame();
    showRecordDetails();
}

// What the record view shows beside the bound controls, for the row DatGames stands on.
void FrmMain::showRecordDetails()
{
    ui.CmdRight->setEnabled(false);
    ui.CmdLeft->setEnabled(false);
    showRecordPictures();
    LoadSettingList();
}

// The pictures that follow the record: playable mark, stars, cup and screenshots.
void FrmMain::showRecordPictures()
{
    showPlayableMark();
    showRatingPictures();
    ShowSnapshots();
}

void FrmMain::showPlayableMark()
{
    ui.ImgFavorites->show();
    // A new row, not stored yet, is marked neither way.
    const bool adding = DatGames.editMode() == DataSource::EditMode::AddNew;
    ui.Line2->setVisible(!adding && storedFalse(DatGames.value(Schema::Games::Playable)));
}

void FrmMain::showRatingPictures()
{
    const int rating = Rating::stars(DatGames.value(Schema::Games::Rating));
    for (int star = 0; star < int(ui.ImgStar2.size()); ++star)
        ui.ImgStar2[star]->setVisible(star < rating);
    ui.ImgFavorites2->setVisible(rating == Rating::top);
}

bool FrmMain::isAmigaActive() const { return ui.StatusBar1->text(1) == QLatin1String("Amiga"); }

// A store the database refused: the typed values stay in the controls for another try.
void FrmMain::reportStoreError(const QString &text) { m_state.dialogs->critical(text); }

// "Add Rom": a new row named after the file chosen next (purpose 10). The steps go on
// whatever fails; the new row is only stored by "Save Modify" or a play.
void FrmMain::addRom()
{
    DatGames.addNew();
    ui.CmdRight->setEnabled(false);
    ui.CmdLeft->setEnabled(false);
    showRecordPictures(); // of the empty new row: none of the previous game's
    ui.Label15->setText(GameDates::added(QDate::currentDate()));
    if (ui.CmbEmulatore->count() > 0)
        ui.CmbEmulatore->setCurrentIndex(0);
    QString caption = QStringLiteral("Choose Rom File For : New Game ");
    if (isAmigaActive()) {
        ui.TxtRom->clear();
        caption = QStringLiteral("Choose Config File For : New Game ");
    }
    openChooser(PurposeNewGameRom, caption, m_state.GamesDir, allFiles);
}

// "Save Modify": a refused store leaves the row unchanged and the controls as typed. A
// new game without a name could never be listed nor deleted: it is refused, and the new
// row stays pending for a file to be chosen. The saved game is then selected and shown.
void FrmMain::saveRecord()
{
    if (DatGames.editMode() == DataSource::EditMode::AddNew && ui.LabGame->text().trimmed().isEmpty()) {
        m_state.dialogs->message(Dialogs::Icon::Warning, Dialogs::Buttons::Ok, QStringLiteral("Warning!"),
                                 QStringLiteral("The new game has no name yet: choose its rom file first."));
        return;
    }
    if (!DatGames.update()) {
        reportStoreError(QStringLiteral("The game \"") + ui.LabGame->text() + QStringLiteral("\" was not saved: ")
                         + DatGames.lastError());
        return;
    }
    m_state.CurrentGame = ui.LabGame->text();
    FillGameList();
}

// After a delete the game that took the deleted one's place in the list (or the one
// before it, at the end) is selected and shown.
void FrmMain::deleteGame()
{
    if (!m_state.dialogs->question(ui.LabGame->text(), QStringLiteral("Delete This Game?")))
        return;
    const int row = m_gameList->rowOfId(DatGames.currentRowId());
    const QString next = m_gameList->name(row + 1);
    const QString neighbour = row < 0 ? m_state.CurrentGame : next.isEmpty() ? m_gameList->name(row - 1) : next;
    if (!DatGames.deleteCurrent()) {
        reportStoreError(QStringLiteral("The game \"") + ui.LabGame->text()
                         + QStringLiteral("\" was not deleted: ") + DatGames.lastError());
        return;
    }
    m_state.CurrentGame = neighbour;
    FillGameList();
}

// "Add New Producer": stores the typed producer, refills the list in its sorted order and
// puts the typed text back (the game's producer is stored with the record).
void FrmMain::addProducer()
{
    const QString producer = ui.CmbProducer->currentText();
    if (producer.trimmed().isEmpty())
        return;
    // Listed already, in whatever case: that entry is chosen, nothing is stored.
    const int listed = ui.CmbProducer->findText(producer, Qt::MatchFixedString);
    if (listed >= 0) {
        ui.CmbProducer->setCurrentIndex(listed);
        recordError(QStringLiteral("The producer \"") + ui.CmbProducer->itemText(listed)
                    + QStringLiteral("\" is already listed"));
        return;
    }
    DatLudora.setDatabaseName(Paths::join(m_state.RootDir, InstallationPaths::masterDatabase()));
    DatLudora.setRecordSource(publisherQuery);
    const bool stored = DatLudora.open() && DatLudora.addNew()
                        && DatLudora.setValue(Schema::Lookup::Text, producer) && DatLudora.update();
    if (!stored) {
        const QString error = DatLudora.lastError();
        DatLudora.cancelUpdate();
        reportStoreError(QStringLiteral("The producer \"") + producer + QStringLiteral("\" was not added: ")
                         + error);
        return;
    }
    fillLookupList(ui.CmbProducer, publisherQuery);
    ui.CmbProducer->setCurrentIndex(
        ui.CmbProducer->findText(producer, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    ui.CmbProducer->setEditText(producer);
}

void FrmMain::resetTimes() { ui.TxtTimes->setText(QStringLiteral("0")); }

// A click on the rom file: choose another file for the shown game (purpose 100).
void FrmMain::chooseRomFile()
{
    const QString caption = isAmigaActive() ? QStringLiteral("Choose Config File For Game : ")
                                            : QStringLiteral("Choose Rom File For Game : ");
    openChooser(PurposeGameRom, caption + ui.LabGame->text(), m_state.GamesDir, allFiles);
}

void FrmMain::chooseNewGameRom(const QString &, const QString &fileName)
{
    ui.TxtRom->setText(fileName);
    ui.LabGame->setText(fileName);
}

void FrmMain::chooseGameRom(const QString &, const QString &fileName) { ui.TxtRom->setText(fileName); }
