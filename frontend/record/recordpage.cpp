#include "frontend/record/recordpage.h"

#include "frontend/record/strikeline.h"
#include "frontend/snapshots/snapshotfiles.h"
#include "shared/columntexts.h"
#include "shared/dialogs.h"
#include "shared/gamedates.h"
#include "shared/paths.h"
#include "shared/playtime.h"
#include "shared/queries.h"
#include "shared/rating.h"
#include "shared/saturating.h"
#include "shared/schema.h"
#include "shared/widgets/boundwidget.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/rowentries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cmath>

namespace {

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

// The play count after one more play; a count that is not a whole number counts as 0.
// A count at or beyond the largest whole number stays at the largest.
QString nextCount(const QString &times)
{
    bool number = false;
    qlonglong count = times.trimmed().toLongLong(&number);
    if (!number) {
        const double real = times.trimmed().toDouble(&number);
        number = number && std::abs(real) >= 9223372036854775807.0;
        count = Saturating::toInt64(real);
    }
    return QString::number(number ? Saturating::add(count, 1) : 1);
}

} // namespace

RecordPage::RecordPage(Session &session, QObject *parent) : QObject(parent), m_session(session)
{
    m_page = buildPage();
    bindControls();
    connectCommands();
    connect(&m_session, &Session::recordRequested, this, &RecordPage::ShowGameRecord);
    connect(&m_session, &Session::gamePicked, this, &RecordPage::showPickedGame);
    connect(&m_session, &Session::emptyRecordRequested, this, &RecordPage::showNoGame);
    connect(&m_session, &Session::screenFileRequested, this, &RecordPage::chooseScreenFile);
    connect(&m_session, &Session::playTimeAdded, this, &RecordPage::showAddedPlayTime);
    m_session.setRecordStores([this](QString *error) { return storeForPlay(error); },
                              [this](QString *error) { return countPlay(error); });
    m_session.setLeaveGuard([this] { return settleChanges(); });
}

// The record view's controls and the columns of giochi they show.
void RecordPage::bindControls()
{
    const std::pair<QWidget *, const char *> bindings[] = {
        {LabGame, "Gioco"},        {TxtYear, "Anno"},          {CmbGenre, "Genre"},
        {CmbLanguage, "Language"}, {CmbProducer, "Producer"},  {TxtRating, "Rating"},
        {CmbEmulatore, "EmuName"}, {Label19, "Screen"},        {TxtRom, "Link"},
        {ChkPlayable, "Playable"}, {ChkFavorite, "Favorites"}, {ChkColour, "Colour"},
        {ChkSound, "Sound"},       {TxtTimes, "Times"},        {TxtLastPlay, "Data"},
        {Label15, "DataAdd"},      {TxtGameHelp, "Notes"},
    };
    for (const auto &[control, column] : bindings)
        bindWidget(DatGames, control, QLatin1String(column));
}

void RecordPage::fillLookupList(QComboBox *list, const QString &recordSource)
{
    QStringList entries;
    const bool opened = readColumnTexts(DatLudora, m_session.masterDatabase(), recordSource, Schema::Lookup::Text,
                                        &entries);
    list->clear();
    list->addItems(entries);
    if (!opened)
        m_session.reportError(DatLudora.lastError());
}

// Genres and producers read again, the shown record's texts kept as they stand.
void RecordPage::refreshMasterLists()
{
    const std::pair<QComboBox *, QString> lists[] = {
        {CmbGenre, QStringLiteral("genres")},
        {CmbProducer, QStringLiteral("SELECT * from publisher order by [publisher]")},
    };
    for (const auto &[list, source] : lists) {
        const QString shown = list->currentText();
        fillLookupList(list, source);
        list->setEditText(shown);
    }
}

void RecordPage::fillLookupLists()
{
    fillLookupList(CmbLanguage, QStringLiteral("SELECT * from langu order by [language]"));
    fillLookupList(CmbGenre, QStringLiteral("genres"));
    fillLookupList(CmbProducer, QStringLiteral("SELECT * from publisher order by [publisher]"));
    QStringList years;
    for (int year = 1975; year <= 2009; ++year)
        years.append(QString::number(year));
    TxtYear->addItems(years);
    TxtRating->clear();
    for (int rating = 0; rating <= 5; ++rating)
        TxtRating->addItem(QString::number(rating));
}

