// Emuset's two editors driven as a person drives them: Browse and Pending with their
// enabled commands and colours, what New/Edit/Save/Cancel/Delete store, the executable
// chooser, the test launch, the set list's marks, names with quotes, refused stores.
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"
#include "tests/tst_emuset_support.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <memory>

using namespace EmusetRun;

namespace {

const QString lockedTip = "Save or Cancel the record first";
// The controls the editors' states enable, and the boxes they make editable.
const QStringList controls = {"CmbEmu",       "LstEmu",         "LstSetting",   "CmdNewEmu",  "CmdEditEmu",
                              "CmdSaveEmu",   "CmdCancelEmu",   "CmdDeleteEmu", "CmdAddSett", "CmdEditSett",
                              "CmdSalvaSett", "CmdAnnullaSett", "CmdDelete",    "CmdLaunch",  "CmdEmu1"};
const QStringList boxes = {"TxtEmu1",      "TxtSetmode", "TxtFileEmu1",    "TxtValue", "TxtSettName",
                           "TxtParameter", "TxtPassed",  "TxtOptAvaiable", "TxtDescri"};

bool editable(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return !line->isReadOnly();
    auto *area = qobject_cast<QPlainTextEdit *>(box);
    return area && !area->isReadOnly();
}

bool white(QWidget *box) { return box->palette().color(QPalette::Base) == QColor(Qt::white); }

} // namespace

class TestEmusetEditors : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { closeAll(); }

    void pendingLocks_data();
    void pendingLocks();
    void cancelAfterNewLeavesNoRow();
    void saveSelectsAndShowsTheNewEmulator();
    void incompleteRecordsAreRefused_data();
    void incompleteRecordsAreRefused();
    void setParameterIsStoredAsTyped_data();
    void setParameterIsStoredAsTyped();
    void superNintendoOpensSnesAndItsFolder();
    void chooserOnlyWhilePending();
    void chooserTakesATypedPath_data();
    void chooserTakesATypedPath();
    void deleteAsks_data();
    void deleteAsks();
    void pendingKeepsTheRowItWasTypedFor();
    void refusedSaveIsReportedAndKeepsTheTyping();
    void launch_data();
    void launch();

    void listsFollowTheCurrentEntry_data();
    void listsFollowTheCurrentEntry();
    void saveSelectsTheSavedRow_data();
    void saveSelectsTheSavedRow();

    void marksTwoThenUnmarksOne();
    void loadingMarksOnlyActiveAndWritesNothing();
    void editLeavesOtherEmulatorsSetAlone();
    void deletedEmulatorsSetsComeBack();
    void newSetBelongsToSelectedEmulator();
    void newSetWithoutEmulatorIsListedWithoutOne();
    void namesWithQuotesWork();

private:
    bool open() { return (m_main = start(m_own->path(), m_dialogs, m_launcher)) != nullptr; }
    void click(const QString &name) { clickOn(m_main, name); }
    void type(const QString &name, const QString &text) { replaceText(child(m_main, name), text); }
    QString text(const QString &name) const { return shownText(m_main, name); }
    QStringList listed(const QString &name) const { return entries(m_main, name); }
    bool isEditable(const QString &name) const { return editable(child(m_main, name)); }
    void selectEmulator(const QString &name);
    void clickSet(int row) { clickEntry(m_main, "LstSetting", row); }
    void press(const QString &list, const QList<QKeyCombination> &keys);
    QString selected(const QString &list) const;
    void addEmulator(const QString &name, const QString &link, const QString &mode);

    bool addSet(const QString &emulator, const QString &name, const QVariant &attivo = 0,
                const QString &stringa = "-p")
    {
        return m_install->exec(TestInstall::gameboyDb(),
                               QStringLiteral(
                                   "INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo) VALUES (?, ?, ?, ?)"),
                               {emulator, name, stringa, attivo});
    }
    QVariantList emulators(const QString &column = "Emu_Name", const QString &db = TestInstall::gameboyDb())
    {
        return m_install->column(db, QStringLiteral("SELECT %1 FROM emulatori ORDER BY rowid").arg(column));
    }
    QVariantList sets(const QString &emulator, const QString &column)
    {
        return m_install->column(
            TestInstall::gameboyDb(),
            QStringLiteral("SELECT %1 FROM setting WHERE ID_Emula = '%2' ORDER BY rowid").arg(column, emulator));
    }

    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<QTemporaryDir> m_own;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
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

