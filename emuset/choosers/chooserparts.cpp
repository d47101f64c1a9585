#include "emuset/choosers/chooserparts.h"

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

namespace Emuset::ChooserParts {

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

void addTo(QWidget *chooser, QVBoxLayout *layout, FileLists *lists,
           const std::function<void(const QString &directory, const QString &fileName)> &fileChosen)
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

    QObject::connect(path, &QLineEdit::returnPressed, chooser, [lists, path, error, fileChosen] {
        const QFileInfo typed(absolutePath(path->text(), lists->path()));
        error->hide();
        if (typed.isDir()) {
            lists->setPath(typed.absoluteFilePath());
            path->clear();
        } else if (typed.isFile()) {
            fileChosen(QDir::toNativeSeparators(typed.absolutePath()), typed.fileName());
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

} // namespace Emuset::ChooserParts
