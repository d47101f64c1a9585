// ludora4-convert INSTALLATION_DIR: converts the Jet databases of an earlier installation
// into the SQLite files the programs read, at the same paths, keeping each original as
// NAME.mdb.jet. One line per file; exit status 1 when a file was not converted.
#include "convert/conversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 1 || arguments[0].isEmpty() || arguments[0].startsWith(QLatin1Char('-'))) {
        err << "usage: ludora4-convert INSTALLATION_DIR\n";
        return 2;
    }
    const QString root = QDir(arguments[0]).absolutePath();
    if (!QFileInfo(root).isDir()) {
        err << "ludora4-convert: " << root << " is not a directory\n";
        return 2;
    }
    const QList<Convert::FileResult> results = Convert::convertInstallation(root);
    if (results.isEmpty()) {
        err << "ludora4-convert: " << root << " holds no pack/ludora.mdb, pack/plugins.mdb or database/*.mdb\n";
        return 1;
    }
    bool allConverted = true;
    for (const Convert::FileResult &result : results) {
        out << Convert::describe(result, root) << '\n';
        allConverted = allConverted && Convert::succeeded(result);
    }
    return allConverted ? 0 : 1;
}