void TestEmusetEditors::selectEmulator(const QString &name)
{
    const int row = int(listed("LstEmu").indexOf(name));
    QVERIFY2(row >= 0, qPrintable(name));
    clickEntry(m_main, "LstEmu", row);
}

void TestEmusetEditors::addEmulator(const QString &name, const QString &link, const QString &mode)
{
    click("CmdNewEmu");
    type("TxtEmu1", name);
    type("TxtFileEmu1", link);
    type("TxtSetmode", mode);
    click("CmdSaveEmu");
}

// Each state of the two editors: the controls enabled, the boxes editable (white, the
// others grey), the lists locked with their tip. "set" clicks the first set's entry.
void TestEmusetEditors::pendingLocks_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("editable");
    QTest::addColumn<QStringList>("tipped");
    const QStringList browse = {"CmbEmu",     "LstEmu",       "LstSetting", "CmdNewEmu",
                                "CmdEditEmu", "CmdDeleteEmu", "CmdAddSett", "CmdEditSett",
                                "CmdDelete",  "CmdLaunch",    "CmdEmu1"};
    const QStringList emulator = {"LstSetting", "CmdSaveEmu", "CmdCancelEmu", "CmdLaunch", "CmdEmu1"};
    const QStringList emulatorBoxes = {"TxtEmu1", "TxtSetmode", "TxtFileEmu1"};
    const QStringList set = {"CmdSalvaSett", "CmdAnnullaSett", "CmdLaunch", "CmdEmu1"};
    const QStringList setBoxes = {"TxtSettName", "TxtParameter", "TxtPassed", "TxtOptAvaiable", "TxtDescri"};
    const QStringList lists = {"CmbEmu", "LstEmu"};
    QTest::newRow("browse") << QStringList() << browse << QStringList() << QStringList();
    QTest::newRow("new emulator") << QStringList{"CmdNewEmu"} << emulator << emulatorBoxes << lists;
    QTest::newRow("edited emulator") << QStringList{"CmdEditEmu"} << emulator << emulatorBoxes << lists;
    QTest::newRow("new set") << QStringList{"CmdAddSett"} << set << setBoxes << lists + QStringList{"LstSetting"};
    QTest::newRow("edited set") << QStringList{"set", "set", "CmdEditSett"} << set << setBoxes
                                << lists + QStringList{"LstSetting"};
    QTest::newRow("emulator cancelled")
        << QStringList{"CmdNewEmu", "CmdCancelEmu"} << browse << QStringList() << QStringList();
    QTest::newRow("set cancelled") << QStringList{"CmdAddSett", "CmdAnnullaSett"} << browse << QStringList()
                                   << QStringList();
}

void TestEmusetEditors::pendingLocks()
{
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, editable);
    QFETCH(QStringList, tipped);
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    QVERIFY(addSet("Alpha", "Screen"));
    QVERIFY(open());
    selectEmulator("Alpha");
    for (const QString &name : clicks)
        name == "set" ? clickSet(0) : click(name);

    QStringList shownEnabled, shownEditable, shownTipped, grey;
    for (const QString &name : controls) {
        QWidget *control = child(m_main, name);
        QVERIFY2(control, qPrintable(name));
        if (control->isEnabled())
            shownEnabled.append(name);
        if (control->toolTip() == lockedTip)
            shownTipped.append(name);
    }
    for (const QString &name : boxes) {
        QWidget *box = child(m_main, name);
        QVERIFY2(box, qPrintable(name));
        if (::editable(box))
            shownEditable.append(name);
        QVERIFY2(white(box) == ::editable(box) || name == "TxtValue", qPrintable(name));
    }
    QCOMPARE(shownEnabled, enabled);
    QCOMPARE(shownEditable, editable);
    QCOMPARE(shownTipped, tipped);
}

void TestEmusetEditors::cancelAfterNewLeavesNoRow()
{
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    QVERIFY(open());
    selectEmulator("Alpha");
    click("CmdNewEmu");
    for (const char *box : {"TxtEmu1", "TxtFileEmu1", "TxtSetmode"})
        QCOMPARE(text(QLatin1String(box)), QString());
    type("TxtEmu1", "Never");
    click("CmdCancelEmu");
    QCOMPARE(emulators(), QVariantList{"Alpha"});
    QCOMPARE(listed("LstEmu"), QStringList{"Alpha"});
}

