#include "install/installation.h"

#include "install/installdatabase.h"
#include "install/installemuset.h"
#include "install/installpictures.h"
#include "install/installsample.h"
#include "install/installsamplefiles.h"
#include "install/installtools.h"
#include "shared/consoles.h"
#include "shared/databasepath.h"
#include "shared/installationpaths.h"
#include "shared/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>

#include <algorithm>

// Lays out the tree the programs expect below the root, writes the master database,
// the plug-in registry and the ten console databases with their configuration records,
// draws the pictures, and adds the sample content the options ask for.
//
// The active console is the one the master record names (gameboy). With a game count
// it holds exactly that many generated games; with the sample, every other console
// holds invented games, and every console gets an emulator, parameter sets, documents.

namespace Installation {

namespace {

using Consoles::Console;
using InstallSample::Game;
using Rows = InstallDatabase::Rows;

constexpr double WindowTop = 1200, WindowLeft = 1500; // twips
constexpr int GeneratedScreenshots = 3;               // generated games that get a picture

const Console &activeConsole() { return Consoles::toolbarOrder().front(); }

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString path(const QString &root, const QString &relative) { return Paths::join(root, relative); }

QString consoleDir(const Console &console, const QString &sub)
{
    return InstallationPaths::consoleDir(console.directory) + QLatin1Char('\\') + sub + QLatin1Char('\\');
}

// Refused before anything is made: a database file that the engine cannot open by its path.
bool databasePathsFit(const QString &root, QString *error)
{
    QStringList databases = {InstallationPaths::masterDatabase(), InstallationPaths::pluginRegistry()};
    for (const Console &console : Consoles::toolbarOrder())
        databases.append(console.databasePath);
    for (const QString &relative : databases) {
        const QString tooLong = DatabasePath::tooLong(path(root, relative));
        if (!tooLong.isEmpty())
            return fail(error, tooLong);
    }
    return true;
}

bool alreadyInstalled(const QString &root, QString *error)
{
    for (const QString &relative : {InstallationPaths::masterDatabase(), InstallationPaths::databasesDir()}) {
        const QString found = Paths::resolve(path(root, relative));
        if (QFileInfo::exists(found))
            return !fail(error, root + QStringLiteral(" already holds an installation (") + found
                                    + QStringLiteral(" exists); nothing was changed"));
    }
    return false;
}

bool makeDirectories(const QString &root, const QStringList &relatives, QString *error)
{
    for (const QString &relative : relatives) {
        const QString dir = path(root, relative);
        if (!QDir().mkpath(dir))
            return fail(error, dir + QStringLiteral(": cannot create the directory"));
    }
    return true;
}

QStringList treeDirectories()
{
    QStringList dirs = {InstallationPaths::picturesDir(), InstallationPaths::converterDir(),
                        InstallationPaths::databasesDir()};
    for (const Console &console : Consoles::toolbarOrder())
        dirs << consoleDir(console, QStringLiteral("screen")) << consoleDir(console, QStringLiteral("games"));
    return dirs;
}

bool writePictures(const QString &root, QString *error)
{
    const QString dir = InstallationPaths::picturesDir();
    for (const Console &console : Consoles::toolbarOrder()) {
        if (!InstallPictures::save(InstallPictures::consolePicture(console), path(root, dir + console.pictureFile),
                                   error))
            return false;
    }
    return InstallPictures::save(InstallPictures::noPicture(), path(root, InstallationPaths::noPicture()), error);
}

QList<QVariantList> lookupRows(const QStringList &texts)
{
    QList<QVariantList> rows;
    for (const QString &text : texts)
        rows.append({text});
    return rows;
}

bool writeMaster(const QString &root, const QString &game, QString *error)
{
    InstallDatabase db(path(root, InstallationPaths::masterDatabase()));
    const Console &active = activeConsole();
    const QStringList config = {QStringLiteral("Database"), QStringLiteral("Game"), QStringLiteral("Picture"),
                                QStringLiteral("WinTop"), QStringLiteral("WinLeft")};
    return db.create(Schema::File::Master, error)
           && db.insert({InstallDatabase::rows(QStringLiteral("config"), config,
                                               {{active.databaseFile, game, active.pictureFile, WindowTop,
                                                 WindowLeft}}),
                         InstallDatabase::rows(QStringLiteral("langu"), {QStringLiteral("Language")},
                                               lookupRows(InstallSample::languages())),
                         InstallDatabase::rows(QStringLiteral("genres"), {QStringLiteral("Genre")},
                                               lookupRows(InstallSample::genres())),
                         InstallDatabase::rows(QStringLiteral("publisher"), {QStringLiteral("Publisher")},
                                               lookupRows(InstallSample::publishers()))},
                        error);
}

bool writeRegistry(const QString &root, QString *error)
{
    InstallDatabase db(path(root, InstallationPaths::pluginRegistry()));
    QList<QVariantList> keys;
    for (const char *key : {"unfoldr", "emuset", "cartload", "snapshift"})
        keys.append({QString::fromLatin1(key), QVariant()});
    return db.create(Schema::File::Registry, error)
           && db.insert({InstallDatabase::rows(QStringLiteral("plugins"),
                                               {QStringLiteral("plug"), QStringLiteral("Path")}, keys)},
                        error);
}

Rows configRows(const Console &console)
{
    return InstallDatabase::rows(QStringLiteral("config"),
                                 {QStringLiteral("Console"), QStringLiteral("Version"), QStringLiteral("GamesDir"),
                                  QStringLiteral("ScreenDir")},
                                 {{console.statusFinal, QStringLiteral("4.0"),
                                   QLatin1Char('\\') + console.directory + QStringLiteral("\\games\\"),
                                   QLatin1Char('\\') + console.directory + QStringLiteral("\\screen\\")}});
}

Rows sampleGameRows(const QList<Game> &games)
{
    QList<QVariantList> values;
    for (const Game &game : games)
        values.append(InstallSample::gameValues(game));
    return InstallDatabase::rows(QStringLiteral("giochi"), InstallSample::gameColumns(), values);
}

Rows generatedGameRows(const Console &console, int count)
{
    return {QStringLiteral("giochi"), InstallSample::gameColumns(), count,
            [&console](int i) { return InstallSample::gameValues(InstallSample::generatedGame(console, i)); }};
}

// The games a console gets: generated ones in the active console when a count is given,
// otherwise the sample's (or none).
QList<Game> sampleGamesFor(const Console &console, const Options &options)
{
    const bool generated = options.gamesPerConsole > 0 && console.key == activeConsole().key;
    return options.sample && !generated ? InstallSample::sampleGames(console) : QList<Game>();
}

bool writeConsole(const QString &root, const Console &console, const Options &options, QString *error)
{
    const QList<Game> games = sampleGamesFor(console, options);
    QList<Rows> rows = {configRows(console), sampleGameRows(games)};
    if (options.gamesPerConsole > 0 && console.key == activeConsole().key)
        rows.append(generatedGameRows(console, options.gamesPerConsole));
    if (options.sample)
        rows += InstallSampleFiles::rows(root, console);
    {
        InstallDatabase db(path(root, InstallationPaths::databasesDir() + console.databaseFile.toLower()));
        if (!db.create(Schema::File::Console, error) || !db.insert(rows, error))
            return false;
    }
    return !options.sample || InstallSampleFiles::write(root, console, games, error);
}

bool writeGeneratedScreenshots(const QString &root, int count, QString *error)
{
    const Console &active = activeConsole();
    for (int i = 0; i < qMin(count, GeneratedScreenshots); ++i) {
        const Game game = InstallSample::generatedGame(active, i);
        if (!InstallPictures::save(InstallPictures::screenshot(game.name, 0),
                                   path(root, consoleDir(active, QStringLiteral("screen")) + game.screen), error))
            return false;
    }
    return true;
}

bool isPlain(const QString &name)
{
    for (QChar c : name) {
        if (c.unicode() > 127 || c == QLatin1Char('\''))
            return false;
    }
    return true;
}

// The game the front-end shows first: one of the active console's games when there are
// any (a plain name, so a first start needs no quoting).
QString startGame(const Options &options)
{
    if (options.gamesPerConsole > 0)
        return InstallSample::generatedGame(activeConsole(), 0).name;
    if (options.sample) {
        for (const Game &game : InstallSample::sampleGames(activeConsole())) {
            if (isPlain(game.name))
                return game.name;
        }
    }
    return QStringLiteral("Pocket Quest");
}

// What a run made below the root, found by what stood there before it: a run that fails
// part-way removes exactly that, so the target is left as it was and the next run can
// begin afresh.
class MadeByThisRun {
public:
    explicit MadeByThisRun(const QString &root) : m_root(root)
    {
        // The highest directory of the root's path that does not exist yet goes whole.
        QString missing;
        for (QString dir = root; !dir.isEmpty() && !QFileInfo::exists(dir); dir = QFileInfo(dir).path()) {
            missing = dir;
            if (dir == QFileInfo(dir).path())
                break;
        }
        m_newTop = missing;
        if (m_newTop.isEmpty())
            m_before = entries();
    }

