#include "emuset/generale.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Emuset"));
    MessageBoxDialogs dialogs;
    SystemLauncher launcher;
    // Started from the event loop, so that a start procedure that ends the program at
    // once (the load check) ends a running loop.
    QTimer::singleShot(0, &app, [&dialogs, &launcher] {
        Generale::startProcedure(QCoreApplication::applicationDirPath(), dialogs, launcher);
    });
    return QApplication::exec();
}
