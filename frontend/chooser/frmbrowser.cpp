#include "frontend/chooser/frmbrowser.h"

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
