#include "emuset/choosers/frmbrowser.h"

#include "emuset/app/frontendchoice.h"
#include "emuset/choosers/chooserparts.h"
#include "shared/twips.h"
#include "shared/widgets/filelists.h"

#include <QVBoxLayout>

namespace Emuset {

FrmBrowser::FrmBrowser(bool installed, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmBrowser"));
    setWindowTitle(QStringLiteral("Select LUDORA4.EXE on your computer"));
    m_lists = new FileLists(this);
    m_lists->setPattern(FrontEndChoice::pattern(installed));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lists);
    ChooserParts::addTo(this, layout, m_lists, [this](const QString &directory, const QString &fileName) {
        fileClicked(directory, fileName);
    });
    resize(Twips::toPixels(6600), Twips::toPixels(5400));
    connect(m_lists, &FileLists::fileClicked, this, &FrmBrowser::fileClicked);
}

void FrmBrowser::fileClicked(const QString &directory, const QString &fileName)
{
    const QString chosen = FrontEndChoice::installationDir(directory, fileName);
    if (chosen.isEmpty()) {
        FrontEndChoice::reportNoInstallation(directory, fileName);
        return;
    }
    emit frontEndChosen(chosen);
}

} // namespace Emuset
