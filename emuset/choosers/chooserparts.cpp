#include "emuset/choosers/chooserparts.h"

#include "emuset/app/generale.h"

#include "shared/widgets/filelists.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Emuset {

namespace {

QString absolutePath(const QString &typed, const QString &shownDir)
{
    QString path = QDir::fromNativeSeparators(typed.trimmed());
    if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
        path = QDir::homePath() + path.mid(1);
    return QDir::cleanPath(QDir(QDir::fromNativeSeparators(shownDir)).absoluteFilePath(path));
}

// Esc pressed anywhere in the chooser (a control that does not use it passes it on to
// its window) closes the chooser.
class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QWidget *chooser) : QObject(chooser), m_chooser(chooser) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_chooser && event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_chooser->close();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_chooser;
};

} // namespace

ChooserParts::ChooserParts(QWidget *chooser, QVBoxLayout *layout, FileLists *lists, Chosen chosen)
    : QObject(chooser), m_lists(lists)
{
    auto *path = new QLineEdit;
    path->setObjectName(QStringLiteral("TxtPath"));
    path->setPlaceholderText(QStringLiteral("Type or paste a path, then press Enter"));
    auto *error = new QLabel;
    error->setObjectName(QStringLiteral("LabPathError"));
    error->hide();
    auto *hidden = new QCheckBox(QStringLiteral("Show hidden folders"));
    hidden->setObjectName(QStringLiteral("ChkHidden"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("CmdCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(hidden);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    layout->insertWidget(0, path);
    layout->insertWidget(1, error);
    layout->addLayout(buttons);

    QObject::connect(lists, &FileLists::fileClicked, chooser, chosen);
    QObject::connect(path, &QLineEdit::returnPressed, chooser, [lists, path, error, chosen] {
        const QFileInfo typed(absolutePath(path->text(), lists->path()));
        error->hide();
        if (typed.isDir()) {
            lists->setPath(typed.absoluteFilePath());
            path->clear();
        } else if (typed.isFile()) {
            chosen(QDir::toNativeSeparators(typed.absolutePath()), typed.fileName());
        } else {
            error->setText(QStringLiteral("No such file or folder: ")
                           + QDir::toNativeSeparators(typed.filePath()));
            error->show();
        }
    });
    QObject::connect(hidden, &QCheckBox::toggled, lists, &FileLists::setShowHidden);
    QObject::connect(cancel, &QPushButton::clicked, chooser, &QWidget::close);
    chooser->installEventFilter(new EscapeCloses(chooser));
}

void ChooserParts::startIn(const QString &purpose, const QString &defaultFolder)
{
    m_purpose = purpose;
    const QString remembered = Generale::rememberedFolder(purpose);
    if ((remembered.isEmpty() || !m_lists->setPath(remembered)) && !defaultFolder.isEmpty())
        m_lists->setPath(defaultFolder);
}

void ChooserParts::remember(const QString &directory) const
{
    if (!m_purpose.isEmpty())
        Generale::rememberFolder(m_purpose, directory);
}

} // namespace Emuset
