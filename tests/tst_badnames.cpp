// Names as users type them: quotes, wildcard and bracket characters, semicolons,
// backslashes, ampersands, blanks around, 1,000 characters, accented letters, Japanese,
// Arabic and emoji. Games, producers and documents typed in the front-end, emulators and
// sets typed in Emuset and played in the front-end: each name is stored, listed, found
// and shown exactly, and never mistaken for a similar name (the decoy, listed first).
#include "frontend/frmmain.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "shared/widgets/clickablelineedit.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/tst_emuset_support.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace EmusetRun;

namespace {

const QString gameboy = TestInstall::gameboyDb();

QStringList texts(const QVariantList &values)
{
    QStringList list;
    for (const QVariant &value : values)
        list.append(value.toString());
    return list;
}

QStringList comboEntries(QComboBox *combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries.append(combo->itemText(i));
    return entries;
}

// A click on the game list's entry that shows exactly this name.
bool clickGame(FrmMain *main, const QString &name)
{
    const int row = listedGames(main).indexOf(name);
    if (row < 0)
        return false;
    clickGame(main, row);
    return true;
}

bool clickListEntry(QListWidget *list, const QString &text)
{
    const int row = rowOf(list, text);
    if (row < 0)
        return false;
    list->scrollToItem(list->item(row));
    clickEntry(list, row);
    return true;
}

} // namespace

