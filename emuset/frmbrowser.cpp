#include "emuset/frmbrowser.h"

#include "emuset/generale.h"
#include "shared/filelists.h"
#include "shared/paths.h"
#include "shared/twips.h"

#include <QVBoxLayout>

namespace Emuset {

FrmBrowser::FrmBrowser(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmBrowser"));
    setWindowTitle(QStringLiteral("Select LUDORA4.EXE on your computer"));
    m_lists = new FileLists(this);
    m_lists->setPattern(Paths::executableName(QStringLiteral("ludora4")));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lists);
    resize(Twips::toPixels(6600), Twips::toPixels(5400));
    connect(m_lists, &FileLists::fileClicked, this, &FrmBrowser::fileClicked);
}

void FrmBrowser::fileClicked(const QString &directory, const QString &)
{
    Generale::setFrontEndDir(directory);
    Generale::showMainWindow();
    close();
}

} // namespace Emuset