void TestEmusetEditors::saveSelectsAndShowsTheNewEmulator()
{
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    QVERIFY(addSet("Alpha", "Screen"));
    QVERIFY(open());
    selectEmulator("Alpha");
    QCOMPARE(listed("LstSetting"), QStringList{"Screen"});

    addEmulator("Beta", "/emu/beta", "2");
    QCOMPARE(emulators("Emu_Name || '|' || Emu_Link || '|' || Emu_Type"),
             QVariantList({"Alpha|/emu/run|1", "Beta|/emu/beta|2"}));
    QCOMPARE(listed("LstEmu"), QStringList({"Alpha", "Beta"}));
    const QList<QListWidgetItem *> selected = child<QListWidget>(m_main, "LstEmu")->selectedItems();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first()->text(), "Beta");
    QCOMPARE(text("TxtEmu1"), "Beta");
    QCOMPARE(listed("LstSetting"), QStringList());
    QVERIFY(m_dialogs.shown.isEmpty());

    // Edit works on the saved emulator without another click in the list.
    click("CmdEditEmu");
    type("TxtSetmode", "3");
    click("CmdSaveEmu");
    QCOMPARE(emulators("Emu_Type"), QVariantList({"1", "3"}));
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
}

void TestEmusetEditors::incompleteRecordsAreRefused()
{
    QFETCH(bool, set);
    QFETCH(QString, name);
    QFETCH(QString, parameter);
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    QVERIFY(open());
    selectEmulator("Alpha");
    const QString save = set ? "CmdSalvaSett" : "CmdSaveEmu";
    const QString nameBox = set ? "TxtSettName" : "TxtEmu1";
    click(set ? "CmdAddSett" : "CmdNewEmu");
    type(nameBox, name);
    type(set ? "TxtParameter" : "TxtFileEmu1", set ? parameter : "/emu/nameless");
    click(save);

    const QString why = set ? "The set needs a name and a parameter." : "The emulator needs a name.";
    QCOMPARE(said(m_dialogs), QStringList{"warning|Warning!|" + why + " Nothing was saved."});
    QCOMPARE(emulators(), QVariantList{"Alpha"});
    QCOMPARE(sets("Alpha", "Nome"), QVariantList());
    QVERIFY(child(m_main, save)->isEnabled() && isEditable(nameBox));
    QCOMPARE(text(nameBox), name);
}

// A set needs only a name: its parameter is stored as typed, an empty one as an empty
// text (a Null one would fail the front-end's play), and the editor returns to Browse.
void TestEmusetEditors::setParameterIsStoredAsTyped_data()
{
    QTest::addColumn<bool>("edited"); // the stored set "Screen" (-p) edited, or a new one
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("stored"); // typeof(Stringa):Stringa
    QTest::newRow("new, empty") << false << ""
                                << "text:";
    QTest::newRow("new, blanks") << false << "  "
                                 << "text:  ";
    QTest::newRow("edited, emptied") << true << ""
                                     << "text:";
    QTest::newRow("edited, blank") << true << " "
                                   << "text: ";
}

void TestEmusetEditors::setParameterIsStoredAsTyped()
{
    QFETCH(bool, edited);
    QFETCH(QString, parameter);
    QFETCH(QString, stored);
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    if (edited)
        QVERIFY(addSet("Alpha", "Screen"));
    QVERIFY(open());
    selectEmulator("Alpha");
    if (edited) {
        clickSet(0);
        click("CmdEditSett");
    } else {
        click("CmdAddSett");
        type("TxtSettName", "Screen");
    }
    type("TxtParameter", parameter);
    click("CmdSalvaSett");
    QCOMPARE(said(m_dialogs), QStringList());
    QCOMPARE(sets("Alpha", "Nome || '|' || typeof(Stringa) || ':' || ifnull(Stringa, '')"),
             QVariantList{"Screen|" + stored});
    QVERIFY(!isEditable("TxtParameter"));
    QCOMPARE(listed("LstSetting"), QStringList{"Screen"});
}

