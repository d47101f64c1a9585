// Emuset's two editors on the real main window: Browse and Pending with their enabled
// commands and colours, what New/Edit/Save/Cancel/Delete store, the executable chooser,
// the test launch, the set list's marks, names with quotes, and refused stores reported.
#include "emuset/frmbrowsercons.h"
#include "shared/paths.h"
#include "shared/widgets/filelists.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/testinstall.h"
#include "tests/tst_emuset_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using namespace EmusetRun;

namespace {

const QVariant null;

// Rows of one console database, read and written as another program would.
struct Rows {
    TestInstall &install;
    QString db = TestInstall::gameboyDb();

    bool emulator(const QString &name, const QString &link = QStringLiteral("/emu/run"), const QString &type = "1")
    {
        return install.exec(db,
                            QStringLiteral(
                                "INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES (?, ?, ?)"),
                            {name, link, type});
    }
    bool set(const QString &emulator, const QString &name, const QVariant &attivo = 0,
             const QString &stringa = QStringLiteral("-p"))
    {
        return install.exec(db,
                            QStringLiteral(
                                "INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo) VALUES (?, ?, ?, ?)"),
                            {emulator, name, stringa, attivo});
    }
    QVariantList emulators(const QString &column = QStringLiteral("Emu_Name"))
    {
        return install.column(db, QStringLiteral("SELECT ") + column
                                      + QStringLiteral(" FROM emulatori ORDER BY rowid"));
    }
    QVariantList sets(const QString &emulator, const QString &column)
    {
        return install.column(db, QStringLiteral("SELECT ") + column
                                      + QStringLiteral(" FROM setting WHERE ID_Emula = '") + emulator
                                      + QStringLiteral("' ORDER BY rowid"));
    }
};

bool white(QWidget *box) { return box->palette().color(QPalette::Base) == QColor(Qt::white); }

} // namespace

class TestEmusetEditors : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { closeAll(); }

    void cancelAfterNewLeavesNoRow();
    void saveSelectsAndShowsTheNewEmulator();
    void incompleteRecordsAreRefused_data();
    void incompleteRecordsAreRefused();
    void superNintendoOpensSnesAndItsFolder();
    void chooserInBrowseDoesNothing();
    void deleteEmulatorAsks_data();
    void deleteEmulatorAsks();
    void pendingKeepsTheRowItWasTypedFor();
    void refusedSaveIsReportedAndKeepsTheTyping();
    void launch_data();
    void launch();

    void marksTwoThenUnmarksOne();
    void loadingMarksOnlyActiveAndWritesNothing();
    void editLeavesOtherEmulatorsSetAlone();
    void deletedEmulatorsSetsComeBack();
    void newSetBelongsToSelectedEmulator();
    void newSetWithoutEmulatorIsListedWithoutOne();
    void deleteSettingAsks_data();
    void deleteSettingAsks();
    void namesWithQuotesWork();

private:
    Emuset::FrmEmuset *open();
    void selectEmulator(const QString &name);
    void clickSet(int row) { clickEntry(m_main->ui.LstSetting, row); }
    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void type(QWidget *box, const QString &text);
    void addEmulator(const QString &name, const QString &link, const QString &mode);

    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<QTemporaryDir> m_own;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    Emuset::FrmEmuset *m_main = nullptr;
};

void TestEmusetEditors::init()
{
    m_install = std::make_unique<TestInstall>();
    m_own = std::make_unique<QTemporaryDir>();
    QVERIFY(m_install->isValid());
    QVERIFY(writeIni(m_own->path(), iniLine(m_install->root())));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    m_main = nullptr;
}

Emuset::FrmEmuset *TestEmusetEditors::open()
{
    m_main = start(m_own->path(), m_dialogs, m_launcher);
    return m_main;
}

void TestEmusetEditors::selectEmulator(const QString &name)
{
    const int row = rowOf(m_main->ui.LstEmu, name);
    QVERIFY2(row >= 0, qPrintable(name));
    clickEntry(m_main->ui.LstEmu, row);
}

void TestEmusetEditors::type(QWidget *box, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->clear();
    QTest::keyClicks(box, text);
}

