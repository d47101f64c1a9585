// ludora4-gamelist import|export CONSOLE FILE: a gamelist.xml of the EmulationStation family
// into a console's catalogue, or the catalogue out as one. Exit status 0 when the file was
// read or written, 1 when nothing could be done, 2 for a bad command line.
#include "gamelist/gamelistexport.h"
#include "gamelist/gamelistimport.h"
#include "shared/consoles.h"
#include "shared/installationroot.h"
#include "shared/programoptions.h"
#include "tools/gamelist/options.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTextStream>

namespace {

int importFile(const GamelistOptions::Options &options, const ConsoleFolders &folders)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const GamelistImport::Request request{folders, options.file, options.overwrite, options.media,
                                          QDate::currentDate()};
    GamelistImport::Prepared prepared;
    QString error;
    if (GamelistImport::prepare(request, &prepared, &error) != GamelistImport::Status::Done) {
        err << "ludora4-gamelist: " << error << '\n';
        return 1;
    }
    if (options.dryRun) {
        for (const QString &line : GamelistImport::changeLines(prepared))
            out << line << '\n';
        out << GamelistImport::dryRunSummary(prepared.counts) << '\n';
        return 0;
    }
    for (const QString &why : std::as_const(prepared.unreadable))
        err << "ludora4-gamelist: picture not read: " << why << '\n';
    GamelistImport::Counts done;
    if (GamelistImport::store(prepared, &done, &error) != GamelistImport::Status::Done) {
        err << "ludora4-gamelist: nothing was stored: " << error << '\n';
        return 1;
    }
    out << GamelistImport::summary(done) << '\n';
    return 0;
}

int exportFile(const GamelistOptions::Options &options, const ConsoleFolders &folders)
{
    GamelistExport::Counts counts;
    QString error;
    if (!GamelistExport::run({folders, options.file, options.media}, &counts, &error)) {
        QTextStream(stderr) << "ludora4-gamelist: " << error << '\n';
        return 1;
    }
    QTextStream(stdout) << GamelistExport::summary(counts, !options.media.isEmpty()) << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const GamelistOptions::Options options = GamelistOptions::parse(ProgramOptions::arguments(argc, argv));
    if (options.action == GamelistOptions::Action::Print) {
        QTextStream(stdout) << options.text;
        return 0;
    }
    if (options.action == GamelistOptions::Action::Fail) {
        QTextStream(stderr) << options.text;
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString root = options.root.isEmpty() ? InstallationRoot::of(QCoreApplication::applicationDirPath())
                                                : options.root;
    if (!InstallationRoot::holdsInstallation(root)) {
        QTextStream(stderr) << "ludora4-gamelist: " << QDir::toNativeSeparators(root)
                            << " holds no Ludora4 installation (pack/ludora.mdb); start ludora4 once or name one "
                               "with --root\n";
        return 1;
    }
    const ConsoleFolders folders = ConsoleFolders::of(root, *options.console);
    return options.action == GamelistOptions::Action::Import ? importFile(options, folders)
                                                             : exportFile(options, folders);
}