void TestEmusetEditors::superNintendoOpensSnesAndItsFolder()
{
    const QString snes = "\\database\\snes.mdb";
    QVERIFY(m_install->addEmulator("Snes9x", "/emu/run", "1", snes));
    QVERIFY(touch(m_install->path("console/snes/zsnes")));
    QVERIFY(open());
    chooseConsole(child<QComboBox>(m_main, "CmbEmu"), "SuperNintendo");
    QCOMPARE(text("CmbEmu"), "SuperNintendo");
    QCOMPARE(listed("LstEmu"), QStringList{"Snes9x"});

    click("CmdNewEmu");
    type("TxtEmu1", "ZSnes");
    click("CmdEmu1");
    QWidget *chooser = openChooser("FrmBrowserCons");
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), "Choose Executable File For : ZSnes");
    QVERIFY(clickFile("zsnes", "FrmBrowserCons"));
    QCOMPARE(text("TxtFileEmu1"), m_install->path("console/snes/zsnes"));
    QVERIFY(!openChooser("FrmBrowserCons"));
    click("CmdSaveEmu");
    QCOMPARE(emulators("Emu_Link", snes), QVariantList({"/emu/run", m_install->path("console/snes/zsnes")}));
    QCOMPARE(emulators(), QVariantList());
}

// The chooser opens for a pending emulator only, and goes with its Cancel: a path chosen
// afterwards would show without being stored.
void TestEmusetEditors::chooserOnlyWhilePending()
{
    QVERIFY(open());
    click("CmdEmu1");
    QVERIFY(!openChooser("FrmBrowserCons"));
    click("CmdNewEmu");
    click("CmdEmu1");
    QVERIFY(openChooser("FrmBrowserCons"));
    click("CmdCancelEmu");
    QVERIFY(!openChooser("FrmBrowserCons"));
}

// The executable chooser's path box, hidden folders, Cancel and Esc. A step "type:TEXT"
// types TEXT into the path box and presses Enter; ROOT stands for the installation.
void TestEmusetEditors::chooserTakesATypedPath_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("link");    // TxtFileEmu1 afterwards
    QTest::addColumn<bool>("open");       // the chooser still shown
    QTest::addColumn<QString>("folders"); // Dir1 afterwards, '|' between entries; "*" for any
    QTest::addColumn<QString>("error");   // LabPathError while shown
    const QString emus = "type:ROOT/emus";
    QTest::newRow("a file") << QStringList{"type:ROOT/emus/run me"} << "ROOT/emus/run me" << false << "*"
                            << "";
    QTest::newRow("a file, blanks around")
        << QStringList{"type: ROOT/emus/run me "} << "ROOT/emus/run me" << false << "*"
        << "";
    QTest::newRow("a folder opens, hidden ones left out") << QStringList{emus} << "" << true << "..|sub"
                                                          << "";
    QTest::newRow("a folder relative to the shown one") << QStringList{emus, "type:sub"} << "" << true << ".."
                                                        << "";
    QTest::newRow("a file relative to the shown one")
        << QStringList{emus, "type:run me"} << "ROOT/emus/run me" << false << "*"
        << "";
    QTest::newRow("hidden folders shown") << QStringList{emus, "hidden"} << "" << true << "..|.hidden|sub"
                                          << "";
    QTest::newRow("hidden folders shown, then left out again")
        << QStringList{emus, "hidden", "hidden"} << "" << true << "..|sub"
        << "";
    QTest::newRow("nothing there") << QStringList{"type:ROOT/none"} << "" << true << "*"
                                   << "No such file or folder: ROOT/none";
    QTest::newRow("the error goes with the next path")
        << QStringList{"type:ROOT/none", emus} << "" << true << "..|sub"
        << "";
    QTest::newRow("Cancel") << QStringList{emus, "CmdCancel"} << "" << false << "*"
                            << "";
    QTest::newRow("Esc") << QStringList{emus, "esc"} << "" << false << "*"
                         << "";
}

void TestEmusetEditors::chooserTakesATypedPath()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, link);
    QFETCH(bool, open);
    QFETCH(QString, folders);
    QFETCH(QString, error);
    const QString root = m_install->root();
    QVERIFY(QDir().mkpath(m_install->path("emus/sub")) && QDir().mkpath(m_install->path("emus/.hidden")));
    QVERIFY(touch(m_install->path("emus/run me")));
    QVERIFY(this->open());
    click("CmdNewEmu");
    click("CmdEmu1");
    QWidget *chooser = openChooser("FrmBrowserCons");
    QVERIFY(chooser && child(chooser, "TxtPath") && child(chooser, "ChkHidden") && child(chooser, "CmdCancel"));
    for (QString step : steps) {
        step.replace("ROOT", root);
        if (step.startsWith("type:")) {
            replaceText(child(chooser, "TxtPath"), step.mid(5));
            QTest::keyClick(child(chooser, "TxtPath"), Qt::Key_Return);
        } else if (step == "hidden") {
            clickOn(chooser, "ChkHidden");
        } else if (step == "esc") {
            QTest::keyClick(child(chooser, "TxtPath"), Qt::Key_Escape);
        } else {
            clickOn(chooser, step);
        }
    }
    QCOMPARE(text("TxtFileEmu1"), QString(link).replace("ROOT", root));
    QCOMPARE(openChooser("FrmBrowserCons") != nullptr, open);
    if (!open)
        return;
    if (folders != "*")
        QCOMPARE(entries(chooser, "Dir1").join(u'|'), folders);
    QWidget *shownError = child(chooser, "LabPathError");
    QCOMPARE(shownError->isVisible() ? shownText(chooser, "LabPathError") : QString(),
             QString(error).replace("ROOT", root));
}