void RecordPage::FillEmulatorList()
{
    QStringList names;
    const bool opened = readColumnTexts(DatEmu, m_session.console().database, Queries::allEmulators(),
                                        Schema::Emulators::Name, &names);
    CmbEmulatore->clear();
    CmbEmulatore->addItems(names);
    // The list's first entry must not stand in for the shown game's emulator.
    DatGames.pushToControls();
    if (!opened)
        m_session.reportError(DatEmu.lastError());
}

// An error of the record display: the error line and the "Error LOG" box.
void RecordPage::reportDisplayError(const QString &text) { m_session.reportLoggedError(text); }

// A store the database refused: the typed values stay in the controls for another try.
void RecordPage::reportStoreError(const QString &text) { m_session.dialogs().critical(text); }

// Opens the game query and puts the row of the current game into edit mode. A game that
// is not listed is not an error: the data source stays on the first row.
void RecordPage::positionOnCurrentGame()
{
    DatGames.setDatabaseName(m_session.console().database);
    DatGames.setRecordSource(m_session.gameQuery());
    // The controls show the game found, not the first row the open stands on.
    const DataSource::ControlsHeld held(DatGames);
    if (!DatGames.open()) {
        reportDisplayError(DatGames.lastError());
        return;
    }
    // The row picked last, while it still holds the current game's name.
    const std::optional<qint64> row = m_session.currentGameRow();
    const bool rowKnown = row && DatGames.moveToRowId(*row)
                          && DatGames.value(Schema::Games::Gioco).toString() == m_session.currentGame();
    if (!rowKnown) {
        if (DatGames.findName(QStringLiteral("gioco"), m_session.currentGame()))
            m_session.setCurrentGame(m_session.currentGame(), DatGames.currentRowId());
        else if (!DatGames.lastError().isEmpty())
            reportDisplayError(DatGames.lastError());
        else
            DatGames.moveFirst();
    }
    if (!DatGames.isEmpty() && !DatGames.edit())
        reportDisplayError(DatGames.lastError());
}

void RecordPage::ShowGameRecord()
{
    positionOnCurrentGame();
    showRecordDetails();
}

// A game picked in the list: exactly its row. A row that is gone shows nothing, so that
// no action reaches another game.
void RecordPage::showPickedGame(std::optional<qint64> row, const QString &text)
{
    const Session::Leave leave = settleChanges();
    if (leave == Session::Leave::Stay) {
        m_session.setShownGame(shownGame()); // the list selects the shown game again
        return;
    }
    if (leave == Session::Leave::Saved) {
        // The list shows the stored names, then the picked game.
        m_session.setCurrentGame(text, row);
        m_session.requestFill();
        return;
    }
    std::optional<DataSource::ControlsHeld> held(std::in_place, DatGames);
    if (!DatGames.open()) {
        m_session.reportError(DatGames.lastError());
        return;
    }
    QString error;
    const bool positioned = RowEntries::positionOnRow(DatGames, row, text, &error) && DatGames.edit();
    held.reset();
    if (!positioned) {
        showRecordDetails();
        m_session.reportError(error.isEmpty() ? DatGames.lastError() : error);
        return;
    }
    m_session.setCurrentGame(DatGames.value(Schema::Games::Gioco).toString(), DatGames.currentRowId());
    ShowGameRecord();
}

// Nothing listed: no game is shown, so that no action reaches a game the list does not
// hold. Changes not stored are settled first; staying keeps the record shown.
void RecordPage::showNoGame()
{
    if (settleChanges() == Session::Leave::Stay)
        return;
    positionOnCurrentGame(); // the game query's file, for what the buttons then say
    DatGames.moveTo(DatGames.rowCount());
    showRecordDetails();
}

