// The converter stand-in I_View32 as a program: INPUT /c=OUTPUT turns an image of any
// format Qt reads into a GIF, never changes INPUT, and refuses what it cannot read; the
// installation maker puts it into every installation.
#include "install/installtools.h"
#include "shared/paths.h"
#include "shared/snapshotconversion.h"
#include "tests/support/builtprograms.h"
#include "tests/support/testinstall.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor shade(40, 140, 220);

QString builtConverter() { return BuiltPrograms::converter(); }

struct Run {
    int exitCode = -1;
    QByteArray errorOutput;
};

Run runConverter(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errorOutput = process.readAllStandardError();
    return run;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// GIF keeps 256 colours: a colour may come back a little off.
bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

QImage picture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(shade);
    image.setPixel(0, 0, qRgb(255, 255, 0));
    return image;
}

} // namespace

class TestIView32 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void convertsToGif_data();
    void convertsToGif();
    void gifOntoItself();
    void unreadableInputWritesNothing_data();
    void unreadableInputWritesNothing();
    void wrongArgumentsShowUsage_data();
    void wrongArgumentsShowUsage();
    void installationCarriesTheConverter();
    void missingBuildIsReportedByPlace();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIView32::initTestCase()
{
    QVERIFY2(QFileInfo(builtConverter()).isExecutable(), qPrintable(builtConverter() + " is not built"));
}

void TestIView32::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIView32::convertsToGif_data()
{
    QTest::addColumn<QByteArray>("format"); // written by Qt; empty: written by the GIF writer
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << QByteArray("png") << "shot.png";
    QTest::newRow("bmp") << QByteArray("bmp") << "shot.bmp";
    QTest::newRow("jpeg") << QByteArray("jpg") << "shot.jpg";
    QTest::newRow("png under another extension") << QByteArray("png") << "shotjpeg";
}

void TestIView32::convertsToGif()
{
    QFETCH(QByteArray, format);
    QFETCH(QString, name);
    const QString input = m_dir->filePath(name);
    QVERIFY(picture().save(input, format.constData()));
    const QByteArray before = readFile(input);
    const QString output = m_dir->filePath(QStringLiteral("out dir with blank.gif"));

    const Run run = runConverter(builtConverter(), {input, QStringLiteral("/c=") + output});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(readFile(input), before);
    QImageReader reader(output);
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage gif = reader.read();
    QCOMPARE(gif.size(), QSize(40, 30));
    QVERIFY2(near(gif.pixelColor(20, 15), shade), qPrintable(gif.pixelColor(20, 15).name()));
}

void TestIView32::gifOntoItself()
{
    const QString png = m_dir->filePath(QStringLiteral("first.png"));
    const QString gif = m_dir->filePath(QStringLiteral("pacman_1.gif"));
    QVERIFY(picture().save(png, "png"));
    QCOMPARE(runConverter(builtConverter(), {png, QStringLiteral("/c=") + gif}).exitCode, 0);

    const Run run = runConverter(builtConverter(), {gif, QStringLiteral("/c=") + gif});
    QCOMPARE(run.exitCode, 0);
    const QImage image(gif);
    QCOMPARE(image.size(), QSize(40, 30));
    QVERIFY(near(image.pixelColor(0, 0), QColor(255, 255, 0)));
    QVERIFY(near(image.pixelColor(20, 15), shade));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2); // no temporary left behind
}

void TestIView32::unreadableInputWritesNothing_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the input does not exist
    QTest::newRow("text named .bmp") << QByteArray("this is not a picture\n");
    QTest::newRow("truncated png") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    QTest::newRow("missing") << QByteArray();
}

void TestIView32::unreadableInputWritesNothing()
{
    QFETCH(QByteArray, content);
    const QString input = m_dir->filePath(QStringLiteral("bad.bmp"));
    if (!content.isEmpty()) {
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QString output = m_dir->filePath(QStringLiteral("bad.gif"));
    const Run run = runConverter(builtConverter(), {input, QStringLiteral("/c=") + output});
    QVERIFY(run.exitCode > 0);
    QCOMPARE(run.errorOutput.count('\n'), 1);
    QVERIFY2(run.errorOutput.contains(input.toLocal8Bit()), run.errorOutput.constData());
    QVERIFY(!QFile::exists(output));
    if (!content.isEmpty())
        QCOMPARE(readFile(input), content);
}

void TestIView32::wrongArgumentsShowUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("input only") << QStringList{"in.png"};
    QTest::newRow("output without switch") << QStringList{"in.png", "out.gif"};
    QTest::newRow("empty output") << QStringList{"in.png", "/c="};
    QTest::newRow("one too many") << QStringList{"in.png", "/c=out.gif", "extra"};
    QTest::newRow("blank before the path") << QStringList{"in.png", "/c=", "out.gif"};
}

void TestIView32::wrongArgumentsShowUsage()
{
    QFETCH(QStringList, arguments);
    QVERIFY(picture().save(m_dir->filePath(QStringLiteral("in.png")), "png"));
    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.start(builtConverter(), arguments);
    QVERIFY(process.waitForFinished(30000));
    QVERIFY(process.exitCode() != 0);
    QVERIFY(process.readAllStandardError().startsWith("usage: I_View32 INPUT /c=OUTPUT"));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("out.gif"))));
}

void TestIView32::installationCarriesTheConverter()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    const QString converter = Paths::join(install.root(), SnapshotConversion::converterRelativePath());
    QVERIFY(QFileInfo(converter).isExecutable());
    QCOMPARE(readFile(converter), readFile(builtConverter()));
}

void TestIView32::missingBuildIsReportedByPlace()
{
    QTemporaryDir emptyBuild;
    const QString missing = emptyBuild.filePath(QStringLiteral("I_View32"));
    QString error;
    QVERIFY(!InstallTools::installConverter(m_dir->path(), missing, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(missing)), qPrintable(error));
    // Nothing given: looked for beside this program, which is no build of the converter.
    QVERIFY(!InstallTools::installConverter(m_dir->path(), QString(), &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())), qPrintable(error));
}

QTEST_MAIN(TestIView32)
#include "tst_iview32.moc"
