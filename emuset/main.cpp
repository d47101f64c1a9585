#include "emuset/generale.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"
#include "shared/widgets/messageboxdialogs.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Emuset"));
    // The desktop entry and the theme's icon of an installed program (the id of both).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ludora4.Emuset"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.ludora4.Emuset")));
    MessageBoxDialogs dialogs;
    SystemLauncher launcher;
    // Started from the event loop, so that a start procedure that ends the program at
    // once (the load check) ends a running loop.
    QTimer::singleShot(0, &app, [&dialogs, &launcher] {
        Generale::startProcedure(QCoreApplication::applicationDirPath(), dialogs, launcher);
    });
    return QApplication::exec();
}
