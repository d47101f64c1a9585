// Names as users type them: quotes, wildcard and bracket characters, semicolons,
// backslashes, ampersands, blanks around, 1,000 characters, accented letters, Japanese,
// Arabic and emoji. Games, producers and documents typed in the front-end, emulators and
// sets typed in Emuset and played in the front-end: each name is stored, listed, found
// and shown exactly, and never mistaken for a similar name (the decoy, listed first).
#include "frontend/app/dataroot.h"
#include "tests/support/builtprograms.h"
#include "tests/support/comboentries.h"
#include "tests/support/emusetwindow.h"
#include "tests/support/entrymarks.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/tabpages.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QMainWindow>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString gameboy = TestInstall::gameboyDb();

QStringList texts(const QVariantList &values)
{
    QStringList list;
    for (const QVariant &value : values)
        list.append(value.toString());
    return list;
}

// Opens a combo box's list and clicks the entry of exactly this text.
bool chooseItem(const QObject *window, const char *name, const QString &text)
{
    auto *box = child<QComboBox>(window, name);
    const int row = box ? box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
    if (row < 0)
        return false;
    box->showPopup();
    QAbstractItemView *view = box->view();
    const QModelIndex index = box->model()->index(row, box->modelColumn());
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(index).intersected(view->viewport()->rect()).center());
    return box->currentText() == text;
}

// The row of the entry of a list that shows exactly this text, clicked; -1 when none.
int clickEntryNamed(const QObject *window, const QString &list, const QString &text)
{
    const int row = int(entries(window, list).indexOf(text));
    if (row >= 0)
        clickEntry(window, list, row);
    return row;
}

} // namespace

class TestBadNames : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeEmuset();
    }
    void gamesProducersAndDocuments_data() { names(); }
    void gamesProducersAndDocuments();
    void emulatorsAndSets_data() { names(); }
    void emulatorsAndSets();
    void foldersThatDoNotDecode_data();
    void foldersThatDoNotDecode();

private:
    static void names();
};

// decoy: a name that a pattern, a trimmed or a cut comparison would take for the name;
// it sorts before the name, so a wrong match finds the decoy first.
void TestBadNames::names()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("decoy");
    QTest::newRow("single quote") << QStringLiteral("Kiki's Cloud Ranch") << QStringLiteral("Kiki");
    QTest::newRow("double quote") << QStringLiteral("The \"Best\" Game") << QStringLiteral("The ");
    QTest::newRow("percent") << QStringLiteral("100% Fun") << QStringLiteral("100 Fun");
    QTest::newRow("underscore") << QStringLiteral("Game_Boy Camera") << QStringLiteral("Game Boy Camera");
    QTest::newRow("brackets") << QStringLiteral("[Beta] Quest [!]") << QStringLiteral("Beta");
    QTest::newRow("semicolon and SQL") << QStringLiteral("x'; DROP TABLE giochi; --") << QStringLiteral("x");
    QTest::newRow("backslash") << QStringLiteral("Back\\Slash \\n") << QStringLiteral("Back");
    QTest::newRow("ampersand and comma") << QStringLiteral("Tom & Jerry, Part 2") << QStringLiteral("Tom ");
    QTest::newRow("blanks around") << QStringLiteral("  Spaced Out  ") << QStringLiteral("Spaced Out");
    QTest::newRow("1,000 characters") << QStringLiteral("Long") + QString(996, QLatin1Char('g'))
                                      << QStringLiteral("Long") + QString(995, QLatin1Char('g'));
    QTest::newRow("accented") << QStringLiteral("Château Fantôme Ñandú")
                              << QStringLiteral("Chateau Fantome Nandu");
    QTest::newRow("japanese") << QStringLiteral("ドラゴンクエスト") << QStringLiteral("ドラゴン");
    QTest::newRow("arabic") << QStringLiteral("الأمير الصغير") << QStringLiteral("الأمير");
    QTest::newRow("emoji") << QStringLiteral("Super 🍄 Bros 👾") << QStringLiteral("Super  Bros ");
}