    void remove() const
    {
        if (!m_newTop.isEmpty()) {
            QDir(m_newTop).removeRecursively();
            return;
        }
        QStringList made;
        for (const QString &entry : entries()) {
            if (!m_before.contains(entry))
                made.append(entry);
        }
        // Deepest first, so that every directory is empty when its turn comes.
        std::sort(made.begin(), made.end(),
                  [](const QString &a, const QString &b) { return a.size() > b.size(); });
        for (const QString &entry : std::as_const(made)) {
            const QFileInfo info(entry);
            if (info.isDir() && !info.isSymLink())
                QDir().rmdir(entry);
            else
                QFile::remove(entry);
        }
    }

private:
    QSet<QString> entries() const
    {
        QSet<QString> found;
        QDirIterator it(m_root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found.insert(it.next());
        return found;
    }

    QString m_root;
    QString m_newTop;
    QSet<QString> m_before;
};

bool createTree(const QString &root, const Options &options, QString *error)
{
    QStringList dirs = treeDirectories();
    if (options.sample)
        dirs += InstallSampleFiles::directories();
    if (!makeDirectories(root, dirs, error) || !writePictures(root, error)
        || !writeMaster(root, startGame(options), error) || !writeRegistry(root, error))
        return false;
    if (!InstallTools::installConverter(root, options.programs.converter, error))
        return false;
    for (const Console &console : Consoles::toolbarOrder()) {
        if (!writeConsole(root, console, options, error))
            return false;
    }
    InstallEmuset::layInIfBuilt(root, options);
    return writeGeneratedScreenshots(root, options.gamesPerConsole, error);
}

} // namespace

bool create(const QString &rootPath, const Options &options, QString *error)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(error, QStringLiteral("The installation maker draws pictures and needs a QGuiApplication"));
    if (rootPath.isEmpty())
        return fail(error, QStringLiteral("No installation directory given"));
    const QString root = QDir::cleanPath(QFileInfo(rootPath).absoluteFilePath());
    if (alreadyInstalled(root, error) || !databasePathsFit(root, error))
        return false;
    const MadeByThisRun made(root);
    // The root first, as named: the paths below it are found on disk from it.
    if (!QDir().mkpath(root))
        return fail(error, root + QStringLiteral(": cannot create the directory"));
    if (createTree(root, options, error))
        return true;
    made.remove();
    return false;
}

} // namespace Installation