void TestEmusetEditors::addEmulator(const QString &name, const QString &link, const QString &mode)
{
    click(m_main->ui.CmdNewEmu);
    type(m_main->ui.TxtEmu1, name);
    type(m_main->ui.TxtFileEmu1, link);
    type(m_main->ui.TxtSetmode, mode);
    click(m_main->ui.CmdSaveEmu);
}

void TestEmusetEditors::cancelAfterNewLeavesNoRow()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(open());
    click(m_main->ui.CmdNewEmu);
    for (QLineEdit *box : {m_main->ui.TxtEmu1, m_main->ui.TxtFileEmu1, m_main->ui.TxtSetmode}) {
        QVERIFY(!box->isReadOnly());
        QVERIFY(white(box));
        QCOMPARE(box->text(), QString());
    }
    QVERIFY(!m_main->ui.CmdNewEmu->isEnabled() && !m_main->ui.CmdEditEmu->isEnabled()
            && !m_main->ui.CmdDeleteEmu->isEnabled());
    QVERIFY(m_main->ui.CmdSaveEmu->isEnabled() && m_main->ui.CmdCancelEmu->isEnabled());
    type(m_main->ui.TxtEmu1, QStringLiteral("Never"));
    click(m_main->ui.CmdCancelEmu);

    QCOMPARE(rows.emulators(), QVariantList{"Alpha"});
    QVERIFY(m_main->ui.TxtEmu1->isReadOnly());
    QVERIFY(!white(m_main->ui.TxtEmu1));
    QVERIFY(m_main->ui.CmdNewEmu->isEnabled() && !m_main->ui.CmdSaveEmu->isEnabled());
    QCOMPARE(entries(m_main->ui.LstEmu), QStringList{"Alpha"});
}

void TestEmusetEditors::saveSelectsAndShowsTheNewEmulator()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("Screen")));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    QCOMPARE(entries(m_main->ui.LstSetting), QStringList{"Screen"});

    addEmulator(QStringLiteral("Beta"), QStringLiteral("/emu/beta"), QStringLiteral("2"));
    QCOMPARE(rows.emulators(), QVariantList({"Alpha", "Beta"}));
    QCOMPARE(rows.emulators(QStringLiteral("Emu_Link")), QVariantList({"/emu/run", "/emu/beta"}));
    QCOMPARE(rows.emulators(QStringLiteral("Emu_Type")), QVariantList({"1", "2"}));
    QCOMPARE(entries(m_main->ui.LstEmu), QStringList({"Alpha", "Beta"}));
    const QList<QListWidgetItem *> selected = m_main->ui.LstEmu->selectedItems(); // selected and shown
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first()->text(), QStringLiteral("Beta"));
    QCOMPARE(m_main->ui.TxtEmu1->text(), QStringLiteral("Beta"));
    QCOMPARE(m_main->ui.LstSetting->count(), 0);
    QVERIFY(m_main->ui.TxtEmu1->isReadOnly() && m_main->ui.CmdNewEmu->isEnabled());
    QVERIFY(m_dialogs.shown.isEmpty());

    // Edit works on the saved emulator without another click in the list.
    click(m_main->ui.CmdEditEmu);
    QVERIFY(!m_main->ui.TxtEmu1->isReadOnly());
    type(m_main->ui.TxtSetmode, QStringLiteral("3"));
    click(m_main->ui.CmdSaveEmu);
    QCOMPARE(rows.emulators(QStringLiteral("Emu_Type")), QVariantList({"1", "3"}));
}

// A record that could never be listed or put on a command line is refused on Save with a
// message; the editor stays pending with what was typed, and nothing is stored.
void TestEmusetEditors::incompleteRecordsAreRefused_data()
{
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parameter");
    QTest::newRow("emulator without name") << false << ""
                                           << "";
    QTest::newRow("emulator named with blanks") << false << "   "
                                                << "";
    QTest::newRow("set without name") << true << ""
                                      << "-x";
    QTest::newRow("set without parameter") << true << "Screen"
                                           << "";
    QTest::newRow("set with a blank parameter") << true << "Screen"
                                                << " ";
}

