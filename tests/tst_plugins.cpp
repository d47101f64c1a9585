// The plug-ins panel: starting plug-ins, the Emuset warning, and registering a plug-in's
// executable through its path label (at once in the panel, and at the next start).
// The start-up read itself (null path, deleted file, registry missing) is covered by
// tst_startup.
#include "shared/datasource.h"
#include "shared/paths.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

namespace {

// Clicks the entry of one of the open chooser's lists that shows a text.
bool clickChooserEntry(const QString &list, const QString &text)
{
    QWidget *chooser = openChooser();
    const int row = int(entries(chooser, list).indexOf(text));
    if (row >= 0)
        clickEntry(chooser, list, row);
    return row >= 0;
}

// Walks the open chooser's folders to a directory: up to the root, then down.
bool goToFolder(const QString &folder)
{
    for (int up = 0; up < 100 && clickChooserEntry(QStringLiteral("Dir1"), QStringLiteral("..")); ++up) {
    }
    const QStringList names = QDir(folder).canonicalPath().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &name : names) {
        if (!clickChooserEntry(QStringLiteral("Dir1"), name))
            return false;
    }
    return true;
}

// The plug-ins that have a program: key, start button, path label, chooser caption.
struct Plugin {
    const char *key, *button, *label, *caption;
};
const Plugin plugins[] = {
    {"unfoldr", "Command3", "Label18", "Choose 'UNFOLDR.EXE' file"},
    {"emuset", "Command4", "Label22", "Choose 'EMUSET.EXE' file"},
    {"cartload", "Command5", "Label24", "Choose 'CARTLOAD.EXE' file"},
    {"snapshift", "Command7", "Label27", "Choose 'SNAPSHIFT.EXE' file"},
};

} // namespace

class TestPlugins : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startButtonsStartTheRegisteredPath_data();
    void startButtonsStartTheRegisteredPath();
    void emusetAsksFirst_data();
    void emusetAsksFirst();
    void failedStartGoesToTheErrorLine();
    void labelChoosesItsOwnExecutable_data();
    void labelChoosesItsOwnExecutable();
    void chosenCartloadSurvivesARestart();
    void missingRecordIsAdded();
    void registryGoneWhenChoosing();
    void dbfreshHasNoAction();

private:
    QString makeTool(const QString &key, const QString &folder = QStringLiteral("tools"));
    void registerPath(const QString &key, const QString &path);
    QVariant registeredPath(const QString &key);
    bool startMain();
    void chooseThrough(const QString &label, const QString &folder, const QString &file);
    bool enabled(const char *name) const { return child(m_main, name)->isEnabled(); }

    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<RecordingLauncher> m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestPlugins::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_launcher = std::make_unique<RecordingLauncher>();
}

void TestPlugins::cleanup()
{
    closeFrontEnd();
    m_main = nullptr;
    m_install.reset();
}

// An executable file named as the platform names the plug-in's program.
QString TestPlugins::makeTool(const QString &key, const QString &folder)
{
    const QString dir = m_install->path(folder);
    QDir().mkpath(dir);
    const QString path = QDir::toNativeSeparators(QDir(dir).canonicalPath() + QLatin1Char('/')
                                                  + Paths::executableName(key));
    writeFile(path, "#!/bin/sh\n");
    QFile(path).setPermissions(QFile(path).permissions() | QFile::ExeOwner);
    return path;
}

void TestPlugins::registerPath(const QString &key, const QString &path)
{
    QVERIFY(m_install->exec(TestInstall::registryDb(),
                            QStringLiteral("UPDATE plugins SET Path = ? WHERE plug = ?"), {path, key}));
}

QVariant TestPlugins::registeredPath(const QString &key)
{
    return m_install->scalar(TestInstall::registryDb(),
                             QStringLiteral("SELECT Path FROM plugins WHERE plug = '") + key + QLatin1Char('\''));
}

bool TestPlugins::startMain()
{
    m_main = startFrontEnd(m_install->root(), *m_dialogs, *m_launcher);
    return m_main;
}

