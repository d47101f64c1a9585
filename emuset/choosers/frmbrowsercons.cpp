#include "emuset/choosers/frmbrowsercons.h"

#include "emuset/choosers/chooserparts.h"
#include "shared/paths.h"
#include "shared/twips.h"
#include "shared/widgets/filelists.h"

#include <QVBoxLayout>

namespace Emuset {

FrmBrowserCons::FrmBrowserCons(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FrmBrowserCons"));
    setWindowTitle(QStringLiteral("Browser"));
    m_lists = new FileLists(this);
    m_lists->setPattern(QStringLiteral("*.*"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lists);
    m_parts = new ChooserParts(this, layout, m_lists, [this](const QString &directory, const QString &fileName) {
        fileClicked(directory, fileName);
    });
    resize(Twips::toPixels(6000), Twips::toPixels(6200));
}

void FrmBrowserCons::startIn(const QString &purpose, const QString &defaultFolder)
{
    m_parts->startIn(purpose, defaultFolder);
}

void FrmBrowserCons::fileClicked(const QString &directory, const QString &fileName)
{
    m_parts->remember(directory);
    emit fileChosen(Paths::join(directory, QLatin1Char('\\') + fileName));
    close();
}

} // namespace Emuset
