#include "frontend/pluginspanel.h"

#include "frontend/frmmain.h"
#include "frontend/frmmain_ui.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/launcher.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"
#include "shared/widgets/clickablelabel.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct PluginControls {
    const char *key;
    int purpose;         // the chooser's purpose for the path label
    const char *caption; // the chooser's caption
    bool warns;          // the start button asks first
    ClickableLabel *FrmMainUi::*label;
    QPushButton *FrmMainUi::*button;
};

// The keys in the order the start-up read visits them.
constexpr PluginControls plugins[] = {
    {"unfoldr", FrmMain::PurposeUnfoldr, "Choose 'UNFOLDR.EXE' file", false, &FrmMainUi::Label18,
     &FrmMainUi::Command3},
    {"snapshift", FrmMain::PurposeSnapshift, "Choose 'SNAPSHIFT.EXE' file", false, &FrmMainUi::Label27,
     &FrmMainUi::Command7},
    {"emuset", FrmMain::PurposeEmuset, "Choose 'EMUSET.EXE' file", true, &FrmMainUi::Label22,
     &FrmMainUi::Command4},
    {"cartload", FrmMain::PurposeCartload, "Choose 'CARTLOAD.EXE' file", false, &FrmMainUi::Label24,
     &FrmMainUi::Command5},
};

const PluginControls *pluginFor(int purpose)
{
    for (const PluginControls &plugin : plugins) {
        if (plugin.purpose == purpose)
            return &plugin;
    }
    return nullptr;
}

const QString emusetWarning = QStringLiteral(
    "You can ADD emulators to a console ONLY IF THIS CONSOLE IS NOT THE 'ACTIVE CONSOLE' IN LUDORA4 !!");

} // namespace

PluginsPanel::PluginsPanel(FrmMainUi &windowUi, Globale::State &state, ErrorSink errorSink, QObject *parent)
    : QObject(parent), ui(windowUi), m_state(state), recordError(std::move(errorSink))
{
    for (const PluginControls &plugin : plugins) {
        QLabel *label = ui.*plugin.label;
        const bool warns = plugin.warns;
        const int purpose = plugin.purpose;
        connect(ui.*plugin.button, &QPushButton::clicked, this,
                [this, label, warns] { startPlugin(label, warns); });
        connect(ui.*plugin.label, &ClickableLabel::clicked, this, [this, purpose] { askForExecutable(purpose); });
    }
}

void PluginsPanel::readRegistry()
{
    const QString registry = Paths::join(m_state.RootDir, InstallationPaths::pluginRegistry());
    m_state.ProbeResult = QStringLiteral("A");
    if (Globale::probe(registry).isEmpty()) {
        m_state.dialogs->critical(InstallationPaths::notFoundMessage(registry));
        return;
    }
    for (const PluginControls &plugin : plugins) {
        QLabel *label = ui.*plugin.label;
        const QString path = PluginRegistry::readPath(DatPlug, registry, QLatin1String(plugin.key));
        if (!path.isEmpty())
            label->setText(path);
        m_state.ProbeResult = QStringLiteral("A");
        if (!Globale::probe(label->text()).isEmpty())
            (ui.*plugin.button)->setEnabled(true);
        else
            label->setText(QStringLiteral("Plug-In Not Installed"));
    }
}

// The path label's text is the program, found on disk whatever its case (as the probe
// that enabled the button found it); plug-ins get no arguments and are not waited for.
void PluginsPanel::startPlugin(QLabel *pathLabel, bool warnFirst)
{
    if (warnFirst && !m_state.dialogs->question(QStringLiteral("Warning!"), emusetWarning))
        return;
    const QString program = Paths::existing(pathLabel->text());
    if (!m_state.launcher->start(program, {}))
        recordError(QStringLiteral("Plug-in ") + program + QStringLiteral(" could not be started"));
}

void PluginsPanel::askForExecutable(int purpose)
{
    const PluginControls *plugin = pluginFor(purpose);
    emit executableWanted(purpose, QLatin1String(plugin->caption),
                          Paths::executableName(QLatin1String(plugin->key)));
}

// Registers the chosen executable for the purpose's plug-in; the panel shows it at once.
void PluginsPanel::registerExecutable(int purpose, const QString &path, DataSource &registryData)
{
    const PluginControls *plugin = pluginFor(purpose);
    if (!plugin)
        return;
    const QString registry = Paths::join(m_state.RootDir, InstallationPaths::pluginRegistry());
    QString error;
    if (!PluginRegistry::writePath(registryData, registry, QLatin1String(plugin->key), path, &error)) {
        m_state.dialogs->critical(QStringLiteral("The plug-in ") + path + QStringLiteral(" was not registered: ")
                                  + error);
        return;
    }
    (ui.*plugin->label)->setText(path);
    (ui.*plugin->button)->setEnabled(true);
}