// The record page and the Docs page of the front-end. A game "Placeholder" gets the name
// typed over its own, a producer is added and stored with it, a document is added.
void TestBadNames::gamesProducersAndDocuments()
{
    QFETCH(QString, name);
    QFETCH(QString, decoy);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(gameboy,
                         QStringLiteral("INSERT INTO giochi (Gioco, Notes) VALUES (?, 'decoy'), "
                                        "('Placeholder', 'placeholder')"),
                         {decoy}));
    QVERIFY(install.exec(gameboy,
                         QStringLiteral("INSERT INTO documents (Doc_Name, Doc_File) VALUES (?, '/docs/decoy')"),
                         {decoy}));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("INSERT INTO publisher (Publisher) VALUES (?)"),
                         {decoy}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *window = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(window);

    QVERIFY(showGame(window, QStringLiteral("Placeholder")));
    replaceText(child(window, "LabGame"), name);
    replaceText(child(window, "TxtGameHelp"), QStringLiteral("typed notes"));
    replaceText(child(window, "CmbProducer"), name);
    clickOn(window, QStringLiteral("CmdAddPro"));
    clickOn(window, QStringLiteral("Command8"));

    QVERIFY(showTab(window, QStringLiteral("Docs")));
    clickOn(window, QStringLiteral("CmdAddDoc"));
    typeText(child(window, "TxtDocName"), name);
    const QString file = QStringLiteral("/docs/") + name.left(200);
    typeText(child(window, "TxtDocFile"), file);
    clickOn(window, QStringLiteral("CmdSaveDoc"));
    QVERIFY(dialogs.shown.isEmpty());

    // Stored exactly, the decoys untouched.
    QCOMPARE(texts(install.column(gameboy, QStringLiteral("SELECT Gioco FROM giochi ORDER BY rowid"))),
             QStringList({decoy, name}));
    QCOMPARE(texts(install.column(
                 gameboy, QStringLiteral("SELECT Producer || '|' || Notes FROM giochi WHERE Notes <> 'decoy'"))),
             QStringList{name + QStringLiteral("|typed notes")});
    QVERIFY(install.scalar(gameboy, QStringLiteral("SELECT Producer FROM giochi WHERE Notes = 'decoy'")).isNull());
    QVERIFY(texts(install.column(TestInstall::masterDb(), QStringLiteral("SELECT Publisher FROM publisher")))
                .contains(name));
    QCOMPARE(texts(install.column(
                 gameboy, QStringLiteral("SELECT Doc_Name || '|' || Doc_File FROM documents ORDER BY rowid"))),
             QStringList({decoy + QStringLiteral("|/docs/decoy"), name + QLatin1Char('|') + file}));

    // Listed exactly, in the database's order.
    QCOMPARE(listedGames(window),
             texts(install.column(gameboy, QStringLiteral("SELECT Gioco FROM giochi ORDER BY Gioco"))));
    QVERIFY(comboEntries(window, "CmbProducer").contains(name));
    QCOMPARE(entries(window, QStringLiteral("LstDoc")), QStringList({decoy, name}));

    // Found and shown: the decoy first, then the name, each with its own record.
    QVERIFY(showGame(window, decoy));
    QCOMPARE(shownText(window, QStringLiteral("TxtGameHelp")), QStringLiteral("decoy"));
    QVERIFY(showGame(window, name));
    QCOMPARE(shownText(window, QStringLiteral("LabGame")), name);
    QCOMPARE(shownText(window, QStringLiteral("CmbProducer")), name);
    QCOMPARE(shownText(window, QStringLiteral("TxtGameHelp")), QStringLiteral("typed notes"));
    QVERIFY(clickEntryNamed(window, QStringLiteral("LstDoc"), decoy) >= 0);
    QCOMPARE(shownText(window, QStringLiteral("TxtDocFile")), QStringLiteral("/docs/decoy"));
    const int row = clickEntryNamed(window, QStringLiteral("LstDoc"), name);
    QVERIFY(row >= 0);
    QCOMPARE(shownText(window, QStringLiteral("TxtDocName")), name);
    QCOMPARE(shownText(window, QStringLiteral("TxtDocFile")), file);
    doubleClickEntry(window, QStringLiteral("LstDoc"), row);
    QCOMPARE(launcher.documents, QStringList{file});
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY2(panelText(window, 6).startsWith(QStringLiteral("Total Times Played : ")),
             qPrintable(panelText(window, 6)));
}

