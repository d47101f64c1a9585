#include "emuset/choosers/frmbrowserplug.h"

#include "emuset/app/frontendchoice.h"
#include "emuset/app/generale.h"
#include "emuset/choosers/chooserparts.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"
#include "shared/twips.h"
#include "shared/widgets/filelists.h"

#include <QVBoxLayout>

namespace Emuset {

namespace {
const QString pluginKey = QStringLiteral("emuset");

void error(const QString &text) { Generale::state().dialogs->critical(text); }
} // namespace

FrmBrowserPlug::FrmBrowserPlug(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmBrowserPlug"));
    setWindowTitle(QStringLiteral("Select LUDORA4.EXE !"));
    m_lists = new FileLists(this);
    m_lists->setPattern(FrontEndChoice::pattern(Generale::state().Installed));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lists);
    m_parts = new ChooserParts(this, layout, m_lists, [this](const QString &directory, const QString &fileName) {
        fileClicked(directory, fileName);
    });
    m_parts->startIn(QStringLiteral("plugin"), FrontEndChoice::startFolder(Generale::state().UserInstallation));
    resize(Twips::toPixels(6600), Twips::toPixels(5400));
}

// Registers Emuset's own directory with the platform's name of its executable, whatever
// name the running file has; the chosen directory is used for nothing else.
void FrmBrowserPlug::fileClicked(const QString &directory, const QString &fileName)
{
    const QString chosen = FrontEndChoice::installationDir(directory, fileName,
                                                           Generale::state().UserInstallation);
    if (chosen.isEmpty()) {
        FrontEndChoice::reportNoInstallation(directory, fileName);
        return;
    }
    const QString registry = Paths::join(chosen, InstallationPaths::pluginRegistry());
    if (Paths::probe(registry).isEmpty()) {
        error(QStringLiteral("File ") + registry + QStringLiteral(" Not Found !? Can't Install Plug-In"));
        return;
    }
    const QString ownPath = Paths::join(Generale::state().OwnDir,
                                        QLatin1Char('\\') + Paths::executableName(pluginKey));
    QString why;
    if (!PluginRegistry::writePath(Data1, registry, pluginKey, ownPath, &why)) {
        error(QStringLiteral("Can't Install Plug-In: ") + why);
        return;
    }
    m_parts->remember(directory);
    Generale::state().dialogs->plain(QStringLiteral("Installation Complete!"),
                                     QStringLiteral("Plug In Installed !"));
    Generale::showMainWindow();
    close();
}

} // namespace Emuset