void TestEmusetEditors::deleteAsks_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("left"); // listed and stored
    const QString emulator = "question?|Alpha|Delete This Emulator?";
    const QString set = "question?|First|Delete This Setting?";
    QTest::newRow("emulator, OK") << "CmdDeleteEmu" << true << emulator << "LstEmu" << QStringList{"Beta"};
    QTest::newRow("emulator, Cancel") << "CmdDeleteEmu" << false << emulator << "LstEmu"
                                      << QStringList({"Alpha", "Beta"});
    QTest::newRow("set, OK") << "CmdDelete" << true << set << "LstSetting" << QStringList{"Second"};
    QTest::newRow("set, Cancel") << "CmdDelete" << false << set << "LstSetting"
                                 << QStringList({"First", "Second"});
}

void TestEmusetEditors::deleteAsks()
{
    QFETCH(QString, command);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    QFETCH(QString, list);
    QFETCH(QStringList, left);
    for (const char *name : {"Alpha", "Beta"})
        QVERIFY(m_install->addEmulator(QLatin1String(name), "/emu/run"));
    QVERIFY(addSet("Alpha", "First"));
    QVERIFY(addSet("Alpha", "Second"));
    QVERIFY(open());
    selectEmulator("Alpha");
    m_dialogs.queueAnswers({answer});
    click(command);
    QCOMPARE(said(m_dialogs), QStringList{question});
    QCOMPARE(listed(list), left);
    const QVariantList stored = list == "LstEmu" ? emulators() : sets("Alpha", "Nome");
    QCOMPARE(stored, QVariant(left).toList());
}

// While a record is pending, nothing can move the editors to another row or console.
void TestEmusetEditors::pendingKeepsTheRowItWasTypedFor()
{
    for (const char *name : {"Alpha", "Beta"})
        QVERIFY(m_install->addEmulator(QLatin1String(name), "/emu/run"));
    QVERIFY(open());
    selectEmulator("Alpha");
    click("CmdEditEmu");
    selectEmulator("Beta");
    chooseConsole(child<QComboBox>(m_main, "CmbEmu"), "MSX");
    QCOMPARE(text("TxtEmu1"), "Alpha");
    type("TxtFileEmu1", "/emu/alpha2");
    click("CmdSaveEmu");
    QCOMPARE(emulators("Emu_Link"), QVariantList({"/emu/alpha2", "/emu/run"}));

    selectEmulator("Beta");
    click("CmdAddSett");
    selectEmulator("Alpha");
    type("TxtParameter", "-x");
    click("CmdSalvaSett");
    QCOMPARE(sets("Beta", "Stringa"), QVariantList{"-x"});
    QCOMPARE(sets("Alpha", "Stringa"), QVariantList());
}

void TestEmusetEditors::refusedSaveIsReportedAndKeepsTheTyping()
{
    QVERIFY(m_install->exec(TestInstall::gameboyDb(),
                            QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON emulatori "
                                           "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END")));
    QVERIFY(open());
    addEmulator("Gamma", "/emu/gamma", "1");
    const QString error = panelText(m_main, 1);
    QVERIFY2(error.contains("refused by the test"), qPrintable(error));
    QCOMPARE(said(m_dialogs),
             QStringList{"critical|Error|The emulator was not saved; the editor keeps what you typed.\n" + error});
    QVERIFY(child(m_main, "CmdSaveEmu")->isEnabled() && isEditable("TxtEmu1"));
    QCOMPARE(text("TxtEmu1"), "Gamma");

    QVERIFY(m_install->exec(TestInstall::gameboyDb(), "DROP TRIGGER refuse"));
    click("CmdSaveEmu");
    QCOMPARE(emulators(), QVariantList{"Gamma"});
}

