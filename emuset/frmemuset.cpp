#include "emuset/frmemuset.h"

#include "emuset/frmbrowsercons.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/jetfile.h"
#include "shared/paths.h"
#include "shared/twips.h"
#include "shared/widgets/boundwidget.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/plaintext.h"
#include "shared/widgets/statuspanels.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace Emuset {

namespace {

const QString gameboyDatabase = InstallationPaths::databasesDir() + QStringLiteral("gameboy.mdb");
const QString lockedTip = QStringLiteral("Save or Cancel the record first");

// Read-only boxes are grey (button face), editable ones white.
template <class Box> void makeEditable(Box *box, bool editable)
{
    box->setReadOnly(!editable);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, editable ? QColor(Qt::white) : palette.color(QPalette::Button));
    box->setPalette(palette);
}

} // namespace

FrmEmuset::FrmEmuset(Generale::State &state, QWidget *parent) : QMainWindow(parent), m_state(state)
{
    ui.setupUi(this);
    PlainText::applyTo(this);
    bindControls();
    connect(ui.database, &QAction::triggered, this, &Generale::showBrowser);
    connect(ui.ludora4, &QAction::triggered, this, &Generale::showBrowserPlug);
    connect(ui.exit, &QAction::triggered, this, &Generale::endProgram);
    connect(ui.help1, &QAction::triggered, this, &Generale::showHelp);
    connect(ui.about, &QAction::triggered, this, &Generale::showAbout);
    connectEmulatorEditor();
    connectSettingEditor();
    setEmulatorPending(false);
    setSettingPending(false);
}

FrmEmuset::~FrmEmuset() = default;

FrmBrowserCons *FrmEmuset::chooser() const { return m_chooser; }

void FrmEmuset::bindControls()
{
    bindWidget(DatEmu, ui.TxtEmu1, QStringLiteral("Emu_Name"));
    bindWidget(DatEmu, ui.TxtSetmode, QStringLiteral("Emu_Type"));
    bindWidget(DatEmu, ui.TxtFileEmu1, QStringLiteral("Emu_Link"));
    // TxtValue first: both show Scelta, and the value stored is the one typed in TxtPassed.
    const std::pair<QWidget *, const char *> settings[] = {
        {ui.TxtValue, "Scelta"},      {ui.LabEmu, "ID_Emula"},  {ui.TxtSettName, "Nome"},
        {ui.TxtParameter, "Stringa"}, {ui.TxtPassed, "Scelta"}, {ui.TxtOptAvaiable, "Opzioni"},
        {ui.TxtDescri, "Descri"},
    };
    for (const auto &[control, column] : settings)
        bindWidget(DatSett, control, QLatin1String(column));
}

bool FrmEmuset::load()
{
    resize(Twips::toPixels(11310), Twips::toPixels(6675));
    ui.CmbEmu->clear();
    for (const Consoles::Console *console : Consoles::emusetOrder())
        ui.CmbEmu->addItem(console->emusetName);
    ui.CmbEmu->setCurrentIndex(0);
    if (Paths::probe(Paths::join(m_state.FrontEndDir, gameboyDatabase)).isEmpty()) {
        m_state.dialogs->critical(
            QStringLiteral("Error"),
            QStringLiteral("Ludora4.exe Not Found! Please RESTART Emuset and select Ludora4.exe Again "));
        return false;
    }
    OpenConsole(*Consoles::emusetOrder().front());
    return true;
}

void FrmEmuset::OpenConsole(const Consoles::Console &console)
{
    m_state.ConsoleDb = Paths::join(m_state.FrontEndDir, console.databasePath);
    LoadEmulatorList();
    LoadSettingList();
    if (JetFile::isJet(Paths::resolve(m_state.ConsoleDb)))
        reportJetDatabase();
}

// A console database still in the earlier program's format: the front-end converts it at
// its start, the command ludora4-convert at any time.
void FrmEmuset::reportJetDatabase()
{
    const QString text = QStringLiteral("File ") + m_state.ConsoleDb
                         + QStringLiteral(
                             " is in the format of the earlier program (Jet/Access). Open Ludora4 once "
                             "to convert the databases, or run: ludora4-convert ")
                         + Paths::native(m_state.FrontEndDir);
    recordError(text);
    m_state.dialogs->message(Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QStringLiteral("Error"), text);
}

void FrmEmuset::recordError(const QString &text) { ui.StatusBar1->setText(1, text); }

// A store or deletion the database refused: the error line and a message naming it.
void FrmEmuset::report(const QString &what, const QString &error)
{
    recordError(error);
    m_state.dialogs->critical(QStringLiteral("Error"), what + QStringLiteral("\n") + error);
}

// A record the editor will not store as it stands: said, and the editor stays pending.
void FrmEmuset::refuseIncomplete(const QString &what)
{
    m_state.dialogs->message(Dialogs::Icon::Warning, Dialogs::Buttons::Ok, QStringLiteral("Warning!"),
                             what + QStringLiteral(" Nothing was saved."));
}

// Selects the first entry showing exactly this text; false when there is none.
bool FrmEmuset::selectEntry(QListWidget *list, const QString &text)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return false;
}

void FrmEmuset::setEmulatorPending(bool pending)
{
    m_emulatorPending = pending;
    for (QLineEdit *box : {ui.TxtEmu1, ui.TxtFileEmu1, ui.TxtSetmode})
        makeEditable(box, pending);
    // A path chosen after Save or Cancel would show without being stored.
    if (!pending && m_chooser)
        m_chooser->close();
    applyStates();
}

void FrmEmuset::setSettingPending(bool pending)
{
    m_settingPending = pending;
    for (QLineEdit *box : {ui.TxtSettName, ui.TxtParameter, ui.TxtPassed})
        makeEditable(box, pending);
    for (QPlainTextEdit *box : {ui.TxtOptAvaiable, ui.TxtDescri})
        makeEditable(box, pending);
    applyStates();
}

// The enabled state of every command from the two editors' states.
void FrmEmuset::applyStates()
{
    const bool browsing = !m_emulatorPending && !m_settingPending;
    for (QPushButton *command :
         {ui.CmdNewEmu, ui.CmdEditEmu, ui.CmdDeleteEmu, ui.CmdAddSett, ui.CmdEditSett, ui.CmdDelete})
        command->setEnabled(browsing);
    ui.CmdSaveEmu->setEnabled(m_emulatorPending);
    ui.CmdCancelEmu->setEnabled(m_emulatorPending);
    ui.CmdSalvaSett->setEnabled(m_settingPending);
    ui.CmdAnnullaSett->setEnabled(m_settingPending);
    ui.CmbEmu->setEnabled(browsing);
    ui.LstEmu->setEnabled(browsing);
    ui.LstSetting->setEnabled(!m_settingPending);
    for (QWidget *list : {static_cast<QWidget *>(ui.CmbEmu), static_cast<QWidget *>(ui.LstEmu)})
        list->setToolTip(browsing ? QString() : lockedTip);
    ui.LstSetting->setToolTip(m_settingPending ? lockedTip : QString());
}

} // namespace Emuset
