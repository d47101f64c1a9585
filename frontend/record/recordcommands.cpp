// The commands of the "Info" page: add, save and delete a game, add a producer, reset the
// play count, choose the rom and screen files, convert a picture into a screenshot.
#include "frontend/chooser/filechooser.h"
#include "frontend/record/recordpage.h"
#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/gamedates.h"
#include "shared/launcher.h"
#include "shared/schema.h"
#include "shared/snapshotconversion.h"
#include "shared/widgets/clickablelabel.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {
const QString allFiles = QStringLiteral("*.*");
const QString publisherQuery = QStringLiteral("SELECT * from publisher order by [publisher]");
} // namespace

void RecordPage::connectCommands()
{
    connect(Command9, &QPushButton::clicked, this, &RecordPage::addRom);
    connect(CmdScanRoms, &QPushButton::clicked, this, &RecordPage::scanRoms);
    connect(Command8, &QPushButton::clicked, this, &RecordPage::saveRecord);
    connect(CmdDeleteGame, &QPushButton::clicked, this, &RecordPage::deleteGame);
    connect(CmdAddPro, &QPushButton::clicked, this, &RecordPage::addProducer);
    connect(Command10, &QPushButton::clicked, this, &RecordPage::resetTimes);
    connect(TxtRom, &ClickableLabel::clicked, this, &RecordPage::chooseRomFile);
    connect(Label19, &ClickableLabel::clicked, this, &RecordPage::chooseScreenFile);
    connect(CmdConvUtil, &QPushButton::clicked, this, &RecordPage::chooseSnapshotToConvert);
    // Another emulator chosen or typed: Play would store it and start that one.
    connect(CmbEmulatore, &QComboBox::activated, this,
            [this] { m_session.editShownEmulator(CmbEmulatore->currentText()); });
    connect(CmbEmulatore->lineEdit(), &QLineEdit::textEdited, &m_session, &Session::editShownEmulator);
}

// "Add Rom": a new row named after the file chosen next. The steps go on whatever fails;
// the new row is only stored by "Save Modify" or a play.
void RecordPage::addRom()
{
    DatGames.addNew();
    showPlayableMark();
    showRatingPictures();
    showFirstScreenshot(); // of the empty new row: none of the previous game's
    showPlayTime();
    m_session.startNewGame();
    Label15->setText(GameDates::added(QDate::currentDate()));
    if (CmbEmulatore->count() > 0)
        CmbEmulatore->setCurrentIndex(0);
    QString caption = QStringLiteral("Choose Rom File For : New Game ");
    if (m_session.isAmigaActive()) {
        TxtRom->clear();
        caption = QStringLiteral("Choose Config File For : New Game ");
    }
    m_session.chooser().open(caption, m_session.console().gamesDir, allFiles,
                             [this](const QString &, const QString &fileName) {
                                 TxtRom->setText(fileName);
                                 LabGame->setText(fileName);
                             });
}

// "Save Modify": a refused store leaves the row unchanged and the controls as typed. The
// saved game is then selected and shown.
void RecordPage::saveRecord()
{
    if (refuseUnnamedNewGame())
        return;
    if (!DatGames.update()) {
        reportStoreError(QStringLiteral("The game \"") + LabGame->text() + QStringLiteral("\" was not saved: ")
                         + DatGames.lastError());
        return;
    }
    m_session.setCurrentGame(LabGame->text());
    m_session.requestFill();
}

// A new game without a name could never be listed nor deleted: neither Save nor Play
// stores it, and the new row stays pending for a file to be chosen.
bool RecordPage::refuseUnnamedNewGame()
{
    if (DatGames.editMode() != DataSource::EditMode::AddNew || !LabGame->text().trimmed().isEmpty())
        return false;
    m_session.dialogs().warning(QStringLiteral("Warning!"),
                                QStringLiteral("The new game has no name yet: choose its rom file first."));
    return true;
}

// The list then shows the game that took the deleted one's place.
void RecordPage::deleteGame()
{
    if (!m_session.dialogs().question(LabGame->text(), QStringLiteral("Delete This Game?")))
        return;
    const std::optional<qint64> row = DatGames.currentRowId();
    if (!DatGames.deleteCurrent()) {
        reportStoreError(QStringLiteral("The game \"") + LabGame->text() + QStringLiteral("\" was not deleted: ")
                         + DatGames.lastError());
        return;
    }
    m_session.reportDeleted(row);
}

// "Add New Producer": stores the typed producer, refills the list in its sorted order and
// puts the typed text back (the game's producer is stored with the record).
void RecordPage::addProducer()
{
    const QString producer = CmbProducer->currentText();
    if (producer.trimmed().isEmpty())
        return;
    // Listed already, in whatever case: that entry is chosen, nothing is stored.
    const int listed = CmbProducer->findText(producer, Qt::MatchFixedString);
    if (listed >= 0) {
        CmbProducer->setCurrentIndex(listed);
        m_session.reportError(QStringLiteral("The producer \"") + CmbProducer->itemText(listed)
                              + QStringLiteral("\" is already listed"));
        return;
    }
    DatLudora.setDatabaseName(m_session.masterDatabase());
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
    fillLookupList(CmbProducer, publisherQuery);
    CmbProducer->setCurrentIndex(CmbProducer->findText(producer, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    CmbProducer->setEditText(producer);
}

void RecordPage::resetTimes() { TxtTimes->setText(QStringLiteral("0")); }

// A click on the rom file: choose another file for the shown game.
void RecordPage::chooseRomFile()
{
    const QString caption = m_session.isAmigaActive() ? QStringLiteral("Choose Config File For Game : ")
                                                      : QStringLiteral("Choose Rom File For Game : ");
    m_session.chooser().open(caption + LabGame->text(), m_session.console().gamesDir, allFiles,
                             [this](const QString &, const QString &fileName) { TxtRom->setText(fileName); });
}

void RecordPage::chooseScreenFile()
{
    m_session.chooser().open(QStringLiteral("Choose Screen File For Game : ") + LabGame->text(),
                             m_session.console().screenDir, allFiles,
                             [this](const QString &, const QString &fileName) { Label19->setText(fileName); });
}

void RecordPage::chooseSnapshotToConvert()
{
    m_session.chooser().open(QStringLiteral("Choose Snap File To Convert For : ") + LabGame->text(),
                             m_session.rootDir(), allFiles, [this](const QString &directory, const QString &file) {
                                 convertSnapshot(FileChooser::path(directory, file));
                             });
}

// Copies the image into the screenshot directory and starts the converter; once the
// converter has ended, the record view and the screenshots show what it wrote, if the
// game is still the one shown.
void RecordPage::convertSnapshot(const QString &source)
{
    // The name's cut follows the active console, whatever its status panel still says.
    const Consoles::Console *console = m_session.activeConsole();
    const SnapshotConversion::Request request{source, TxtRom->text(),
                                              console ? console->statusFinal : m_session.console().title,
                                              m_session.console().screenDir, m_session.rootDir()};
    SnapshotConversion::Plan plan;
    QString error;
    const std::optional<qint64> row = DatGames.currentRowId();
    auto converted = [page = QPointer<RecordPage>(this), row](const Launcher::Exit &) {
        if (page && page->DatGames.currentRowId() == row)
            page->showRecordDetails();
    };
    if (!SnapshotConversion::prepare(request, &plan, &error)
        || !SnapshotConversion::carryOut(plan, m_session.launcher(), &error, converted)) {
        m_session.reportError(error);
        return;
    }
    Label19->setText(plan.screenField);
}
