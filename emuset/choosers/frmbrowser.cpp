#include "emuset/choosers/frmbrowser.h"

#include "emuset/app/frontendchoice.h"
#include "emuset/choosers/chooserparts.h"
#include "shared/twips.h"
#include "shared/widgets/filelists.h"

#include <QVBoxLayout>

namespace Emuset {

FrmBrowser::FrmBrowser(bool installed, const QString &userInstallation, QWidget *parent)
    : QWidget(parent, Qt::Window), m_userInstallation(userInstallation)
{
    setObjectName(QStringLiteral("FrmBrowser"));
    setWindowTitle(QStringLiteral("Select LUDORA4.EXE on your computer"));
    m_lists = new FileLists(this);
    m_lists->setPattern(FrontEndChoice::pattern(installed));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lists);
    m_parts = new ChooserParts(this, layout, m_lists, [this](const QString &directory, const QString &fileName) {
        fileClicked(directory, fileName);
    });
    m_parts->startIn(QStringLiteral("frontend"), FrontEndChoice::startFolder(userInstallation));
    resize(Twips::toPixels(6600), Twips::toPixels(5400));
}

void FrmBrowser::rememberChoice() const { m_parts->remember(m_clickedIn); }

void FrmBrowser::fileClicked(const QString &directory, const QString &fileName)
{
    const QString chosen = FrontEndChoice::installationDir(directory, fileName, m_userInstallation);
    if (chosen.isEmpty()) {
        FrontEndChoice::reportNoInstallation(directory, fileName);
        return;
    }
    m_clickedIn = directory;
    emit frontEndChosen(chosen);
}

} // namespace Emuset