void TestPlugins::chooseThrough(const QString &label, const QString &folder, const QString &file)
{
    clickOn(m_main, label);
    QVERIFY(openChooser());
    QVERIFY(goToFolder(folder));
    QVERIFY(clickFile(file));
}

void TestPlugins::startButtonsStartTheRegisteredPath_data()
{
    QTest::addColumn<int>("plugin");
    QTest::addColumn<bool>("otherCase"); // registered in another case than on disk
    QTest::newRow("unfoldr") << 0 << false;
    QTest::newRow("cartload") << 2 << false;
    QTest::newRow("snapshift") << 3 << false;
    QTest::newRow("cartload, other case") << 2 << true;
}

void TestPlugins::startButtonsStartTheRegisteredPath()
{
    QFETCH(int, plugin);
    QFETCH(bool, otherCase);
    const auto [key, button, label, caption] = plugins[plugin];
    const QString tool = makeTool(key, QStringLiteral("plug ins"));
    const QString folder = QFileInfo(tool).path();
    const QString registered = otherCase ? folder.left(folder.size() - 8) + QStringLiteral("PLUG Ins/")
                                               + QFileInfo(tool).fileName().toUpper()
                                         : tool;
    registerPath(key, registered);
    QVERIFY(startMain());
    QCOMPARE(shownText(m_main, label), registered);
    QVERIFY(child(m_main, button)->isEnabled());
    clickOn(m_main, button);
    QCOMPARE(m_launcher->started.size(), 1);
    QCOMPARE(m_launcher->started[0].program, tool);
    QVERIFY(m_launcher->started[0].arguments.isEmpty());
    QVERIFY(m_dialogs->shown.isEmpty());
}

void TestPlugins::emusetAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("cancel") << false;
    QTest::newRow("ok") << true;
}

void TestPlugins::emusetAsksFirst()
{
    QFETCH(bool, answer);
    const QString tool = makeTool(QStringLiteral("emuset"));
    registerPath(QStringLiteral("emuset"), tool);
    QVERIFY(startMain());
    m_dialogs->queueAnswers({answer});
    clickOn(m_main, QStringLiteral("Command4"));
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs->shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs->shown[0].title, QStringLiteral("Warning!"));
    QCOMPARE(m_dialogs->shown[0].text, QStringLiteral("You can ADD emulators to a console ONLY IF THIS CONSOLE "
                                                      "IS NOT THE 'ACTIVE CONSOLE' IN LUDORA4 !!"));
    QCOMPARE(m_launcher->started.size(), answer ? 1 : 0);
    if (answer)
        QCOMPARE(m_launcher->started[0].program, tool);
}

void TestPlugins::failedStartGoesToTheErrorLine()
{
    const QString tool = makeTool(QStringLiteral("cartload"));
    registerPath(QStringLiteral("cartload"), tool);
    QVERIFY(startMain());
    QVERIFY(QFile::remove(tool)); // removed since start-up: the button stays enabled
    m_launcher->succeed = false;
    clickOn(m_main, QStringLiteral("Command5"));
    QVERIFY2(errorLine(m_main).contains(tool), qPrintable(panelText(m_main, 6)));
    QVERIFY(enabled("Command5"));
}

void TestPlugins::labelChoosesItsOwnExecutable_data()
{
    QTest::addColumn<int>("plugin");
    for (int plugin = 0; plugin < int(std::size(plugins)); ++plugin)
        QTest::newRow(plugins[plugin].key) << plugin;
}

void TestPlugins::labelChoosesItsOwnExecutable()
{
    QFETCH(int, plugin);
    const auto [key, button, label, caption] = plugins[plugin];
    const QString folder = m_install->path(QStringLiteral("all tools"));
    QString tool;
    for (const char *other : {"unfoldr", "emuset", "cartload", "snapshift"}) {
        const QString path = makeTool(QLatin1String(other), QStringLiteral("all tools"));
        if (key == QLatin1String(other))
            tool = path;
    }
    QVERIFY(writeFile(folder + QStringLiteral("/") + key + QStringLiteral(".txt")));
    QVERIFY(startMain());

    clickOn(m_main, label);
    QPointer<QWidget> chooser = openChooser();
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), QString::fromLatin1(caption));
    QVERIFY(goToFolder(folder));
    // Only the plug-in's own executable; the click registers it for that plug-in.
    QCOMPARE(entries(chooser, QStringLiteral("File1")), QStringList{Paths::executableName(key)});
    clickEntry(chooser, QStringLiteral("File1"), 0);
    QCOMPARE(shownText(m_main, label), tool);
    QVERIFY(child(m_main, button)->isEnabled());
    QCOMPARE(registeredPath(key).toString(), tool);
    QTRY_VERIFY(!chooser);
}