void TestEmusetEditors::incompleteRecordsAreRefused()
{
    QFETCH(bool, set);
    QFETCH(QString, name);
    QFETCH(QString, parameter);
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    QPushButton *save = set ? m_main->ui.CmdSalvaSett : m_main->ui.CmdSaveEmu;
    QLineEdit *nameBox = set ? m_main->ui.TxtSettName : m_main->ui.TxtEmu1;
    click(set ? m_main->ui.CmdAddSett : m_main->ui.CmdNewEmu);
    type(nameBox, name);
    if (set)
        type(m_main->ui.TxtParameter, parameter);
    else
        type(m_main->ui.TxtFileEmu1, QStringLiteral("/emu/nameless"));
    click(save);

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Warning);
    QCOMPARE(rows.emulators(), QVariantList{"Alpha"});
    QCOMPARE(rows.sets(QStringLiteral("Alpha"), QStringLiteral("Nome")), QVariantList());
    QVERIFY(save->isEnabled() && !nameBox->isReadOnly());
    QCOMPARE(nameBox->text(), name);
}

void TestEmusetEditors::superNintendoOpensSnesAndItsFolder()
{
    Rows snes{*m_install, QStringLiteral("\\database\\snes.mdb")};
    QVERIFY(snes.emulator(QStringLiteral("Snes9x")));
    QVERIFY(touch(m_install->path(QStringLiteral("console/snes/zsnes"))));
    QVERIFY(open());
    chooseConsole(m_main->ui.CmbEmu, QStringLiteral("SuperNintendo"));
    QCOMPARE(m_main->ui.CmbEmu->currentText(), QStringLiteral("SuperNintendo"));
    QCOMPARE(Generale::state().ConsoleDb, m_install->path(QStringLiteral("database/snes.mdb")));
    QCOMPARE(entries(m_main->ui.LstEmu), QStringList{"Snes9x"});

    click(m_main->ui.CmdNewEmu);
    type(m_main->ui.TxtEmu1, QStringLiteral("ZSnes"));
    click(m_main->ui.CmdEmu1);
    Emuset::FrmBrowserCons *chooser = m_main->chooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Choose Executable File For : ZSnes"));
    QCOMPARE(chooser->lists()->path(), m_install->path(QStringLiteral("console/snes")));
    const int row = rowOf(chooser->lists()->File1, QStringLiteral("zsnes"));
    QVERIFY(row >= 0);
    clickEntry(chooser->lists()->File1, row);
    QCOMPARE(m_main->ui.TxtFileEmu1->text(), m_install->path(QStringLiteral("console/snes/zsnes")));
    QVERIFY(!m_main->chooser() || !m_main->chooser()->isVisible());
    click(m_main->ui.CmdSaveEmu);
    QCOMPARE(snes.emulators(QStringLiteral("Emu_Link")),
             QVariantList({"/emu/run", m_install->path(QStringLiteral("console/snes/zsnes"))}));
    QCOMPARE(Rows{*m_install}.emulators(), QVariantList());
}

void TestEmusetEditors::chooserInBrowseDoesNothing()
{
    QVERIFY(open());
    click(m_main->ui.CmdEmu1);
    QVERIFY(!m_main->chooser());
    QVERIFY(!window(QStringLiteral("FrmBrowserCons")));
}

void TestEmusetEditors::deleteEmulatorAsks_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QVariantList>("left");
    QTest::newRow("OK") << true << QVariantList{"Beta"};
    QTest::newRow("Cancel") << false << QVariantList({"Alpha", "Beta"});
}

void TestEmusetEditors::deleteEmulatorAsks()
{
    QFETCH(bool, answer);
    QFETCH(QVariantList, left);
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(rows.emulator(QStringLiteral("Beta")));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    m_dialogs.queueAnswers({answer});
    click(m_main->ui.CmdDeleteEmu);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Alpha"));
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Delete This Emulator?"));
    QCOMPARE(rows.emulators(), left);
    QCOMPARE(entries(m_main->ui.LstEmu).size(), left.size());
}

