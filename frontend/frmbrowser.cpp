#include "frontend/frmbrowser.h"

#include "frontend/globale.h"
#include "shared/dialogs.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"
#include "shared/pluginregistry.h"
#include "shared/widgets/filelists.h"

#include <QVBoxLayout>

FrmBrowser::FrmBrowser(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_lists = new FileLists(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lists);
    resize(520, 380);
    connect(m_lists, &FileLists::fileClicked, this, &FrmBrowser::fileClicked);
}

void FrmBrowser::load()
{
    Globale::State &state = Globale::state();
    setWindowTitle(state.ChooserCaption);
    const QString registry = Paths::join(state.RootDir, InstallationPaths::pluginRegistry());
    state.ProbeResult = QStringLiteral("A");
    if (!Globale::probe(registry).isEmpty()) {
        DatPlug.setDatabaseName(registry);
        return;
    }
    state.dialogs->critical(InstallationPaths::notFoundMessage(registry));
}
