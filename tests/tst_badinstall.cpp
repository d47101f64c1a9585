// The installation maker on a run that fails part-way, and on a target whose name holds a
// backslash (a character like any other on this system): a failed run leaves the target
// as it was, so that the next run succeeds; the backslash stays part of the name.
#include "install/installation.h"
#include "tests/support/builtprograms.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/windowcontrols.h"

#include <QDirIterator>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList entriesBelow(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(it.next().mid(root.size()));
    entries.sort();
    return entries;
}

} // namespace

class TestBadInstall : public QObject {
    Q_OBJECT
private slots:
    void failedRunLeavesTheTargetAsItWas_data();
    void failedRunLeavesTheTargetAsItWas();
    void pathTooLongIsRefused();
    void backslashIsPartOfTheName();
};

void TestBadInstall::failedRunLeavesTheTargetAsItWas_data()
{
    QTest::addColumn<QString>("target");     // below a temporary directory
    QTest::addColumn<QStringList>("before"); // what stands there before the run
    QTest::newRow("new directory") << QStringLiteral("new/inst") << QStringList();
    QTest::newRow("empty directory") << QStringLiteral("inst") << QStringList{QStringLiteral("inst/")};
    QTest::newRow("directory with files")
        << QStringLiteral("inst")
        << QStringList{QStringLiteral("inst/ludora4"), QStringLiteral("inst/pack/notes.txt")};
}

void TestBadInstall::failedRunLeavesTheTargetAsItWas()
{
    QFETCH(QString, target);
    QFETCH(QStringList, before);
    QTemporaryDir dir;
    for (const QString &entry : before) {
        QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(entry)).path()));
        if (!entry.endsWith(QLatin1Char('/')))
            QVERIFY(writeFile(dir.filePath(entry), "mine"));
    }
    const QStringList original = entriesBelow(dir.path());
    const QString root = dir.filePath(target);
    QString error;
    {
        // The maker pointed at a build directory without the converter.
        QTemporaryDir empty;
        Installation::Options options = BuiltPrograms::options();
        options.programs.converter = empty.filePath(QStringLiteral("I_View32"));
        QVERIFY(!Installation::create(root, options, &error));
    }
    QVERIFY2(error.contains(QStringLiteral("I_View32")), qPrintable(error));
    QCOMPARE(entriesBelow(dir.path()), original);
    QVERIFY2(Installation::create(root, BuiltPrograms::options(), &error), qPrintable(error));
    QVERIFY(QFileInfo(root + QStringLiteral("/pack/ludora.mdb")).size() > 0);
}

// A target whose database files' paths are longer than the database engine opens: refused
// before anything is made, saying so.
void TestBadInstall::pathTooLongIsRefused()
{
    QTemporaryDir dir;
    QString root = dir.path();
    while (QFile::encodeName(root).size() < 500)
        root += QLatin1Char('/') + QString(60, QLatin1Char('r'));
    QString error;
    QVERIFY(!Installation::create(root, BuiltPrograms::options(), &error));
    QVERIFY2(error.startsWith(QStringLiteral("The path ") + root)
                 && error.contains(QStringLiteral(" is too long ")),
             qPrintable(error));
    QVERIFY(QDir(dir.path()).isEmpty());
}

// Made at the name given, and the front-end started there finds its files.
void TestBadInstall::backslashIsPartOfTheName()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("back\\slash"));
    QString error;
    QVERIFY2(Installation::create(root, BuiltPrograms::options(false, 3), &error), qPrintable(error));
    QVERIFY(QFileInfo(root + QStringLiteral("/pack/ludora.mdb")).isFile());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("back"))));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(root, dialogs, launcher);
    QVERIFY(window);
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(listedGames(window).size(), 3);
    closeFrontEnd();
}

QTEST_MAIN(TestBadInstall)
#include "tst_badinstall.moc"