void TestEmusetEditors::launch_data()
{
    QTest::addColumn<QString>("typed"); // FILE: an existing file, in other letter case
    QTest::addColumn<bool>("found");
    QTest::newRow("missing") << "/no/such/emulator" << false;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("a directory") << "DIR" << false;
    QTest::newRow("existing, other case") << "FILE" << true;
}

void TestEmusetEditors::launch()
{
    QFETCH(QString, typed);
    QFETCH(bool, found);
    const QString file = m_install->path("console/gameboy/games/Gambatte Emu");
    QVERIFY(touch(file));
    typed.replace("FILE", m_install->path("console/GAMEBOY/games/gambatte emu"));
    typed.replace("DIR", m_install->path("console"));
    QVERIFY(m_install->addEmulator("Gambatte", typed));
    QVERIFY(open());
    selectEmulator("Gambatte");
    click("CmdLaunch");
    if (!found) {
        QCOMPARE(said(m_dialogs), QStringList{"critical|Error|Emulator not found!"});
        QVERIFY(m_launcher.started.isEmpty());
        return;
    }
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, file);
    QCOMPARE(m_launcher.started[0].arguments, QStringList());

    m_launcher.succeed = false;
    click("CmdLaunch");
    QCOMPARE(panelText(m_main, 1), "Can't start " + file);
}

void TestEmusetEditors::press(const QString &list, const QList<QKeyCombination> &keys)
{
    QWidget *view = child(m_main, list);
    view->setFocus();
    for (const QKeyCombination key : keys)
        QTest::keyClick(view, key.key(), key.keyboardModifiers());
}

// The highlighted entries' texts, joined by '|'.
QString TestEmusetEditors::selected(const QString &list) const
{
    QStringList texts;
    const auto items = child<QListWidget>(m_main, list)->selectedItems();
    for (const QListWidgetItem *item : items)
        texts.append(item->text());
    return texts.join(u'|');
}

// Keyboard or mouse, the entry moved to is highlighted and shown, and Edit and Delete act
// on it: Edit stores into its row, Delete names it and removes it.
void TestEmusetEditors::listsFollowTheCurrentEntry_data()
{
    QTest::addColumn<bool>("sets"); // LstSetting of Alpha's sets, or LstEmu
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<QString>("shown");
    const QKeyCombination down(Qt::Key_Down), up(Qt::Key_Up), end(Qt::Key_End);
    QTest::newRow("sets, as loaded") << true << QList<QKeyCombination>{} << "One";
    QTest::newRow("sets, Down") << true << QList<QKeyCombination>{down} << "Two";
    QTest::newRow("sets, End then Up") << true << QList<QKeyCombination>{end, up} << "Two";
    QTest::newRow("sets, Ctrl+Down") << true << QList<QKeyCombination>{Qt::ControlModifier | Qt::Key_Down}
                                     << "Two";
    QTest::newRow("emulators, Down") << false << QList<QKeyCombination>{down} << "Beta";
    QTest::newRow("emulators, End") << false << QList<QKeyCombination>{end} << "Gamma";
    QTest::newRow("emulators, Ctrl+Down")
        << false << QList<QKeyCombination>{Qt::ControlModifier | Qt::Key_Down} << "Beta";
}

void TestEmusetEditors::listsFollowTheCurrentEntry()
{
    QFETCH(bool, sets);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QString, shown);
    for (const char *name : {"Alpha", "Beta", "Gamma"})
        QVERIFY(m_install->addEmulator(QLatin1String(name), "/emu/run"));
    for (const char *name : {"One", "Two", "Three"})
        QVERIFY(addSet("Alpha", QLatin1String(name)));
    QVERIFY(open());
    selectEmulator("Alpha");
    const QString list = sets ? "LstSetting" : "LstEmu";
    const QString nameBox = sets ? "TxtSettName" : "TxtEmu1";
    const QString valueBox = sets ? "TxtParameter" : "TxtFileEmu1";
    press(list, keys);
    QCOMPARE(text(nameBox), shown);
    QCOMPARE(selected(list), shown);

    click(sets ? "CmdEditSett" : "CmdEditEmu");
    QVERIFY(isEditable(nameBox));
    QCOMPARE(text(nameBox), shown);
    type(valueBox, "-edited");
    click(sets ? "CmdSalvaSett" : "CmdSaveEmu");
    const QString stored = sets ? "Nome || Stringa" : "Emu_Name || Emu_Link";
    const QVariantList rows = sets ? this->sets("Alpha", stored) : emulators(stored);
    QVERIFY2(rows.contains(shown + "-edited"), qPrintable(QVariant(rows).toStringList().join(u',')));
    QCOMPARE(text(nameBox), shown);

    m_dialogs.queueAnswers({true});
    click(sets ? "CmdDelete" : "CmdDeleteEmu");
    QCOMPARE(said(m_dialogs),
             QStringList{"question?|" + shown + "|Delete This " + (sets ? "Setting?" : "Emulator?")});
    QVERIFY(!listed(list).contains(shown));
    QCOMPARE(listed(list).size(), 2);
}

