#include "emuset/window/frmemuset.h"

#include "emuset/app/frontendchoice.h"
#include "emuset/emulators/emulatoreditor.h"
#include "emuset/sets/seteditor.h"
#include "shared/consoles.h"
#include "shared/dialogs.h"
#include "shared/jetfile.h"
#include "shared/paths.h"
#include "shared/twips.h"
#include "shared/widgets/formbuilder.h"
#include "shared/widgets/plaintext.h"
#include "shared/widgets/statuspanels.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace Emuset {

namespace {

const QString lockedTip = QStringLiteral("Save or Cancel the record first");

QAction *item(QMenu *menu, const QString &name, const QString &text, void (*command)())
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, action, command);
    return action;
}

} // namespace

FrmEmuset::FrmEmuset(Generale::State &state, QWidget *parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("FrmEmuset"));
    setWindowTitle(QStringLiteral("Emuset"));
    createMenus();

    auto *central = new QWidget(this);
    auto *title = Form::named(new QLabel(
                                  QStringLiteral("Emuset : program for Add and Configure Emulators to Ludora4.")),
                              QStringLiteral("Label1"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_consoles = Form::named(new QComboBox, QStringLiteral("CmbEmu"));
    m_emulators = new EmulatorEditor(m_state, m_consoles);
    m_sets = new SetEditor(m_state);
    auto *halves = new QHBoxLayout;
    halves->addWidget(m_emulators, 4);
    halves->addWidget(m_sets, 5);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 2);
    layout->addWidget(title);
    layout->addLayout(halves, 1);
    setCentralWidget(central);

    m_status = Form::named(new StatusPanels(1, 0, this), QStringLiteral("StatusBar1"));
    setStatusBar(m_status);
    PlainText::applyTo(this);
    connectEditors();
    applyStates();
}

FrmEmuset::~FrmEmuset() = default;

void FrmEmuset::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("file"));
    item(file, QStringLiteral("database"), QStringLiteral("Choose Ludora4 Directory"), &Generale::showBrowser);
    item(file, QStringLiteral("ludora4"), QStringLiteral("Install Plug-In Into Ludora4"),
         &Generale::showBrowserPlug);
    file->addSeparator()->setObjectName(QStringLiteral("linea"));
    item(file, QStringLiteral("exit"), QStringLiteral("Exit"), &Generale::endProgram);
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("help"));
    item(help, QStringLiteral("help1"), QStringLiteral("Help"), &Generale::showHelp);
    item(help, QStringLiteral("about"), QStringLiteral("About"), &Generale::showAbout);
}

// The emulator editor's selection decides the sets listed; either editor's state locks
// the other; both write the error line.
void FrmEmuset::connectEditors()
{
    connect(m_consoles, &QComboBox::activated, this, &FrmEmuset::consoleChosen);
    connect(m_emulators, &EmulatorEditor::selectionChanged, m_sets, &SetEditor::setEmulator);
    connect(m_emulators, &EmulatorEditor::emulatorShown, m_sets, &SetEditor::LoadSettingList);
    for (Editor *editor : {static_cast<Editor *>(m_emulators), static_cast<Editor *>(m_sets)}) {
        connect(editor, &Editor::pendingChanged, this, &FrmEmuset::applyStates);
        connect(editor, &Editor::errorRecorded, this, &FrmEmuset::recordError);
    }
}

bool FrmEmuset::load()
{
    resize(Twips::toPixels(11310), Twips::toPixels(6675));
    m_consoles->clear();
    for (const Consoles::Console *console : Consoles::emusetOrder())
        m_consoles->addItem(console->emusetName);
    m_consoles->setCurrentIndex(0);
    if (!FrontEndChoice::holdsGameboyDatabase(m_state.FrontEndDir)) {
        m_state.dialogs->critical(
            QStringLiteral("Error"),
            QStringLiteral("Ludora4.exe Not Found! Please RESTART Emuset and select Ludora4.exe Again "));
        return false;
    }
    openConsole(*Consoles::emusetOrder().front());
    return true;
}

void FrmEmuset::consoleChosen(int)
{
    if (const Consoles::Console *console = Consoles::byEmusetName(m_consoles->currentText()))
        openConsole(*console);
}

void FrmEmuset::openConsole(const Consoles::Console &console)
{
    m_state.ConsoleDb = Paths::join(m_state.FrontEndDir, console.databasePath);
    m_emulators->openConsole(console);
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
    m_state.dialogs->critical(QStringLiteral("Error"), text);
}

void FrmEmuset::recordError(const QString &text) { m_status->setText(1, text); }

// The enabled state of every command from the two editors' states. The order of the
// steps decides where the keyboard focus goes when the focused control is disabled.
void FrmEmuset::applyStates()
{
    const bool browsing = !m_emulators->isPending() && !m_sets->isPending();
    m_emulators->enableCommands(browsing);
    m_sets->enableCommands(browsing);
    m_emulators->enableStore();
    m_sets->enableStore();
    m_consoles->setEnabled(browsing);
    m_consoles->setToolTip(browsing ? QString() : lockedTip);
    m_emulators->lockList(!browsing);
    m_sets->lockList(m_sets->isPending());
}

} // namespace Emuset
