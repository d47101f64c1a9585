#include "frontend/globale.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludora4"));
    MessageBoxDialogs dialogs;
    SystemLauncher launcher;
    Globale::startProcedure(QCoreApplication::applicationDirPath(), dialogs, launcher);
    return QApplication::exec();
}