// Names may repeat: after Save the saved row itself is selected and shown, not the first
// entry of its name, so that Edit goes on with that row.
void TestEmusetEditors::saveSelectsTheSavedRow_data()
{
    QTest::addColumn<bool>("sets");
    QTest::newRow("set") << true;
    QTest::newRow("emulator") << false;
}

void TestEmusetEditors::saveSelectsTheSavedRow()
{
    QFETCH(bool, sets);
    QVERIFY(m_install->addEmulator("Alpha", "/emu/first"));
    QVERIFY(m_install->addEmulator("Alpha", "/emu/second"));
    QVERIFY(addSet("Alpha", "Screen", 0, "-first"));
    QVERIFY(addSet("Alpha", "Screen", 0, "-second"));
    QVERIFY(open());
    const QString list = sets ? "LstSetting" : "LstEmu";
    const QString valueBox = sets ? "TxtParameter" : "TxtFileEmu1";
    clickEntry(m_main, "LstEmu", sets ? 0 : 1);
    if (sets)
        press(list, {QKeyCombination(Qt::Key_Down)});
    QCOMPARE(text(valueBox), sets ? "-second" : "/emu/second");
    click(sets ? "CmdEditSett" : "CmdEditEmu");
    type(valueBox, "-saved");
    click(sets ? "CmdSalvaSett" : "CmdSaveEmu");
    QCOMPARE(text(valueBox), "-saved");
    QCOMPARE(child<QListWidget>(m_main, list)->currentRow(), 1);
    QCOMPARE(selected(list), sets ? "Screen" : "Alpha");

    click(sets ? "CmdEditSett" : "CmdEditEmu");
    type(valueBox, "-again");
    click(sets ? "CmdSalvaSett" : "CmdSaveEmu");
    const QVariantList stored = sets ? this->sets("Alpha", "Stringa") : emulators("Emu_Link");
    QCOMPARE(stored, QVariantList({sets ? "-first" : "/emu/first", "-again"}));
}

void TestEmusetEditors::marksTwoThenUnmarksOne()
{
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    for (const char *name : {"One", "Two", "Three"})
        QVERIFY(addSet("Alpha", QLatin1String(name)));
    QVERIFY(open());
    selectEmulator("Alpha");
    clickSet(0);
    clickSet(2);
    clickSet(0);
    QCOMPARE(sets("Alpha", "Attivo"), QVariantList({0, 0, 1}));
    QCOMPARE(marks(m_main), "--x");
    QCOMPARE(text("TxtSettName"), "One"); // the clicked set is shown
    QCOMPARE(selected("LstSetting"), "One");

    // Ctrl+click on the highlighted set marks it and keeps it highlighted, as it is shown.
    auto *list = child<QListWidget>(m_main, "LstSetting");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(0)).center());
    QCOMPARE(marks(m_main), "x-x");
    QCOMPARE(text("TxtSettName"), "One");
    QCOMPARE(selected("LstSetting"), "One");
}

void TestEmusetEditors::loadingMarksOnlyActiveAndWritesNothing()
{
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    QVERIFY(addSet("Alpha", "On", 1));
    QVERIFY(addSet("Alpha", "Off", 0));
    QVERIFY(addSet("Alpha", "Empty", QVariant()));
    QVERIFY(addSet("Alpha", "YesNo", -1));
    QVERIFY(open());
    selectEmulator("Alpha");
    QCOMPARE(listed("LstSetting"), QStringList({"On", "Off", "Empty", "YesNo"}));
    QCOMPARE(marks(m_main), "x---");
    QCOMPARE(sets("Alpha", "ifnull(Attivo, 'null')"), QVariantList({1, 0, "null", -1}));
    QCOMPARE(text("TxtSettName"), "On");
    QCOMPARE(text("LabEmu"), "Alpha");
}

