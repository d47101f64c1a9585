#include "bench/gamelistfigures.h"

#include "bench/figures.h"
#include "bench/report.h"
#include "gamelist/gamelistexport.h"
#include "gamelist/gamelistimport.h"
#include "install/installation.h"
#include "shared/consoles.h"
#include "shared/datasource.h"
#include "tests/support/builtprograms.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QXmlStreamWriter>

namespace GamelistFigures {

namespace {

constexpr int Pictures = 200;

// A gamelist of N entries, every text field filled, each with a rom in the games folder;
// with pictures, each entry names a 320x240 picture of its own.
bool makeGamelist(const ConsoleFolders &folders, const QString &file, int games, bool pictures, QString *error)
{
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        *error = file + QStringLiteral(": ") + out.errorString();
        return false;
    }
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gameList"));
    QRandomGenerator random(games);
    QImage image(320, 240, QImage::Format_RGB32);
    for (int i = 0; i < games; ++i) {
        const QString rom = QStringLiteral("Game %1 (Europe) [!].nes").arg(i, 5, 10, QLatin1Char('0'));
        if (!QFile(folders.gamesDir + rom).open(QIODevice::WriteOnly)) {
            *error = folders.gamesDir + rom + QStringLiteral(": cannot be written");
            return false;
        }
        xml.writeStartElement(QStringLiteral("game"));
        xml.writeTextElement(QStringLiteral("path"), QStringLiteral("/home/pi/RetroPie/roms/nes/") + rom);
        xml.writeTextElement(QStringLiteral("name"),
                             QStringLiteral("The Legend of Game %1: Part's Return").arg(i));
        xml.writeTextElement(QStringLiteral("desc"), QStringLiteral("A game of jumps & runs, number %1, with a "
                                                                    "story told over several lines.\nThe end.")
                                                         .arg(i));
        xml.writeTextElement(QStringLiteral("releasedate"), QStringLiteral("%10101T000000").arg(1980 + i % 30));
        xml.writeTextElement(QStringLiteral("developer"), QStringLiteral("Studio %1").arg(i % 40));
        xml.writeTextElement(QStringLiteral("genre"), QStringLiteral("Genre %1").arg(i % 25));
        xml.writeTextElement(QStringLiteral("rating"), QString::number((i % 11) / 10.0));
        xml.writeTextElement(QStringLiteral("favorite"),
                             i % 7 == 0 ? QStringLiteral("true") : QStringLiteral("false"));
        xml.writeTextElement(QStringLiteral("playcount"), QString::number(i % 13));
        xml.writeTextElement(QStringLiteral("lastplayed"), QStringLiteral("20230115T203000"));
        if (pictures) {
            for (int y = 0; y < image.height(); ++y) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    line[x] = random.generate() | 0xff000000u;
            }
            const QString picture = QStringLiteral("media/%1.png").arg(i);
            if (!QDir().mkpath(QFileInfo(file).absolutePath() + QStringLiteral("/media"))
                || !image.save(QFileInfo(file).absolutePath() + QLatin1Char('/') + picture)) {
                *error = picture + QStringLiteral(": cannot be written");
                return false;
            }
            xml.writeTextElement(QStringLiteral("image"), QStringLiteral("./") + picture);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return true;
}

// Puts the empty catalogue back and takes the screenshots away, between repetitions.
bool restore(const ConsoleFolders &folders, const QString &emptyCopy)
{
    DataSource::closeAllConnections();
    QDir screens(folders.screenDir);
    for (const QString &name : screens.entryList(QDir::Files))
        screens.remove(name);
    return QFile::remove(folders.database) && QFile::copy(emptyCopy, folders.database);
}

double timedImport(const ConsoleFolders &folders, const QString &file, QString *error)
{
    QElapsedTimer clock;
    clock.start();
    GamelistImport::Prepared prepared;
    GamelistImport::Counts done;
    const GamelistImport::Request request{folders, file, false, {}, QDate::currentDate()};
    if (GamelistImport::prepare(request, &prepared, error) != GamelistImport::Status::Done
        || GamelistImport::store(prepared, &done, error) != GamelistImport::Status::Done)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

// Imports the gamelist afresh each repetition (a warm-up first); per picture when asked.
std::vector<double> imports(const ConsoleFolders &folders, const QString &file, int repetitions, int perItems,
                            QString *error)
{
    const QString emptyCopy = folders.database + QStringLiteral(".empty");
    std::vector<double> samples;
    if (!QFile::copy(folders.database, emptyCopy))
        return samples;
    for (int i = 0; i <= repetitions; ++i) {
        if (!restore(folders, emptyCopy)) {
            *error = QStringLiteral("cannot put the empty catalogue back");
            return {};
        }
        const double ms = timedImport(folders, file, error);
        if (ms < 0)
            return {};
        if (i > 0)
            samples.push_back(ms / perItems);
    }
    return samples;
}

std::vector<double> exports(const ConsoleFolders &folders, const QString &file, int repetitions, QString *error)
{
    std::vector<double> samples;
    for (int i = 0; i <= repetitions; ++i) {
        QElapsedTimer clock;
        clock.start();
        GamelistExport::Counts counts;
        if (!GamelistExport::run({folders, file, {}}, &counts, error))
            return {};
        if (i > 0)
            samples.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return samples;
}

void add(Report::Run &run, QStringList &problems, const QString &name, int games, std::vector<double> samples,
         const QString &error)
{
    if (samples.empty())
        problems.append(name + QStringLiteral(" (") + error + QLatin1Char(')'));
    else
        run.add(name, games, std::move(samples));
}

} // namespace

void measure(Report::Run &run, QStringList &problems, const QString &workDir, int repetitions)
{
    const QString root = QDir(workDir).filePath(QStringLiteral("ludora-gamelist"));
    QString error;
    if (!Installation::create(root, BuiltPrograms::options(), &error)) {
        problems.append(QStringLiteral("gamelist installation (%1)").arg(error));
        return;
    }
    const ConsoleFolders nes = ConsoleFolders::of(root, *Consoles::byKey(QStringLiteral("nintendo")));
    const ConsoleFolders snes = ConsoleFolders::of(root, *Consoles::byKey(QStringLiteral("snes")));
    const QString large = QDir(root).filePath(QStringLiteral("large/gamelist.xml"));
    const QString pictures = QDir(root).filePath(QStringLiteral("pictures/gamelist.xml"));
    QDir().mkpath(QFileInfo(large).absolutePath());
    QDir().mkpath(QFileInfo(pictures).absolutePath());
    if (!makeGamelist(nes, large, Figures::Large, false, &error)
        || !makeGamelist(snes, pictures, Pictures, true, &error)) {
        problems.append(QStringLiteral("gamelist files (%1)").arg(error));
        return;
    }
    add(run, problems, Figures::gamelistImport(), Figures::Large, imports(nes, large, repetitions, 1, &error),
        error);
    add(run, problems, Figures::gamelistExport(), Figures::Large,
        exports(nes, QDir(root).filePath(QStringLiteral("export.xml")), repetitions, &error), error);
    add(run, problems, Figures::gamelistPicture(), Pictures,
        imports(snes, pictures, repetitions, Pictures, &error), error);
    DataSource::closeAllConnections();
    QDir(root).removeRecursively();
}

} // namespace GamelistFigures