// While a record is pending, nothing can move the editors to another row or console.
void TestEmusetEditors::pendingKeepsTheRowItWasTypedFor()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(rows.emulator(QStringLiteral("Beta")));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    click(m_main->ui.CmdEditEmu);
    for (QWidget *locked :
         std::initializer_list<QWidget *>{m_main->ui.CmbEmu, m_main->ui.LstEmu, m_main->ui.CmdAddSett,
                                          m_main->ui.CmdEditSett, m_main->ui.CmdDelete})
        QVERIFY2(!locked->isEnabled(), qPrintable(locked->objectName()));
    clickEntry(m_main->ui.LstEmu, rowOf(m_main->ui.LstEmu, QStringLiteral("Beta")));
    chooseConsole(m_main->ui.CmbEmu, QStringLiteral("MSX"));
    QCOMPARE(m_main->ui.TxtEmu1->text(), QStringLiteral("Alpha"));
    type(m_main->ui.TxtFileEmu1, QStringLiteral("/emu/alpha2"));
    click(m_main->ui.CmdSaveEmu);
    QCOMPARE(rows.emulators(QStringLiteral("Emu_Link")), QVariantList({"/emu/alpha2", "/emu/run"}));

    selectEmulator(QStringLiteral("Beta"));
    click(m_main->ui.CmdAddSett);
    QVERIFY(!m_main->ui.LstSetting->isEnabled() && !m_main->ui.LstEmu->isEnabled()
            && !m_main->ui.CmdNewEmu->isEnabled());
    type(m_main->ui.TxtParameter, QStringLiteral("-x"));
    click(m_main->ui.CmdSalvaSett);
    QCOMPARE(rows.sets(QStringLiteral("Beta"), QStringLiteral("Stringa")), QVariantList{"-x"});
    QVERIFY(m_main->ui.LstSetting->isEnabled() && m_main->ui.LstEmu->isEnabled()
            && m_main->ui.CmdNewEmu->isEnabled());
}

void TestEmusetEditors::refusedSaveIsReportedAndKeepsTheTyping()
{
    QVERIFY(m_install->exec(TestInstall::gameboyDb(),
                            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON emulatori "
                                           "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END")));
    QVERIFY(open());
    addEmulator(QStringLiteral("Gamma"), QStringLiteral("/emu/gamma"), QStringLiteral("1"));
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Error"));
    QVERIFY2(m_dialogs.shown[0].text.contains(QStringLiteral("refused by the test")),
             qPrintable(m_dialogs.shown[0].text));
    QVERIFY(m_main->ui.StatusBar1->text(1).contains(QStringLiteral("refused by the test")));
    QVERIFY(m_main->ui.CmdSaveEmu->isEnabled() && !m_main->ui.TxtEmu1->isReadOnly());
    QCOMPARE(m_main->ui.TxtEmu1->text(), QStringLiteral("Gamma"));

    QVERIFY(m_install->exec(TestInstall::gameboyDb(), QStringLiteral("DROP TRIGGER refuse")));
    click(m_main->ui.CmdSaveEmu);
    QCOMPARE(Rows{*m_install}.emulators(), QVariantList{"Gamma"});
}

void TestEmusetEditors::launch_data()
{
    QTest::addColumn<QString>("typed"); // FILE: an existing file, in other letter case
    QTest::addColumn<bool>("found");
    QTest::newRow("missing") << QStringLiteral("/no/such/emulator") << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("a directory") << QStringLiteral("DIR") << false;
    QTest::newRow("existing, other case") << QStringLiteral("FILE") << true;
}

void TestEmusetEditors::launch()
{
    QFETCH(QString, typed);
    QFETCH(bool, found);
    const QString file = m_install->path(QStringLiteral("console/gameboy/games/Gambatte Emu"));
    QVERIFY(touch(file));
    typed.replace(QStringLiteral("FILE"), m_install->path(QStringLiteral("console/GAMEBOY/games/gambatte emu")));
    typed.replace(QStringLiteral("DIR"), m_install->path(QStringLiteral("console")));
    QVERIFY(Rows{*m_install}.emulator(QStringLiteral("Gambatte"), typed));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Gambatte"));
    click(m_main->ui.CmdLaunch);
    if (!found) {
        QCOMPARE(m_dialogs.shown.size(), 1);
        QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
        QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Emulator not found!"));
        QVERIFY(m_launcher.started.isEmpty());
        return;
    }
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, file);
    QCOMPARE(m_launcher.started[0].arguments, QStringList());

    m_launcher.succeed = false;
    click(m_main->ui.CmdLaunch);
    QVERIFY(m_main->ui.StatusBar1->text(1).contains(file));
}

