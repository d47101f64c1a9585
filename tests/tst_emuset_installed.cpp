// An installed Emuset (its directory not writable, no emuset.ini beside it): the settings
// file in the user's configuration directory, the user's own installation used without
// the first-run question, and the choosers accepting an installation without ludora4.
#include "emuset/frmbrowser.h"
#include "emuset/frmbrowserplug.h"
#include "emuset/frontendchoice.h"
#include "emuset/settingsplace.h"
#include "install/installation.h"
#include "shared/paths.h"
#include "shared/widgets/filelists.h"
#include "tests/support/builtprograms.h"
#include "tests/support/testinstall.h"
#include "tests/tst_emuset_support.h"

#include <QTemporaryDir>

using namespace EmusetRun;
using Emuset::SettingsPlace::Place;

namespace {

QString exe(const char *name) { return Paths::executableName(QLatin1String(name)); }

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestEmusetInstalled : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeAll(); }
    void place_data();
    void place();
    void installedStart_data();
    void installedStart();
    void installationDir_data();
    void installationDir();
    void chooserStoresInConfiguration();
    void pluginChooserTakesMasterDatabase();

private:
    Place installedPlace() const;
    void startInstalled();

    TestInstall m_install;
    QTemporaryDir m_own;
    QTemporaryDir m_home;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

Place TestEmusetInstalled::installedPlace() const
{
    return Emuset::SettingsPlace::choose(m_own.path(), false, m_home.filePath(QStringLiteral("config")),
                                         m_home.filePath(QStringLiteral("data")));
}

void TestEmusetInstalled::startInstalled()
{
    m_dialogs.shown.clear();
    Generale::startProcedure(m_own.path(), installedPlace(), m_dialogs, m_launcher);
    QApplication::processEvents();
}

void TestEmusetInstalled::place_data()
{
    QTest::addColumn<bool>("iniBeside");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("installed");
    QTest::newRow("writable directory") << false << true << false;
    QTest::newRow("emuset.ini beside, read-only directory") << true << false << false;
    QTest::newRow("read-only directory without emuset.ini") << false << false << true;
}

void TestEmusetInstalled::place()
{
    QFETCH(bool, iniBeside);
    QFETCH(bool, writable);
    QFETCH(bool, installed);
    QTemporaryDir own;
    if (iniBeside)
        QVERIFY(writeIni(own.path(), "x\r\n"));
    const Place place = Emuset::SettingsPlace::choose(own.path(), writable, QStringLiteral("/home/u/.config"),
                                                      QStringLiteral("/home/u/.local/share"));
    QCOMPARE(place.installed, installed);
    QCOMPARE(place.settingsFile, installed ? native(QStringLiteral("/home/u/.config/ludora4/emuset.ini"))
                                           : native(own.filePath(QStringLiteral("emuset.ini"))));
    QCOMPARE(place.dataRoot, installed ? native(QStringLiteral("/home/u/.local/share/ludora4")) : QString());
}

// DATA: the user's data directory holds the installation; OTHER: emuset.ini in the
// configuration directory names another one, which wins.
void TestEmusetInstalled::installedStart_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("opened"); // the front-end directory used, "" for the chooser
    QTest::newRow("own installation, no settings") << "DATA"
                                                   << "DATA";
    QTest::newRow("settings name another installation") << "DATA OTHER"
                                                        << "OTHER";
    QTest::newRow("settings and no own installation") << "OTHER"
                                                      << "OTHER";
    QTest::newRow("nothing: the first-run question") << ""
                                                     << "";
}

void TestEmusetInstalled::installedStart()
{
    QFETCH(QString, setup);
    QFETCH(QString, opened);
    QVERIFY(m_install.isValid());
    const QString data = m_home.filePath(QStringLiteral("data/ludora4"));
    QDir(data).removeRecursively();
    QDir(m_home.filePath(QStringLiteral("config"))).removeRecursively();
    QString error;
    if (setup.contains(QLatin1String("DATA")))
        QVERIFY2(Installation::create(data, BuiltPrograms::options(), &error), qPrintable(error));
    if (setup.contains(QLatin1String("OTHER"))) {
        QVERIFY(QDir().mkpath(m_home.filePath(QStringLiteral("config/ludora4"))));
        QVERIFY(writeIni(m_home.filePath(QStringLiteral("config/ludora4")), iniLine(m_install.root())));
    }
    startInstalled();

    QVERIFY(!QFile::exists(m_own.filePath(QStringLiteral("emuset.ini"))));
    if (opened.isEmpty()) {
        auto *chooser = window<Emuset::FrmBrowser>(QStringLiteral("FrmBrowser"));
        QVERIFY(chooser);
        QCOMPARE(chooser->lists()->pattern(), exe("ludora4") + QStringLiteral(";ludora.mdb"));
        return;
    }
    const QString root = opened == QLatin1String("DATA") ? native(data) : m_install.root();
    QCOMPARE(Generale::state().FrontEndDir, root + QDir::separator());
    QVERIFY(Generale::mainWindow());
    QCOMPARE(Generale::state().ConsoleDb, Paths::join(root, QStringLiteral("\\database\\gameboy.mdb")));
    QVERIFY(!window(QStringLiteral("FrmBrowser")));
    QVERIFY(m_dialogs.shown.isEmpty());
}