void TestEmusetEditors::editLeavesOtherEmulatorsSetAlone()
{
    for (const char *name : {"Alpha", "Beta"})
        QVERIFY(m_install->addEmulator(QLatin1String(name), "/emu/run"));
    QVERIFY(addSet("Alpha", "Screen", 1, "-a"));
    QVERIFY(addSet("Beta", "Screen", 1, "-b"));
    QVERIFY(open());
    selectEmulator("Beta");
    clickSet(0);
    clickSet(0);
    click("CmdEditSett");
    type("TxtSettName", "Screen 2");
    type("TxtParameter", "-display");
    type("TxtPassed", "2");
    click("CmdSalvaSett");
    QCOMPARE(listed("LstSetting"), QStringList{"Screen 2"}); // renamed at once
    QCOMPARE(sets("Beta", "Stringa || ' ' || Scelta"), QVariantList{"-display 2"});
    QCOMPARE(sets("Alpha", "Nome || Stringa || Attivo"), QVariantList{"Screen-a1"});
}

void TestEmusetEditors::deletedEmulatorsSetsComeBack()
{
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    QVERIFY(addSet("Alpha", "Kept on", 1));
    QVERIFY(addSet("Alpha", "Kept off", 0));
    QVERIFY(open());
    selectEmulator("Alpha");
    click("CmdDeleteEmu");
    QCOMPARE(emulators(), QVariantList());
    QCOMPARE(listed("LstEmu"), QStringList());

    addEmulator("Alpha", "/emu/new", "1");
    selectEmulator("Alpha");
    QCOMPARE(listed("LstSetting"), QStringList({"Kept on", "Kept off"}));
    QCOMPARE(marks(m_main), "x-");
}

void TestEmusetEditors::newSetBelongsToSelectedEmulator()
{
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    QVERIFY(open());
    selectEmulator("Alpha");
    click("CmdAddSett");
    QCOMPARE(text("TxtSettName"), "sett.name");
    QCOMPARE(text("LabEmu"), "Alpha");
    type("TxtParameter", "-display");
    type("TxtPassed", "1");
    type("TxtDescri", "Screen size");
    click("CmdSalvaSett");
    QCOMPARE(sets("Alpha", "Nome || '|' || Stringa || '|' || Scelta || '|' || Descri || '|' || Attivo"),
             QVariantList{"sett.name|-display|1|Screen size|0"});
    QCOMPARE(listed("LstSetting"), QStringList{"sett.name"});
    QCOMPARE(marks(m_main), "-");
}

void TestEmusetEditors::newSetWithoutEmulatorIsListedWithoutOne()
{
    QVERIFY(m_install->addEmulator("Alpha", "/emu/run"));
    QVERIFY(open());
    click("CmdAddSett");
    type("TxtParameter", "-x");
    click("CmdSalvaSett");
    QCOMPARE(sets(QString(), "Nome"), QVariantList{"sett.name"});
    QCOMPARE(listed("LstSetting"), QStringList{"sett.name"});
    // Selected and shown: Edit works on it at once.
    QCOMPARE(text("TxtParameter"), "-x");
    click("CmdEditSett");
    QVERIFY(isEditable("TxtParameter"));
    click("CmdAnnullaSett");
    selectEmulator("Alpha");
    QCOMPARE(listed("LstSetting"), QStringList());
}

void TestEmusetEditors::namesWithQuotesWork()
{
    QVERIFY(open());
    addEmulator("Pac'Emu", "/emu/pac", "1");
    selectEmulator("Pac'Emu");
    click("CmdAddSett");
    type("TxtSettName", "Bob's");
    type("TxtParameter", "-o");
    click("CmdSalvaSett");
    QCOMPARE(listed("LstSetting"), QStringList{"Bob's"});
    clickSet(0);
    QCOMPARE(sets("Pac''Emu", "Attivo"), QVariantList{1});

    click("CmdEditEmu");
    QCOMPARE(text("TxtEmu1"), "Pac'Emu");
    type("TxtFileEmu1", "/emu/pac2");
    click("CmdSaveEmu");
    QCOMPARE(emulators("Emu_Link"), QVariantList{"/emu/pac2"});
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(panelText(m_main, 1), QString());
}

QTEST_MAIN(TestEmusetEditors)
#include "tst_emuset_editors.moc"