void TestEmusetEditors::marksTwoThenUnmarksOne()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    for (const char *name : {"One", "Two", "Three"})
        QVERIFY(rows.set(QStringLiteral("Alpha"), QLatin1String(name)));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    clickSet(0);
    clickSet(2);
    clickSet(0);
    QCOMPARE(rows.sets(QStringLiteral("Alpha"), QStringLiteral("Attivo")), QVariantList({0, 0, 1}));
    QVERIFY(!m_main->ui.LstSetting->isMarked(0) && m_main->ui.LstSetting->isMarked(2));
    QCOMPARE(m_main->ui.TxtSettName->text(), QStringLiteral("One")); // the clicked set is shown
}

void TestEmusetEditors::loadingMarksOnlyActiveAndWritesNothing()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("On"), 1));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("Off"), 0));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("Empty"), null));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("YesNo"), -1));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    QCOMPARE(entries(m_main->ui.LstSetting), QStringList({"On", "Off", "Empty", "YesNo"}));
    QList<bool> marks;
    for (int row = 0; row < 4; ++row)
        marks.append(m_main->ui.LstSetting->isMarked(row));
    QCOMPARE(marks, QList<bool>({true, false, false, false}));
    QCOMPARE(rows.sets(QStringLiteral("Alpha"), QStringLiteral("ifnull(Attivo, 'null')")),
             QVariantList({1, 0, "null", -1}));
    QCOMPARE(m_main->ui.TxtSettName->text(), QStringLiteral("On"));
    QCOMPARE(m_main->ui.LabEmu->text(), QStringLiteral("Alpha"));
}

void TestEmusetEditors::editLeavesOtherEmulatorsSetAlone()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(rows.emulator(QStringLiteral("Beta")));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("Screen"), 1, QStringLiteral("-a")));
    QVERIFY(rows.set(QStringLiteral("Beta"), QStringLiteral("Screen"), 1, QStringLiteral("-b")));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Beta"));
    clickSet(0);
    clickSet(0);
    click(m_main->ui.CmdEditSett);
    for (QWidget *box :
         std::initializer_list<QWidget *>{m_main->ui.TxtSettName, m_main->ui.TxtParameter, m_main->ui.TxtPassed,
                                          m_main->ui.TxtOptAvaiable, m_main->ui.TxtDescri})
        QVERIFY2(white(box), qPrintable(box->objectName()));
    type(m_main->ui.TxtSettName, QStringLiteral("Screen 2"));
    type(m_main->ui.TxtParameter, QStringLiteral("-display"));
    type(m_main->ui.TxtPassed, QStringLiteral("2"));
    click(m_main->ui.CmdSalvaSett);
    QCOMPARE(entries(m_main->ui.LstSetting), QStringList{"Screen 2"}); // renamed at once
    QCOMPARE(rows.sets(QStringLiteral("Beta"), QStringLiteral("Stringa || ' ' || Scelta")),
             QVariantList{"-display 2"});
    QCOMPARE(rows.sets(QStringLiteral("Alpha"), QStringLiteral("Nome || Stringa || Attivo")),
             QVariantList{"Screen-a1"});
}

void TestEmusetEditors::deletedEmulatorsSetsComeBack()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("Kept on"), 1));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("Kept off"), 0));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    click(m_main->ui.CmdDeleteEmu);
    QCOMPARE(rows.emulators(), QVariantList());
    QCOMPARE(m_main->ui.LstEmu->count(), 0);

    addEmulator(QStringLiteral("Alpha"), QStringLiteral("/emu/new"), QStringLiteral("1"));
    selectEmulator(QStringLiteral("Alpha"));
    QCOMPARE(entries(m_main->ui.LstSetting), QStringList({"Kept on", "Kept off"}));
    QVERIFY(m_main->ui.LstSetting->isMarked(0) && !m_main->ui.LstSetting->isMarked(1));
}

