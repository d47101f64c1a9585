#include "frontend/setting/settingpage.h"

#include "frontend/session/session.h"
#include "shared/commandline.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"
#include "shared/launchlog.h"
#include "shared/queries.h"
#include "shared/schema.h"
#include "shared/setmarks.h"
#include "shared/widgets/boundwidget.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/rowentries.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

SettingPage::SettingPage(Session &session, QObject *parent) : QObject(parent), m_session(session)
{
    m_page = buildPage();
    bindControls();
    connect(LstSetting, &MarkList::entryClicked, this, &SettingPage::settingEntryClicked);
    connect(&m_session, &Session::gameShown, this, &SettingPage::LoadSettingList);
    connect(&m_session, &Session::playRequested, this, &SettingPage::playGame);
    connect(&m_session, &Session::shownEmulatorEdited, this, &SettingPage::LoadSettingList);
    connect(CmdCopy, &QPushButton::clicked, this, &SettingPage::copyCommand);
    connect(CmdOpenLog, &QPushButton::clicked, this, &SettingPage::openLaunchLog);
}

// The emulator's and the parameter set's controls and the columns they show.
void SettingPage::bindControls()
{
    bindWidget(DatEmu, TxtFileEmu1, QStringLiteral("Emu_Link"));
    bindWidget(DatEmu, TxtSetmode, QStringLiteral("Emu_Type"));
    const std::pair<QWidget *, const char *> sets[] = {
        {TxtSettName, "Nome"}, {TxtParameter, "Stringa"}, {TxtOptAvaiable, "Opzioni"}, {TxtPassed, "Scelta"},
        {TxtValue, "Scelta"},  {TxtDescri, "Descri"},     {LabEmu, "ID_Emula"},
    };
    for (const auto &[control, column] : sets)
        bindWidget(DatSett, control, QLatin1String(column));
}

// Opens DatEmu again on the shown game's emulator and puts its row into edit mode. False
// when no row has that name (*error stays empty: the caller decides whether that is an
// error) or when the table cannot be read (*error set). Without a match the emulator's
// controls are emptied rather than showing another emulator's settings.
bool SettingPage::positionOnGameEmulator(QString *error)
{
    DatEmu.setDatabaseName(m_session.console().database);
    DatEmu.setRecordSource(Queries::allEmulators());
    if (!DatEmu.open()) {
        *error = DatEmu.lastError();
        return false;
    }
    if (!DatEmu.findName(QStringLiteral("emu_name"), m_session.shownGame().emulator)) {
        *error = DatEmu.lastError();
        DatEmu.moveTo(DatEmu.rowCount());
        return false;
    }
    if (!DatEmu.edit()) {
        *error = DatEmu.lastError();
        return false;
    }
    return true;
}

// Filling writes no mark.
void SettingPage::LoadSettingList()
{
    const QString emulator = m_session.shownGame().emulator;
    DatSett.setDatabaseName(m_session.console().database);
    DatSett.setRecordSource(Queries::setsOf(emulator));
    const bool opened = DatSett.open();
    LstSetting->clear();
    if (!opened) {
        m_session.reportLoggedError(DatSett.lastError());
        showCommand();
        return;
    }
    SettingListReady = false;
    for (; !DatSett.atEnd(); DatSett.moveNext()) {
        LstSetting->addEntry(DatSett.value(Schema::Settings::Nome).toString(),
                             CommandLine::isActive(DatSett.value(Schema::Settings::Attivo)),
                             *DatSett.currentRowId());
    }
    SettingListReady = true;
    LabEmu->setText(emulator);
    QString error;
    if (!positionOnGameEmulator(&error) && !error.isEmpty())
        m_session.reportLoggedError(error);
    showCommand();
}

void SettingPage::settingEntryClicked(int row)
{
    if (!SettingListReady)
        return;
    LstSetting->setCurrentRow(row);
    ApplySetMarks();
}

// Shows the set of a list entry: exactly its row among the emulator's sets.
bool SettingPage::openOneSet(const QString &emulator, const QListWidgetItem *entry, QString *error)
{
    DatSett.setDatabaseName(m_session.console().database);
    DatSett.setRecordSource(Queries::setsOf(emulator));
    if (!DatSett.open()) {
        *error = DatSett.lastError();
        return false;
    }
    return RowEntries::positionOn(DatSett, entry, error);
}

// Stores the clicked entry's mark, and only that one: marks another program changed since
// the list was filled are not undone, and the list shows them as the file now holds them.
// A store the database refuses changes no mark; the clicked entry shows its stored mark
// again and the error goes to the error line. Then the clicked set is shown.
void SettingPage::ApplySetMarks()
{
    const int clicked = LstSetting->currentRow();
    if (clicked < 0)
        return;
    const QString emulator = m_session.shownGame().emulator;
    const QListWidgetItem *entry = LstSetting->item(clicked);
    const SetMarks::Mark mark{RowEntries::rowId(entry).value_or(0), LstSetting->isMarked(clicked), entry->text()};
    QString error;
    if (!openOneSet(emulator, entry, &error) || !SetMarks::store(m_session.console().database, {mark}, &error)) {
        LstSetting->setMarked(clicked, !LstSetting->isMarked(clicked));
        m_session.reportError(error);
        return;
    }
    const QVariant value = DatSett.value(Schema::Settings::Scelta);
    TxtValue->setText(value.isNull() ? QStringLiteral(" ") : value.toString());
    LstSetting->setMarks(SetMarks::stored(m_session.console().database, emulator));
    openOneSet(emulator, entry, &error);
    showCommand();
}

// The command Play would run now, in shell quoting; otherwise why nothing would start.
void SettingPage::showCommand()
{
    CommandLine::Launch launch;
    QString why;
    const bool starts = shownCommand(&launch, &why);
    TxtCommand->setText(starts ? CommandLine::shellText(launch) : QString());
    TxtCommand->setPlaceholderText(starts ? QString() : why);
    TxtCommand->setCursorPosition(0);
    CmdCopy->setEnabled(starts);
}

void SettingPage::copyCommand() { QGuiApplication::clipboard()->setText(TxtCommand->text()); }

void SettingPage::openLaunchLog()
{
    const QString path = LaunchLog::defaultPath();
    if (!QFileInfo(path).isFile()) {
        m_session.dialogs().information(QStringLiteral("Launch log"),
                                        QStringLiteral("There is no launch log yet: the first play writes it to ")
                                            + QDir::toNativeSeparators(path) + QLatin1Char('.'));
        return;
    }
    if (!m_session.launcher().openDocument(path))
        m_session.reportError(QStringLiteral("The launch log could not be opened: ")
                              + m_session.launcher().lastError());
}