void TestEmusetInstalled::installationDir_data()
{
    QTest::addColumn<QString>("directory"); // below a fresh tree: root/ with root/pack/ludora.mdb
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("withExecutable"); // root holds the front-end's executable
    QTest::addColumn<QString>("picked");      // relative to the tree, "-" for none
    QTest::newRow("executable") << "root" << exe("ludora4") << true << "root";
    QTest::newRow("executable, other case") << "root" << exe("LUDORA4") << true << "root";
    QTest::newRow("master database in pack") << "root/pack"
                                             << "ludora.mdb" << false << "root";
    QTest::newRow("master database, other case") << "root/PACK"
                                                 << "LUDORA.MDB" << false << "root";
    QTest::newRow("master database beside an executable") << "root/pack"
                                                          << "ludora.mdb" << true << "-";
    QTest::newRow("master database outside pack") << "root"
                                                  << "ludora.mdb" << false << "-";
    QTest::newRow("another file") << "root/pack"
                                  << "plugins.mdb" << false << "-";
}

void TestEmusetInstalled::installationDir()
{
    QFETCH(QString, directory);
    QFETCH(QString, file);
    QFETCH(bool, withExecutable);
    QFETCH(QString, picked);
    QTemporaryDir tree;
    QVERIFY(QDir(tree.path()).mkpath(directory));
    if (withExecutable)
        QVERIFY(touch(tree.filePath(QStringLiteral("root/") + exe("ludora4"))));
    const QString result = Emuset::FrontEndChoice::installationDir(tree.filePath(directory), file);
    QCOMPARE(result, picked == QLatin1String("-") ? QString() : native(tree.filePath(picked)));
}

// The first-run chooser of an installed Emuset: the master database of the user's
// installation is listed and picks it; the choice goes to a configuration directory
// that did not exist yet.
void TestEmusetInstalled::chooserStoresInConfiguration()
{
    QVERIFY(m_install.isValid());
    QDir(m_home.filePath(QStringLiteral("config"))).removeRecursively();
    QDir(m_home.filePath(QStringLiteral("data"))).removeRecursively();
    startInstalled();
    auto *chooser = window<Emuset::FrmBrowser>(QStringLiteral("FrmBrowser"));
    QVERIFY(chooser);
    QVERIFY(chooser->lists()->setPath(m_install.path(QStringLiteral("pack"))));
    QCOMPARE(entries(chooser->lists()->File1), QStringList{QStringLiteral("ludora.mdb")});
    clickEntry(chooser->lists()->File1, 0);

    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(readAll(m_home.filePath(QStringLiteral("config/ludora4/emuset.ini"))), iniLine(m_install.root()));
    QVERIFY(!QFile::exists(m_own.filePath(QStringLiteral("emuset.ini"))));
    QVERIFY(Generale::mainWindow());
    QCOMPARE(Generale::state().ConsoleDb, m_install.path(QStringLiteral("database/gameboy.mdb")));
}

// Installing into the front-end from an installed Emuset: a click on the master database
// registers the program's own path; a master database beside an executable is refused.
void TestEmusetInstalled::pluginChooserTakesMasterDatabase()
{
    QVERIFY(m_install.isValid());
    QVERIFY(writeIni(m_own.path(), iniLine(m_install.root())));
    Generale::startProcedure(m_own.path(), Place{true, m_own.filePath(QStringLiteral("emuset.ini")), {}},
                             m_dialogs, m_launcher);
    Generale::showBrowserPlug();
    auto *chooser = window<Emuset::FrmBrowserPlug>(QStringLiteral("FrmBrowserPlug"));
    QVERIFY(chooser);
    QVERIFY(chooser->lists()->setPath(m_install.path(QStringLiteral("pack"))));
    m_dialogs.shown.clear();
    QVERIFY(touch(m_install.path(exe("ludora4"))));
    clickEntry(chooser->lists()->File1, 0);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Warning!"));
    QVERIFY(
        m_install
            .scalar(TestInstall::registryDb(), QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'"))
            .isNull());

    QVERIFY(QFile::remove(m_install.path(exe("ludora4"))));
    clickEntry(chooser->lists()->File1, 0);
    QCOMPARE(m_dialogs.shown.size(), 2);
    QCOMPARE(m_dialogs.shown[1].text, QStringLiteral("Plug In Installed !"));
    QCOMPARE(m_install.scalar(TestInstall::registryDb(),
                              QStringLiteral("SELECT Path FROM plugins WHERE plug = 'emuset'")),
             QVariant(native(m_own.filePath(exe("emuset")))));
}

QTEST_MAIN(TestEmusetInstalled)
#include "tst_emuset_installed.moc"
