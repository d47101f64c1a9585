#include "tests/support/emusetwindow.h"

#include "emuset/generale.h"
#include "shared/datasource.h"
#include "tests/support/fakes.h"
#include "tests/support/windowcontrols.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

bool pointEmusetAt(const QString &ownDir, const QString &frontEndDir)
{
    const QByteArray line = (QDir::toNativeSeparators(frontEndDir) + QDir::separator()).toUtf8() + "\r\n";
    QFile file(ownDir + QStringLiteral("/emuset.ini"));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(line) == line.size();
}

QWidget *startEmuset(const QString &ownDir, ScriptedDialogs &dialogs, RecordingLauncher &launcher)
{
    Generale::startProcedure(ownDir, dialogs, launcher);
    QApplication::processEvents();
    return openChooser(QStringLiteral("FrmEmuset")); // its visible top-level window
}

void closeEmuset()
{
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *widget : widgets)
        widget->close();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    DataSource::closeAllConnections();
}
