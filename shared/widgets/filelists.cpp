#include "shared/widgets/filelists.h"

#include "shared/widgets/plaintext.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace {
const QString parentEntry = QStringLiteral("..");

// "*.*" matches every name, as on the platform the patterns come from.
QStringList nameFilters(const QString &pattern)
{
    QStringList filters;
    const QStringList parts = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString part : parts) {
        part = part.trimmed();
        filters.append(part == QLatin1String("*.*") ? QStringLiteral("*") : part);
    }
    return filters.isEmpty() ? QStringList{QStringLiteral("*")} : filters;
}
} // namespace

FileLists::FileLists(QWidget *parent) : QWidget(parent)
{
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    Label1 = new QLabel(QStringLiteral("Click To Select ..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    m_pathLabel = new QLabel(this);
    m_pathLabel->setObjectName(QStringLiteral("LabPath"));
    m_pathLabel->setWordWrap(true);
    PlainText::applyTo(this);

    auto *left = new QVBoxLayout;
    left->addWidget(Drive1);
    left->addWidget(m_pathLabel);
    left->addWidget(Dir1, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(Label1);
    right->addWidget(File1, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    connect(Drive1, &QComboBox::activated, this, &FileLists::driveChosen);
    connect(Dir1, &QListWidget::itemClicked, this, &FileLists::directoryClicked);
    connect(File1, &QListWidget::itemClicked, this, &FileLists::fileItemClicked);

    fillDrives();
    setPath(QDir::currentPath());
}

void FileLists::fillDrives()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots.append(QDir::toNativeSeparators(drive.absoluteFilePath()));
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::toNativeSeparators(volume.rootPath());
        if (volume.isValid() && volume.isReady() && !roots.contains(root))
            roots.append(root);
    }
    const QSignalBlocker blocker(Drive1);
    Drive1->clear();
    Drive1->addItems(roots);
}

bool FileLists::setPath(const QString &directory)
{
    const QDir dir(QDir::fromNativeSeparators(directory));
    if (directory.isEmpty() || !dir.exists())
        return false;
    m_path = QDir::toNativeSeparators(dir.canonicalPath());
    m_pathLabel->setText(m_path);
    fillDirectories();
    fillFiles();
    return true;
}

void FileLists::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    fillFiles();
}

void FileLists::setShowHidden(bool show)
{
    m_showHidden = show;
    if (!m_path.isEmpty())
        fillDirectories();
}

void FileLists::fillDirectories()
{
    QDir dir(m_path);
    const QDir::Filters filter = QDir::Dirs | QDir::NoDotAndDotDot
                                 | (m_showHidden ? QDir::Hidden : QDir::Filters());
    QStringList entries = dir.entryList(filter, QDir::Name | QDir::IgnoreCase);
    if (!dir.isRoot())
        entries.prepend(parentEntry);
    Dir1->clear();
    Dir1->addItems(entries);
}

void FileLists::fillFiles()
{
    if (m_path.isEmpty())
        return;
    QDir dir(m_path);
    dir.setNameFilters(nameFilters(m_pattern));
    dir.setFilter(QDir::Files); // name filters ignore case; hidden files are left out
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    File1->clear();
    File1->addItems(dir.entryList());
}

void FileLists::driveChosen(int index) { setPath(Drive1->itemText(index)); }

void FileLists::directoryClicked(QListWidgetItem *item)
{
    QDir dir(m_path);
    if (item->text() == parentEntry ? dir.cdUp() : dir.cd(item->text()))
        setPath(dir.path());
}

void FileLists::fileItemClicked(QListWidgetItem *item) { emit fileClicked(m_path, item->text()); }