// An emulator and its set typed in Emuset, then used by the front-end: chosen for a game,
// listed with its set on the Setting page, played.
void TestBadNames::emulatorsAndSets()
{
    QFETCH(QString, name);
    QFETCH(QString, decoy);
    TestInstall install;
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    QVERIFY(
        install.exec(gameboy,
                     QStringLiteral("INSERT INTO giochi (Gioco, Link, EmuName) VALUES ('Tetris', 'Tetris.gb', ?)"),
                     {decoy}));
    QVERIFY(install.writeRom(QStringLiteral("Tetris.gb")));
    QVERIFY(install.exec(gameboy,
                         QStringLiteral(
                             "INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES (?, '/opt/decoy', '2')"),
                         {decoy}));
    QVERIFY(install.exec(gameboy,
                         QStringLiteral(
                             "INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo) VALUES (?, ?, '-decoy', 0)"),
                         {decoy, decoy}));
    ScriptedDialogs emusetDialogs;
    RecordingLauncher launcher;
    QWidget *emuset = startEmuset(own.path(), emusetDialogs, launcher);
    QVERIFY(emuset);

    clickOn(emuset, QStringLiteral("CmdNewEmu"));
    typeText(child(emuset, "TxtEmu1"), name);
    typeText(child(emuset, "TxtFileEmu1"), QStringLiteral("/opt/emu"));
    typeText(child(emuset, "TxtSetmode"), QStringLiteral("2"));
    clickOn(emuset, QStringLiteral("CmdSaveEmu"));
    QCOMPARE(entries(emuset, QStringLiteral("LstEmu")), QStringList({decoy, name}));
    QVERIFY(clickEntryNamed(emuset, QStringLiteral("LstEmu"), name) >= 0);
    QCOMPARE(shownText(emuset, QStringLiteral("TxtEmu1")), name);
    QCOMPARE(shownText(emuset, QStringLiteral("TxtFileEmu1")), QStringLiteral("/opt/emu"));
    clickOn(emuset, QStringLiteral("CmdAddSett"));
    replaceText(child(emuset, "TxtSettName"), name);
    typeText(child(emuset, "TxtParameter"), QStringLiteral("-p"));
    typeText(child(emuset, "TxtPassed"), QStringLiteral("v"));
    clickOn(emuset, QStringLiteral("CmdSalvaSett"));
    QCOMPARE(entries(emuset, QStringLiteral("LstSetting")), QStringList{name});
    QVERIFY(clickEntryNamed(emuset, QStringLiteral("LstSetting"), name) >= 0); // marks it
    QCOMPARE(shownText(emuset, QStringLiteral("TxtSettName")), name);
    QVERIFY(emusetDialogs.shown.isEmpty());
    QCOMPARE(panelText(emuset, 1), QString());
    closeEmuset();

    QCOMPARE(texts(install.column(
                 gameboy, QStringLiteral("SELECT Emu_Name || '|' || Emu_Link FROM emulatori ORDER BY rowid"))),
             QStringList({decoy + QStringLiteral("|/opt/decoy"), name + QStringLiteral("|/opt/emu")}));
    QCOMPARE(texts(install.column(
                 gameboy,
                 QStringLiteral("SELECT ID_Emula || '|' || Nome || '|' || Attivo FROM setting ORDER BY rowid"))),
             QStringList({decoy + QLatin1Char('|') + decoy + QStringLiteral("|0"),
                          name + QLatin1Char('|') + name + QStringLiteral("|1")}));

    ScriptedDialogs frontDialogs;
    QMainWindow *window = startFrontEnd(install.root(), frontDialogs, launcher);
    QVERIFY(window);
    QVERIFY(showGame(window, QStringLiteral("Tetris")));
    QCOMPARE(comboEntries(window, "CmbEmulatore"), QStringList({decoy, name}));
    QVERIFY(chooseItem(window, "CmbEmulatore", name));
    clickOn(window, QStringLiteral("Command8"));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT EmuName FROM giochi")).toString(), name);

    QVERIFY(showGame(window, QStringLiteral("Tetris")));
    QCOMPARE(shownText(window, QStringLiteral("CmbEmulatore")), name);
    QCOMPARE(shownText(window, QStringLiteral("LabEmu")), name);
    QCOMPARE(entries(window, QStringLiteral("LstSetting")), QStringList{name});
    QVERIFY(entryMarked(window, QStringLiteral("LstSetting"), 0));
    QCOMPARE(shownText(window, QStringLiteral("TxtFileEmu1")), QStringLiteral("/opt/emu"));
    QVERIFY(showTab(window, QStringLiteral("Games")));
    clickOn(window, QStringLiteral("Command1"));
    QVERIFY(frontDialogs.shown.isEmpty());
    QCOMPARE(launcher.started.size(), 1);
    QCOMPARE(launcher.started[0].program, QStringLiteral("/opt/emu"));
    QCOMPARE(launcher.started[0].arguments,
             QStringList({QStringLiteral("-p"), QStringLiteral("v"),
                          install.path(QStringLiteral("console/gameboy/games/Tetris.gb"))}));

    // The set's mark clicked off in the front-end lands on its row, not on the decoy's.
    QVERIFY(showTab(window, QStringLiteral("Setting")));
    clickEntry(window, QStringLiteral("LstSetting"), 0);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Attivo FROM setting ORDER BY rowid")),
             QVariantList({0, 0}));
    QVERIFY2(panelText(window, 6).startsWith(QStringLiteral("Total Times Played : ")),
             qPrintable(panelText(window, 6)));
}

