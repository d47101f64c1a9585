#include "frontend/plugins/pluginspanel.h"

#include "frontend/chooser/filechooser.h"
#include "frontend/common/formparts.h"
#include "frontend/session/session.h"
#include "help/frmhelp.h"
#include "help/helpbooks.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/launcher.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/formbuilder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

// One plug-in of the page: its frame, start button, description and path label, and the
// registry key and chooser caption of its executable (none for a plug-in never registered).
struct PluginsPanel::Plugin {
    const char *frameName;
    const char *buttonName;
    const char *caption;
    const char *descriptionName;
    const char *descriptionText;
    const char *pathName;
    const char *key;
    const char *chooserCaption;
    bool warns; // the start button asks first
};

namespace {

// The page's order; the start-up read visits the keys in readOrder.
const PluginsPanel::Plugin plugins[] = {
    {"Frame11", "Command3", "Unfoldr", "Label20", "Program for Automatically Unzip Roms in a specified directory",
     "Label18", "unfoldr", "Choose 'UNFOLDR.EXE' file", false},
    {"Frame12", "Command4", "Emuset", "Label21", "Program for Adding and Configure Emulator", "Label22", "emuset",
     "Choose 'EMUSET.EXE' file", true},
    {"Frame13", "Command5", "Cartload", "Label23", "Program for Adding Much Roms in a single Shoot", "Label24",
     "cartload", "Choose 'CARTLOAD.EXE' file", false},
    {"Frame14", "Command6", "Dbfresh", "Label25", "Program for Update the Databases of Roms", "Label26", nullptr,
     nullptr, false},
    {"Frame16", "Command7", "Snapshift", "Label28", "Program for Convert Various Type of Images", "Label27",
     "snapshift", "Choose 'SNAPSHIFT.EXE' file", false},
};
constexpr int readOrder[] = {0, 4, 1, 2};

const QString emusetWarning = QStringLiteral(
    "You can ADD emulators to a console ONLY IF THIS CONSOLE IS NOT THE 'ACTIVE CONSOLE' IN LUDORA4 !!");

} // namespace

PluginsPanel::PluginsPanel(Session &session, QWidget *window, QObject *parent)
    : QObject(parent), m_session(session), m_window(window)
{
    m_page = buildPage();
    for (int row : readOrder) {
        const Plugin &plugin = plugins[row];
        connect(m_rows[row].start, &QPushButton::clicked, this, [this, &plugin] { startPlugin(plugin); });
        connect(m_rows[row].path, &ClickableLabel::clicked, this, [this, &plugin] { askForExecutable(plugin); });
    }
    connect(Command2, &QPushButton::clicked, this, &PluginsPanel::showHelp);
}

QGroupBox *PluginsPanel::buildPage()
{
    QGroupBox *page = Form::frame({}, QStringLiteral("Ludora Plug Ins and Configuration"));
    QGroupBox *frame = Form::frame(QStringLiteral("Frame10"), QStringLiteral("Plug Ins"));
    auto *rows = new QVBoxLayout(frame);
    rows->setContentsMargins(4, 0, 4, 4);
    rows->setSpacing(2);
    for (int row = 0; row < int(m_rows.size()); ++row)
        rows->addWidget(buildPluginFrame(row));

    Command2 = Form::button(QStringLiteral("Command2"), QStringLiteral("Ludora4 Help"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(frame, 1);
    layout->addWidget(Command2, 0, Qt::AlignRight);
    return page;
}

QGroupBox *PluginsPanel::buildPluginFrame(int row)
{
    const Plugin &plugin = plugins[row];
    QGroupBox *box = Form::frame(QString::fromLatin1(plugin.frameName), {});
    QPushButton *start = m_rows[row].start = Form::button(QString::fromLatin1(plugin.buttonName),
                                                          QString::fromLatin1(plugin.caption), false);
    start->setFixedWidth(72);
    QLabel *description = FormParts::wrapped(QString::fromLatin1(plugin.descriptionText),
                                             QString::fromLatin1(plugin.descriptionName));
    ClickableLabel *path = m_rows[row].path = Form::named(new ClickableLabel(
                                                              QStringLiteral("Plug In Not Installed")),
                                                          QString::fromLatin1(plugin.pathName));
    path->setCursor(Qt::PointingHandCursor);
    // A long path is cut at the frame's edge instead of widening the panel.
    path->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette pathColours = path->palette();
    pathColours.setColor(QPalette::WindowText, QColor(0x1a, 0x3c, 0x8c));
    path->setPalette(pathColours);

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setVerticalSpacing(0);
    grid->addWidget(start, 0, 0, Qt::AlignTop);
    grid->addWidget(description, 0, 1);
    grid->addWidget(path, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

PluginsPanel::Controls &PluginsPanel::controlsOf(const Plugin &plugin) { return m_rows[&plugin - plugins]; }

void PluginsPanel::ReadPluginRegistry()
{
    const QString registry = m_session.pluginRegistry();
    if (Paths::probe(registry).isEmpty()) {
        m_session.dialogs().critical(InstallationPaths::notFoundMessage(registry));
        return;
    }
    for (int row : readOrder) {
        const Controls &controls = m_rows[row];
        const QString path = PluginRegistry::readPath(DatPlug, registry, QLatin1String(plugins[row].key));
        if (!path.isEmpty())
            controls.path->setText(path);
        if (!Paths::probe(controls.path->text()).isEmpty())
            controls.start->setEnabled(true);
        else
            controls.path->setText(QStringLiteral("Plug-In Not Installed"));
    }
}

// The path label's text is the program, found on disk whatever its case (as the probe
// that enabled the button found it); plug-ins get no arguments and are not waited for.
void PluginsPanel::startPlugin(const Plugin &plugin)
{
    if (plugin.warns && !m_session.dialogs().question(QStringLiteral("Warning!"), emusetWarning))
        return;
    const QString program = Paths::existing(controlsOf(plugin).path->text());
    if (!m_session.launcher().start(program, {}))
        m_session.reportError(QStringLiteral("Plug-in ") + program + QStringLiteral(" could not be started"));
}

void PluginsPanel::askForExecutable(const Plugin &plugin)
{
    m_session.chooser().openKeepingFolder(QLatin1String(plugin.chooserCaption),
                                          Paths::executableName(QLatin1String(plugin.key)), QString(),
                                          [this, &plugin](const QString &directory, const QString &fileName) {
                                              registerExecutable(plugin, FileChooser::path(directory, fileName));
                                          });
}

// Registers the chosen executable for the plug-in; the page shows it at once.
void PluginsPanel::registerExecutable(const Plugin &plugin, const QString &path)
{
    QString error;
    if (!PluginRegistry::writePath(DatPlug, m_session.pluginRegistry(), QLatin1String(plugin.key), path, &error)) {
        m_session.dialogs().critical(QStringLiteral("The plug-in ") + path
                                     + QStringLiteral(" was not registered: ") + error);
        return;
    }
    Controls &controls = controlsOf(plugin);
    controls.path->setText(path);
    controls.start->setEnabled(true);
}

// One help window at a time, modeless; it closes with the main window.
void PluginsPanel::showHelp()
{
    auto *help = m_window->findChild<FrmHelp *>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new FrmHelp(HelpBooks::ludora4(), m_window);
        help->setAttribute(Qt::WA_DeleteOnClose);
    }
    help->show();
    help->raise();
    help->activateWindow();
}