void TestPlugins::chosenCartloadSurvivesARestart()
{
    const QString tool = makeTool(QStringLiteral("cartload"));
    QVERIFY(startMain());
    QVERIFY(!enabled("Command5"));
    chooseThrough(QStringLiteral("Label24"), m_install->path(QStringLiteral("tools")),
                  Paths::executableName(QStringLiteral("cartload")));
    QVERIFY(enabled("Command5"));
    QCOMPARE(shownText(m_main, QStringLiteral("Label24")), tool);
    clickOn(m_main, QStringLiteral("Command5"));
    QCOMPARE(m_launcher->started.size(), 1);
    QCOMPARE(m_launcher->started[0].program, tool);

    closeFrontEnd();
    QVERIFY(startMain());
    QCOMPARE(shownText(m_main, QStringLiteral("Label24")), tool);
    QVERIFY(enabled("Command5"));
    QVERIFY(!enabled("Command3"));
}

void TestPlugins::missingRecordIsAdded()
{
    QVERIFY(m_install->exec(TestInstall::registryDb(),
                            QStringLiteral("DELETE FROM plugins WHERE plug = 'snapshift'")));
    const QString tool = makeTool(QStringLiteral("snapshift"));
    QVERIFY(startMain());
    chooseThrough(QStringLiteral("Label27"), m_install->path(QStringLiteral("tools")),
                  Paths::executableName(QStringLiteral("snapshift")));
    QCOMPARE(registeredPath(QStringLiteral("snapshift")).toString(), tool);
    QCOMPARE(m_install->scalar(TestInstall::registryDb(), QStringLiteral("SELECT COUNT(*) FROM plugins")).toInt(),
             4);
    QVERIFY(enabled("Command7"));
}

void TestPlugins::registryGoneWhenChoosing()
{
    makeTool(QStringLiteral("cartload"));
    const QString registry = m_install->path(QStringLiteral("pack/plugins.mdb"));
    QVERIFY(startMain());
    DataSource::closeAllConnections(); // the registry goes while the program runs
    QVERIFY(QFile::remove(registry));
    m_dialogs->shown.clear();

    chooseThrough(QStringLiteral("Label24"), m_install->path(QStringLiteral("tools")),
                  Paths::executableName(QStringLiteral("cartload")));
    QCOMPARE(m_dialogs->shown.size(), 2); // the chooser's own message, then the failure
    QVERIFY(m_dialogs->shown[0].text.contains(QStringLiteral("Not Found! Bad Ludora4 Installation")));
    QCOMPARE(m_dialogs->shown[1].icon, Dialogs::Icon::Critical);
    QVERIFY(m_dialogs->shown[1].text.contains(Paths::executableName(QStringLiteral("cartload"))));
    QVERIFY(!enabled("Command5"));
    QCOMPARE(shownText(m_main, QStringLiteral("Label24")), QStringLiteral("Plug-In Not Installed"));
    QVERIFY(!QFile::exists(registry)); // no empty registry made behind the user's back
}

void TestPlugins::dbfreshHasNoAction()
{
    QVERIFY(startMain());
    clickOn(m_main, QStringLiteral("Label26"));
    QVERIFY(!openChooser());
    QVERIFY(!enabled("Command6"));
    QCOMPARE(shownText(m_main, QStringLiteral("Label26")), QStringLiteral("Plug In Not Installed"));
}

QTEST_MAIN(TestPlugins)
#include "tst_plugins.moc"