// Folder names whose bytes are no UTF-8 (read as text they would name another folder):
// the portable front-end's folder and the installation maker's target are refused with a
// message naming them, and nothing is made under another name.
void TestBadNames::foldersThatDoNotDecode_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("latin-1 letter") << QByteArray("caf\xe9") << QStringLiteral("caf\\xe9");
    QTest::newRow("lone continuation byte") << QByteArray("x\x80y") << QStringLiteral("x\\x80y");
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf") << QStringLiteral("a\\xc0\\xaf");
    QTest::newRow("accent, then a bad byte") << QByteArray("\xc3\xa9t\xe9") << QStringLiteral("\u00e9t\\xe9");
}

void TestBadNames::foldersThatDoNotDecode()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);
    QTemporaryDir parent;
    const QByteArray folder = QFile::encodeName(parent.path()) + '/' + name;
    const QByteArray pack = folder + "/pack";
    QVERIFY(::mkdir(folder.constData(), 0700) == 0 && ::mkdir(pack.constData(), 0700) == 0);
    const auto removeFolders = qScopeGuard([&] {
        ::rmdir(pack.constData());
        ::rmdir(folder.constData());
    });

    // The front-end in a folder that looks like an installation.
    QString error;
    QVERIFY(!DataRoot::checkExecutableDir(folder, &error));
    QVERIFY2(error.contains(parent.path() + QLatin1Char('/') + shown), qPrintable(error));
    QVERIFY(DataRoot::checkExecutableDir(QFile::encodeName(parent.path()), &error));

    // The maker given a target inside it: the shell's printf writes the name's bytes.
    QByteArray escaped;
    for (const char c : folder + "/inst")
        escaped += uchar(c) >= 0x80 ? QByteArray("\\") + QByteArray::number(uchar(c), 8) : QByteArray(1, c);
    QProcess maker;
    maker.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("exec \"$0\" \"$(printf \"$1\")\""),
                 BuiltPrograms::mkinstall(), QString::fromLatin1(escaped)});
    QVERIFY(maker.waitForFinished(60000));
    QCOMPARE(maker.exitCode(), 2);
    const QString output = QString::fromUtf8(maker.readAllStandardError());
    QVERIFY2(output.contains(shown + QStringLiteral("/inst: the name is not valid UTF-8")), qPrintable(output));
    QVERIFY(!QFileInfo::exists(parent.path() + QLatin1Char('/') + QFile::decodeName(name)));
    QVERIFY(::access((folder + "/inst").constData(), F_OK) != 0);
}

QTEST_MAIN(TestBadNames)
#include "tst_badnames.moc"