class TestBadNames : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeAll();
    }
    void gamesProducersAndDocuments_data() { names(); }
    void gamesProducersAndDocuments();
    void emulatorsAndSets_data() { names(); }
    void emulatorsAndSets();

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
    FrmMain *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    const FrmMainUi &ui = main->ui;

    QVERIFY(clickGame(main, QStringLiteral("Placeholder")));
    replaceText(ui.LabGame, name);
    replaceText(ui.TxtGameHelp, QStringLiteral("typed notes"));
    replaceText(ui.CmbProducer, name);
    QTest::mouseClick(ui.CmdAddPro, Qt::LeftButton);
    QTest::mouseClick(ui.Command8, Qt::LeftButton);

    ui.TabGeneral->setCurrentIndex(3); // "Docs"
    QTest::mouseClick(ui.CmdAddDoc, Qt::LeftButton);
    typeText(ui.TxtDocName, name);
    const QString file = QStringLiteral("/docs/") + name.left(200);
    typeText(ui.TxtDocFile, file);
    QTest::mouseClick(ui.CmdSaveDoc, Qt::LeftButton);
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
    QCOMPARE(listedGames(main),
             texts(install.column(gameboy, QStringLiteral("SELECT Gioco FROM giochi ORDER BY Gioco"))));
    QVERIFY(comboEntries(ui.CmbProducer).contains(name));
    QCOMPARE(entries(ui.LstDoc), QStringList({decoy, name}));

    // Found and shown: the decoy first, then the name, each with its own record.
    QVERIFY(clickGame(main, decoy));
    QCOMPARE(ui.TxtGameHelp->toPlainText(), QStringLiteral("decoy"));
    QVERIFY(clickGame(main, name));
    QCOMPARE(ui.LabGame->text(), name);
    QCOMPARE(ui.CmbProducer->currentText(), name);
    QCOMPARE(ui.TxtGameHelp->toPlainText(), QStringLiteral("typed notes"));
    QVERIFY(clickListEntry(ui.LstDoc, decoy));
    QCOMPARE(ui.TxtDocFile->text(), QStringLiteral("/docs/decoy"));
    QVERIFY(clickListEntry(ui.LstDoc, name));
    QCOMPARE(ui.TxtDocName->text(), name);
    QCOMPARE(ui.TxtDocFile->text(), file);
    const QPoint entry = ui.LstDoc->visualItemRect(ui.LstDoc->item(rowOf(ui.LstDoc, name))).center();
    QTest::mouseDClick(ui.LstDoc->viewport(), Qt::LeftButton, {}, entry);
    QCOMPARE(launcher.documents, QStringList{file});
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY2(ui.StatusBar1->text(6).startsWith(QStringLiteral("Total Times Played : ")),
             qPrintable(ui.StatusBar1->text(6)));
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
    QVERIFY(writeIni(own.path(), iniLine(install.root())));
    QVERIFY(
        install.exec(gameboy,
                     QStringLiteral("INSERT INTO giochi (Gioco, Link, EmuName) VALUES ('Tetris', 'Tetris.gb', ?)"),
                     {decoy}));
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
    Emuset::FrmEmuset *emuset = start(own.path(), emusetDialogs, launcher);
    QVERIFY(emuset);

    QTest::mouseClick(emuset->ui.CmdNewEmu, Qt::LeftButton);
    typeText(emuset->ui.TxtEmu1, name);
    typeText(emuset->ui.TxtFileEmu1, QStringLiteral("/opt/emu"));
    typeText(emuset->ui.TxtSetmode, QStringLiteral("2"));
    QTest::mouseClick(emuset->ui.CmdSaveEmu, Qt::LeftButton);
    QCOMPARE(entries(emuset->ui.LstEmu), QStringList({decoy, name}));
    QVERIFY(clickListEntry(emuset->ui.LstEmu, name));
    QCOMPARE(emuset->ui.TxtEmu1->text(), name);
    QCOMPARE(emuset->ui.TxtFileEmu1->text(), QStringLiteral("/opt/emu"));
    QTest::mouseClick(emuset->ui.CmdAddSett, Qt::LeftButton);
    replaceText(emuset->ui.TxtSettName, name);
    typeText(emuset->ui.TxtParameter, QStringLiteral("-p"));
    typeText(emuset->ui.TxtPassed, QStringLiteral("v"));
    QTest::mouseClick(emuset->ui.CmdSalvaSett, Qt::LeftButton);
    QCOMPARE(entries(emuset->ui.LstSetting), QStringList{name});
    QVERIFY(clickListEntry(emuset->ui.LstSetting, name)); // marks it
    QCOMPARE(emuset->ui.TxtSettName->text(), name);
    QVERIFY(emusetDialogs.shown.isEmpty());
    QCOMPARE(emuset->ui.StatusBar1->text(1), QString());
    closeAll();

    QCOMPARE(texts(install.column(
                 gameboy, QStringLiteral("SELECT Emu_Name || '|' || Emu_Link FROM emulatori ORDER BY rowid"))),
             QStringList({decoy + QStringLiteral("|/opt/decoy"), name + QStringLiteral("|/opt/emu")}));
    QCOMPARE(texts(install.column(
                 gameboy,
                 QStringLiteral("SELECT ID_Emula || '|' || Nome || '|' || Attivo FROM setting ORDER BY rowid"))),
             QStringList({decoy + QLatin1Char('|') + decoy + QStringLiteral("|0"),
                          name + QLatin1Char('|') + name + QStringLiteral("|1")}));

    ScriptedDialogs frontDialogs;
    FrmMain *main = startFrontEnd(install.root(), frontDialogs, launcher);
    QVERIFY(main);
    const FrmMainUi &ui = main->ui;
    QVERIFY(clickGame(main, QStringLiteral("Tetris")));
    QCOMPARE(comboEntries(ui.CmbEmulatore), QStringList({decoy, name}));
    ui.CmbEmulatore->setCurrentIndex(ui.CmbEmulatore->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT EmuName FROM giochi")).toString(), name);

    QVERIFY(clickGame(main, QStringLiteral("Tetris")));
    QCOMPARE(ui.CmbEmulatore->currentText(), name);
    QCOMPARE(ui.LabEmu->text(), name);
    QCOMPARE(entries(ui.LstSetting), QStringList{name});
    QVERIFY(ui.LstSetting->isMarked(0));
    QCOMPARE(ui.TxtFileEmu1->text(), QStringLiteral("/opt/emu"));
    ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(ui.Command1, Qt::LeftButton);
    QVERIFY(frontDialogs.shown.isEmpty());
    QCOMPARE(launcher.started.size(), 1);
    QCOMPARE(launcher.started[0].program, QStringLiteral("/opt/emu"));
    QCOMPARE(launcher.started[0].arguments,
             QStringList({QStringLiteral("-p"), QStringLiteral("v"),
                          Globale::state().GamesDir + QStringLiteral("Tetris.gb")}));

    // The set's mark clicked off in the front-end lands on its row, not on the decoy's.
    ui.TabGeneral->setCurrentIndex(2); // "Setting"
    clickEntry(ui.LstSetting, 0);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Attivo FROM setting ORDER BY rowid")),
             QVariantList({0, 0}));
    QVERIFY2(ui.StatusBar1->text(6).startsWith(QStringLiteral("Total Times Played : ")),
             qPrintable(ui.StatusBar1->text(6)));
}

QTEST_MAIN(TestBadNames)
#include "tst_badnames.moc"
