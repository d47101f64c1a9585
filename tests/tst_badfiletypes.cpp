// Things that are not regular files where the programs read a file: a FIFO (which blocks
// whoever opens it for reading), a link to a device that never ends, a directory. Each is
// treated as missing, and nothing waits on it; a link to a regular file works as the file.
// The converter stand-in names the cause when it cannot write its output.
#include "tests/support/builtprograms.h"
#include "tests/support/emusetwindow.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString gameboy = TestInstall::gameboyDb();

// Puts something that is no regular file at path (replacing what is there).
bool replaceWith(const QString &kind, const QString &path)
{
    QFile::remove(path);
    const QByteArray native = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(native.constData(), 0600) == 0;
    if (kind == QLatin1String("link to a device"))
        return ::symlink("/dev/zero", native.constData()) == 0;
    if (kind == QLatin1String("directory"))
        return QDir().mkdir(path);
    return false;
}

struct Run {
    int exitCode = -1;
    QString errorOutput;
};

// Runs the converter; a file-size limit stands in for a disk that fills up.
Run convert(const QStringList &arguments, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QProcess process;
    process.setChildProcessModifier([fileSizeLimit] {
        ::signal(SIGXFSZ, SIG_IGN); // a write over the limit then fails with EFBIG
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(BuiltPrograms::converter(), arguments);
    Run run;
    if (process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    else
        process.kill();
    run.errorOutput = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

bool writePicture(const QString &path, int size = 40)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
    }
    return image.save(path, "PNG");
}

} // namespace

class TestBadFileTypes : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeEmuset();
    }
    void picturesThatAreNoFiles_data();
    void picturesThatAreNoFiles();
    void linkedPicturesAreRead();
    void converterInputThatIsNoFile_data();
    void converterInputThatIsNoFile();
    void converterNamesAWriteFailure();
    void settingsFileThatIsNoFile();
    void consoleDatabaseThatIsNoFile_data();
    void consoleDatabaseThatIsNoFile();
};

void TestBadFileTypes::picturesThatAreNoFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"fifo", "link to a device", "directory"}) {
        for (const char *file :
             {"pack/immagini/gameboy.jpg", "pack/immagini/none.gif", "console/gameboy/screen/snap.gif"})
            QTest::addRow("%s as %s", file, kind) << QString::fromLatin1(file) << QString::fromLatin1(kind);
    }
}

// The console picture, the no-picture picture and the shown game's screenshot: the
// front-end starts and shows the game; a console picture that is no file is reported.
void TestBadFileTypes::picturesThatAreNoFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(
        install.exec(gameboy, QStringLiteral("INSERT INTO giochi (Gioco, Screen) VALUES ('Snap', 'snap.gif')")));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = 'Snap'")));
    QVERIFY(writePicture(install.path(QStringLiteral("console/gameboy/screen/snap.gif"))));
    QVERIFY(replaceWith(kind, install.path(file)));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(window);
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), QStringLiteral("Snap"));
    QCOMPARE(child<QLabel>(window, "ImgConsole")->pixmap().isNull(), file.endsWith(QLatin1String("gameboy.jpg")));
}

void TestBadFileTypes::linkedPicturesAreRead()
{
    TestInstall install;
    QTemporaryDir elsewhere;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    const QString picture = elsewhere.filePath(QStringLiteral("console.png"));
    QVERIFY(writePicture(picture, 33));
    const QString console = install.path(QStringLiteral("pack/immagini/gameboy.jpg"));
    QVERIFY(QFile::remove(console));
    QVERIFY(QFile::link(picture, console));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(window);
    QCOMPARE(child<QLabel>(window, "ImgConsole")->pixmap().size(), QSize(33, 33));
}

void TestBadFileTypes::converterInputThatIsNoFile_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"fifo", "link to a device", "directory"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestBadFileTypes::converterInputThatIsNoFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.bmp"));
    const QString output = dir.filePath(QStringLiteral("output.gif"));
    QVERIFY(replaceWith(kind, input));
    const Run run = convert({input, QStringLiteral("/c=") + output});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errorOutput.contains(QStringLiteral("not a regular file")), qPrintable(run.errorOutput));
    QVERIFY(!QFile::exists(output));

    // A link to a picture converts like the picture.
    const QString picture = dir.filePath(QStringLiteral("picture.png"));
    const QString linked = dir.filePath(QStringLiteral("linked.png"));
    QVERIFY(writePicture(picture));
    QVERIFY(QFile::link(picture, linked));
    QCOMPARE(convert({linked, QStringLiteral("/c=") + output}).exitCode, 0);
    QCOMPARE(QImage(output).size(), QSize(40, 40));
}

// A write that fails part-way (here a file-size limit, as a full disk would) is named.
void TestBadFileTypes::converterNamesAWriteFailure()
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("input.png"));
    const QString output = dir.filePath(QStringLiteral("output.gif"));
    QVERIFY(writePicture(input, 200));
    const Run run = convert({input, QStringLiteral("/c=") + output}, 512);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errorOutput.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(run.errorOutput));
    QVERIFY(!QFile::exists(output));
}

// emuset.ini that is a FIFO: Emuset does not wait on it and asks for the directory.
void TestBadFileTypes::settingsFileThatIsNoFile()
{
    QTemporaryDir own;
    QVERIFY(replaceWith(QStringLiteral("fifo"), own.filePath(QStringLiteral("emuset.ini"))));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QVERIFY(!startEmuset(own.path(), dialogs, launcher));
    QVERIFY(openChooser());
}

void TestBadFileTypes::consoleDatabaseThatIsNoFile_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"fifo", "link to a device", "directory"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

// A console database that is no file, chosen in Emuset (which checks it for the earlier
// format): Emuset does not wait on it and names the file.
void TestBadFileTypes::consoleDatabaseThatIsNoFile()
{
    QFETCH(QString, kind);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    const QString database = install.path(QStringLiteral("database/nintendo.mdb"));
    QVERIFY(replaceWith(kind, database));
    QTemporaryDir own;
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QWidget *window = startEmuset(own.path(), dialogs, launcher);
    QVERIFY(window);
    auto *consoles = child<QComboBox>(window, "CmbEmu");
    QVERIFY(consoles);
    consoles->setFocus();
    QTest::keyClicks(consoles, QStringLiteral("Nintendo"));
    QCOMPARE(consoles->currentText(), QStringLiteral("Nintendo"));
    QString said = shownText(window, QStringLiteral("Panel1"));
    for (const auto &shown : std::as_const(dialogs.shown))
        said += shown.text;
    QVERIFY2(said.contains(database), qPrintable(said));
}

QTEST_MAIN(TestBadFileTypes)
#include "tst_badfiletypes.moc"