Session::ShownGame RecordPage::shownGame() const
{
    // The Screen field as shown: a conversion names the new screenshot there before a save.
    return {DatGames.currentRowId(),
            DatGames.value(Schema::Games::Gioco).toString(),
            DatGames.value(Schema::Games::EmuName).toString(),
            Label19->text(),
            DatGames.value(QStringLiteral("Link")).toString(),
            DatGames.editMode() == DataSource::EditMode::AddNew};
}

// What the record view shows beside the bound controls; then the other pages follow.
void RecordPage::showRecordDetails()
{
    showPlayableMark();
    showRatingPictures();
    showFirstScreenshot();
    showPlayTime();
    m_session.setShownGame(shownGame());
}

// Play time is no bound field: the front-end adds to it, the person never types it, and
// a play that ends while the record is being edited must not make it look changed.
void RecordPage::showPlayTime()
{
    LabPlayTime->setText(PlayTime::text(DatGames.value(QString(Schema::Games::PlayTime)).toLongLong()));
}

// A play ended: its game's label follows when that game is still the one shown.
void RecordPage::showAddedPlayTime(const QString &database, qint64 row, qint64 total)
{
    if (database == m_session.console().database && DatGames.currentRowId() == row)
        LabPlayTime->setText(PlayTime::text(total));
}

void RecordPage::showPlayableMark()
{
    ImgFavorites->show();
    // A new row, not stored yet, is marked neither way.
    const bool adding = DatGames.editMode() == DataSource::EditMode::AddNew;
    Line2->setVisible(!adding && storedFalse(DatGames.value(Schema::Games::Playable)));
}

void RecordPage::showRatingPictures()
{
    const int rating = Rating::stars(DatGames.value(Schema::Games::Rating));
    for (int star = 0; star < int(ImgStar2.size()); ++star)
        ImgStar2[star]->setVisible(star < rating);
    ImgFavorites2->setVisible(rating == Rating::top);
}

void RecordPage::showFirstScreenshot()
{
    const QString screen = Label19->text();
    const QString first = SnapshotFiles::file(m_session.console().screenDir, screen, 0);
    QString error;
    if (screen.isEmpty() || Paths::probe(first).isEmpty())
        SnapshotFiles::showNone(ImgSnap3, m_session.noPicture());
    else if (!SnapshotFiles::showOrNone(ImgSnap3, first, m_session.noPicture(), &error))
        reportDisplayError(error);
}

// Changes not stored in the shown record: Save stores them, Discard drops them, Cancel
// stays. A new game counts once it has a name; a store refused keeps the person there.
Session::Leave RecordPage::settleChanges()
{
    const bool adding = DatGames.editMode() == DataSource::EditMode::AddNew;
    const bool editing = DatGames.editMode() == DataSource::EditMode::Edit;
    if (adding ? LabGame->text().trimmed().isEmpty() : !editing || !DatGames.controlsChanged())
        return Session::Leave::Left;
    const QString name = LabGame->text();
    switch (m_session.dialogs().askToSave(QStringLiteral("Ludora4"),
                                          QStringLiteral("Save the changes to ") + name + QLatin1Char('?'))) {
    case Dialogs::Choice::Save:
        if (!DatGames.update()) {
            reportStoreError(QStringLiteral("The game \"") + name + QStringLiteral("\" was not saved: ")
                             + DatGames.lastError());
            return Session::Leave::Stay;
        }
        return Session::Leave::Saved;
    case Dialogs::Choice::Discard:
        if (adding)
            DatGames.cancelUpdate();
        DatGames.pushToControls();
        return Session::Leave::Left;
    case Dialogs::Choice::Cancel: break;
    }
    return Session::Leave::Stay;
}

// Stores the bound controls into the shown row, which then stays in edit mode.
bool RecordPage::storeForPlay(QString *error)
{
    if (refuseUnnamedNewGame())
        return false;
    if (!DatGames.update()) {
        *error = DatGames.lastError();
        return false;
    }
    DatGames.edit();
    m_session.refreshShownGame(shownGame());
    return true;
}

// One more play, dated today.
bool RecordPage::countPlay(QString *error)
{
    TxtTimes->setText(nextCount(TxtTimes->text()));
    TxtLastPlay->setText(GameDates::lastPlay(QDate::currentDate()));
    return storeForPlay(error);
}
