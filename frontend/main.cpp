#include "frontend/app/dataroot.h"
#include "frontend/app/startcheck.h"
#include "frontend/app/startoptions.h"
#include "frontend/globale.h"
#include "ludora4version.h"
#include "shared/dialogs.h"
#include "shared/launcher.h"
#include "shared/programoptions.h"
#include "shared/widgets/messageboxdialogs.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The command line is read first, so that --help and --version need no display.
    const StartOptions::Result options = StartOptions::parse(ProgramOptions::arguments(argc, argv));
    if (options.action != StartOptions::Action::Start) {
        const bool failed = options.action == StartOptions::Action::Fail;
        std::fputs(qPrintable(options.text), failed ? stderr : stdout);
        return failed ? 2 : 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ludora4"));
    QApplication::setApplicationVersion(QLatin1String(Version::text));
    // The desktop entry and the theme's icon of an installed program (the id of both).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ludora4.Ludora4"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.ludora4.Ludora4")));
    // Names the per-user settings (the game list's view and icon type), kept beside the
    // other settings of the programs in ~/.config/ludora4.
    QApplication::setOrganizationName(QStringLiteral("ludora4"));
    MessageBoxDialogs messageBoxes;
    Dialogs &dialogs = options.checkStart ? StartCheck::dialogs() : messageBoxes;
    QString note;
    QString error;
    if (options.root.isEmpty() && !DataRoot::checkExecutableDir(DataRoot::executableDirBytes(), &error)) {
        dialogs.critical(QStringLiteral("ERROR!"), error);
        return 1;
    }
    const DataRoot::Choice root = DataRoot::choose(options.root, QCoreApplication::applicationDirPath());
    if (!DataRoot::prepare(root, &note, &error)) {
        dialogs.critical(QStringLiteral("ERROR!"), error);
        return 1;
    }
    SystemLauncher launcher;
    Globale::setStartNote(note);
    Globale::startProcedure(root.root, dialogs, launcher);
    if (options.checkStart)
        StartCheck::arm(&app);
    const int status = QApplication::exec();
    return options.checkStart && !StartCheck::passed() ? 1 : status;
}