void TestEmusetEditors::newSetBelongsToSelectedEmulator()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    click(m_main->ui.CmdAddSett);
    QCOMPARE(m_main->ui.TxtSettName->text(), QStringLiteral("sett.name"));
    QCOMPARE(m_main->ui.LabEmu->text(), QStringLiteral("Alpha"));
    QVERIFY(m_main->ui.CmdSalvaSett->isEnabled() && !m_main->ui.CmdAddSett->isEnabled());
    type(m_main->ui.TxtParameter, QStringLiteral("-display"));
    type(m_main->ui.TxtPassed, QStringLiteral("1"));
    type(m_main->ui.TxtDescri, QStringLiteral("Screen size"));
    click(m_main->ui.CmdSalvaSett);
    QCOMPARE(rows.sets(QStringLiteral("Alpha"),
                       QStringLiteral("Nome || '|' || Stringa || '|' || Scelta || '|' || Descri")),
             QVariantList{"sett.name|-display|1|Screen size"});
    QCOMPARE(rows.sets(QStringLiteral("Alpha"), QStringLiteral("Attivo")), QVariantList{0});
    QCOMPARE(entries(m_main->ui.LstSetting), QStringList{"sett.name"});
    QVERIFY(!m_main->ui.LstSetting->isMarked(0));
    QVERIFY(m_main->ui.TxtSettName->isReadOnly());
}

void TestEmusetEditors::newSetWithoutEmulatorIsListedWithoutOne()
{
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(open());
    click(m_main->ui.CmdAddSett);
    type(m_main->ui.TxtParameter, QStringLiteral("-x"));
    click(m_main->ui.CmdSalvaSett);
    QCOMPARE(rows.sets(QString(), QStringLiteral("Nome")), QVariantList{"sett.name"});
    QCOMPARE(entries(m_main->ui.LstSetting), QStringList{"sett.name"});
    // Selected and shown: Edit works on it at once.
    QCOMPARE(m_main->ui.TxtParameter->text(), QStringLiteral("-x"));
    click(m_main->ui.CmdEditSett);
    QVERIFY(!m_main->ui.TxtParameter->isReadOnly());
    click(m_main->ui.CmdAnnullaSett);
    selectEmulator(QStringLiteral("Alpha"));
    QCOMPARE(m_main->ui.LstSetting->count(), 0);
}

void TestEmusetEditors::deleteSettingAsks_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QVariantList>("left");
    QTest::newRow("OK") << true << QVariantList{"Second"};
    QTest::newRow("Cancel") << false << QVariantList({"First", "Second"});
}

void TestEmusetEditors::deleteSettingAsks()
{
    QFETCH(bool, answer);
    QFETCH(QVariantList, left);
    Rows rows{*m_install};
    QVERIFY(rows.emulator(QStringLiteral("Alpha")));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("First")));
    QVERIFY(rows.set(QStringLiteral("Alpha"), QStringLiteral("Second")));
    QVERIFY(open());
    selectEmulator(QStringLiteral("Alpha"));
    m_dialogs.queueAnswers({answer});
    click(m_main->ui.CmdDelete);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("First"));
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Delete This Setting?"));
    QCOMPARE(rows.sets(QStringLiteral("Alpha"), QStringLiteral("Nome")), left);
    QCOMPARE(m_main->ui.LstSetting->count(), left.size());
}

void TestEmusetEditors::namesWithQuotesWork()
{
    Rows rows{*m_install};
    QVERIFY(open());
    addEmulator(QStringLiteral("Pac'Emu"), QStringLiteral("/emu/pac"), QStringLiteral("1"));
    selectEmulator(QStringLiteral("Pac'Emu"));
    click(m_main->ui.CmdAddSett);
    type(m_main->ui.TxtSettName, QStringLiteral("Bob's"));
    type(m_main->ui.TxtParameter, QStringLiteral("-o"));
    click(m_main->ui.CmdSalvaSett);
    QCOMPARE(entries(m_main->ui.LstSetting), QStringList{"Bob's"});
    clickSet(0);
    QCOMPARE(rows.sets(QStringLiteral("Pac''Emu"), QStringLiteral("Attivo")), QVariantList{1});

    click(m_main->ui.CmdEditEmu);
    QCOMPARE(m_main->ui.TxtEmu1->text(), QStringLiteral("Pac'Emu"));
    type(m_main->ui.TxtFileEmu1, QStringLiteral("/emu/pac2"));
    click(m_main->ui.CmdSaveEmu);
    QCOMPARE(rows.emulators(QStringLiteral("Emu_Link")), QVariantList{"/emu/pac2"});
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_main->ui.StatusBar1->text(1), QString());
}

QTEST_MAIN(TestEmusetEditors)
#include "tst_emuset_editors.moc"
