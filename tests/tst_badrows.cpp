// Rows whose names cannot tell them apart: names that differ only in case, repeat, hold
// a NUL or are stored as a blob. Every list (games, documents, the front-end's and
// Emuset's emulators and sets) must act on the row of the entry picked, and a row gone
// since the list was filled must be acted on by nothing.
#include "tests/support/emusetwindow.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/tabpages.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString gameboy = TestInstall::gameboyDb();

QVariantList notesByRow(TestInstall &install)
{
    return install.column(gameboy, QStringLiteral("SELECT Notes FROM giochi ORDER BY rowid"));
}

// Clicks a list's entries in turn until the box shows this text; the entry's row or -1.
int clickEntryShowing(const QObject *window, const QString &list, const QString &box, const QString &text)
{
    for (int row = 0; row < entries(window, list).size(); ++row) {
        clickEntry(window, list, row);
        if (shownText(window, box) == text)
            return row;
    }
    return -1;
}

// The same for the game list and the game's notes.
int clickGameWithNotes(const QObject *window, const QString &notes)
{
    for (int row = 0; row < listedGames(window).size(); ++row) {
        clickGame(window, row);
        if (shownText(window, QStringLiteral("TxtGameHelp")) == notes)
            return row;
    }
    return -1;
}

// " VALUES (lead first, rest1), (lead second, rest2)"
QString values(const QString &first, const QString &second, const QString &rest1, const QString &rest2,
               const QString &lead = {})
{
    return QStringLiteral(" VALUES (") + lead + first + QStringLiteral(", ") + rest1 + QStringLiteral("), (")
           + lead + second + QStringLiteral(", ") + rest2 + QLatin1Char(')');
}

} // namespace

class TestBadRows : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        closeFrontEnd();
        closeEmuset();
    }
    void frontEndActsOnThePickedRow_data() { lookAlikes(); }
    void frontEndActsOnThePickedRow();
    void emusetActsOnThePickedRow_data() { lookAlikes(); }
    void emusetActsOnThePickedRow();
    void storedNamesPreferTheirOwnCase_data();
    void storedNamesPreferTheirOwnCase();
    void rowsGoneSinceTheListWasFilled();

private:
    static void lookAlikes();
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

// Two names as SQL expressions, as another program may have stored them.
void TestBadRows::lookAlikes()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("case only") << QStringLiteral("'Tetris'") << QStringLiteral("'TETRIS'");
    QTest::newRow("identical") << QStringLiteral("'Tetris'") << QStringLiteral("'Tetris'");
    QTest::newRow("NUL inside") << QStringLiteral("'Tet' || char(0) || 'ris'") << QStringLiteral("'Tet'");
    QTest::newRow("blob") << QStringLiteral("CAST('Tetris' AS BLOB)") << QStringLiteral("'Tetris'");
}

// Two games, two documents, two sets of the game's emulator: each entry reaches its own
// row for showing, saving, playing, marking, opening and deleting.
void TestBadRows::frontEndActsOnThePickedRow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO giochi (Gioco, Notes, Link, EmuName)")
                                      + values(first, second, QStringLiteral("'first', 'first.gb', 'Emu'"),
                                               QStringLiteral("'second', 'second.gb', 'Emu'"))));
    QVERIFY(install.writeRom(QStringLiteral("first.gb")) && install.writeRom(QStringLiteral("second.gb")));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES ('Emu', '/bin/true', '1')")));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo)")
                                      + values(first, second, QStringLiteral("'-first', 0"),
                                               QStringLiteral("'-second', 0"), QStringLiteral("'Emu', "))));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO documents (Doc_Name, Doc_File)")
                                      + values(first, second, QStringLiteral("'/docs/first'"),
                                               QStringLiteral("'/docs/second'"))));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QCOMPARE(listedGames(window).size(), 2);

    // Each document entry opens its own file; the second is deleted alone.
    QVERIFY(showTab(window, QStringLiteral("Docs")));
    QCOMPARE(entries(window, QStringLiteral("LstDoc")).size(), 2);
    for (int row = 0; row < 2; ++row)
        doubleClickEntry(window, QStringLiteral("LstDoc"), row);
    QCOMPARE(m_launcher.documents, QStringList({"/docs/first", "/docs/second"}));
    clickEntry(window, QStringLiteral("LstDoc"), 1);
    clickOn(window, QStringLiteral("CmdDeleteDoc"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Doc_File FROM documents")),
             QVariantList{"/docs/first"});

    // Each set entry marks its own row.
    QVERIFY(clickGameWithNotes(window, QStringLiteral("first")) >= 0);
    QVERIFY(showTab(window, QStringLiteral("Setting")));
    QCOMPARE(entries(window, QStringLiteral("LstSetting")).size(), 2);
    clickEntry(window, QStringLiteral("LstSetting"), 1);
    QCOMPARE(shownText(window, QStringLiteral("TxtParameter")), QStringLiteral("-second"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Attivo FROM setting ORDER BY rowid")),
             QVariantList({0, 1}));

    // Save and play on the second game's entry reach its row only.
    QVERIFY(showTab(window, QStringLiteral("Docs")));
    QVERIFY(clickGameWithNotes(window, QStringLiteral("second")) >= 0);
    replaceText(child(window, "TxtGameHelp"), QStringLiteral("edited"));
    clickOn(window, QStringLiteral("Command8"));
    QCOMPARE(notesByRow(install), QVariantList({"first", "edited"}));
    QVERIFY(clickGameWithNotes(window, QStringLiteral("edited")) >= 0);
    QVERIFY(showTab(window, QStringLiteral("Games")));
    clickOn(window, QStringLiteral("Command1"));
    QCOMPARE(m_launcher.started.size(), 1);
    QVERIFY(
        m_launcher.started[0].arguments.contains(install.path(QStringLiteral("console/gameboy/games/second.gb"))));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Times FROM giochi ORDER BY rowid")),
             QVariantList({0, 1}));

    // Deleting the second game leaves the first.
    QVERIFY(clickGameWithNotes(window, QStringLiteral("edited")) >= 0);
    clickOn(window, QStringLiteral("CmdDeleteGame"));
    QCOMPARE(notesByRow(install), QVariantList{"first"});
    QCOMPARE(errorLine(window), QString());
}

// Emuset: two emulators, and two sets of one emulator, each edited through its entry.
void TestBadRows::emusetActsOnThePickedRow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    TestInstall install;
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type)")
                                      + values(first, second, QStringLiteral("'/emu/first', '1'"),
                                               QStringLiteral("'/emu/second', '1'"))));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES ('Emu', '/emu/sets', '1')")));
    QVERIFY(install.exec(gameboy, QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo)")
                                      + values(first, second, QStringLiteral("'-first', 0"),
                                               QStringLiteral("'-second', 0"), QStringLiteral("'Emu', "))));
    m_dialogs = ScriptedDialogs();
    QWidget *emuset = startEmuset(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    const QString emulators = QStringLiteral("LstEmu");
    const QString sets = QStringLiteral("LstSetting");
    QCOMPARE(entries(emuset, emulators).size(), 3);

    QVERIFY(clickEntryShowing(emuset, emulators, QStringLiteral("TxtFileEmu1"), QStringLiteral("/emu/second"))
            >= 0);
    clickOn(emuset, QStringLiteral("CmdEditEmu"));
    replaceText(child(emuset, "TxtFileEmu1"), QStringLiteral("/emu/edited"));
    clickOn(emuset, QStringLiteral("CmdSaveEmu"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Emu_Link FROM emulatori ORDER BY rowid")),
             QVariantList({"/emu/first", "/emu/edited", "/emu/sets"}));

    QVERIFY(clickEntryShowing(emuset, emulators, QStringLiteral("TxtFileEmu1"), QStringLiteral("/emu/sets")) >= 0);
    QCOMPARE(entries(emuset, sets).size(), 2);
    clickEntry(emuset, sets, 1); // marks it and shows it
    QCOMPARE(shownText(emuset, QStringLiteral("TxtParameter")), QStringLiteral("-second"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Attivo FROM setting ORDER BY rowid")),
             QVariantList({0, 1}));
    clickOn(emuset, QStringLiteral("CmdEditSett"));
    replaceText(child(emuset, "TxtParameter"), QStringLiteral("-edited"));
    clickOn(emuset, QStringLiteral("CmdSalvaSett"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Stringa FROM setting ORDER BY rowid")),
             QVariantList({"-first", "-edited"}));
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(panelText(emuset, 1), QString());
}

// Where a stored name is looked up (the start game, a game's emulator), a row of exactly
// that name, case included, wins over one that matches without regard to case.
void TestBadRows::storedNamesPreferTheirOwnCase_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("program");
    QTest::newRow("upper case") << QStringLiteral("TETRIS") << QStringLiteral("upper")
                                << QStringLiteral("/emu/upper");
    QTest::newRow("capitalised") << QStringLiteral("Tetris") << QStringLiteral("capitalised")
                                 << QStringLiteral("/emu/capitalised");
    QTest::newRow("no exact match") << QStringLiteral("tetris") << QStringLiteral("upper")
                                    << QStringLiteral("/emu/upper");
}

void TestBadRows::storedNamesPreferTheirOwnCase()
{
    QFETCH(QString, stored);
    QFETCH(QString, notes);
    QFETCH(QString, program);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(gameboy,
                         QStringLiteral("INSERT INTO giochi (Gioco, Notes, Link, EmuName) VALUES "
                                        "('TETRIS', 'upper', 't.gb', ?), ('Tetris', 'capitalised', 't.gb', ?)"),
                         {stored, stored}));
    QVERIFY(install.writeRom(QStringLiteral("t.gb")));
    QVERIFY(install.exec(gameboy,
                         QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES "
                                        "('TETRIS', '/emu/upper', '1'), ('Tetris', '/emu/capitalised', '1')")));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = ?"), {stored}));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QCOMPARE(shownText(window, QStringLiteral("TxtGameHelp")), notes);
    QVERIFY(showTab(window, QStringLiteral("Games")));
    clickOn(window, QStringLiteral("Command1"));
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program, program);
}

// Rows deleted by another program after the lists were filled: picking their entries
// shows nothing, says why, and no later action reaches another row.
void TestBadRows::rowsGoneSinceTheListWasFilled()
{
    TestInstall install;
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(pointEmusetAt(own.path(), install.root()));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral(
            "INSERT INTO giochi (Gioco, Notes, Times) VALUES ('Alpha', 'kept', 0), ('Beta', 'gone', 0)")));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral(
            "INSERT INTO documents (Doc_Name, Doc_File) VALUES ('Kept', '/docs/kept'), ('Gone', '/docs/gone')")));
    QVERIFY(install.exec(
        gameboy,
        QStringLiteral(
            "INSERT INTO emulatori (Emu_Name, Emu_Link) VALUES ('Kept', '/emu/kept'), ('Gone', '/emu/gone')")));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    QMainWindow *window = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(window);
    QWidget *emuset = startEmuset(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    QVERIFY(install.exec(gameboy, QStringLiteral("DELETE FROM giochi WHERE Gioco = 'Beta'")));
    QVERIFY(install.exec(gameboy, QStringLiteral("DELETE FROM documents WHERE Doc_Name = 'Gone'")));
    QVERIFY(install.exec(gameboy, QStringLiteral("DELETE FROM emulatori WHERE Emu_Name = 'Gone'")));

    QVERIFY(showGame(window, QStringLiteral("Beta")));
    QVERIFY2(errorLine(window).contains(QStringLiteral("Beta")), qPrintable(errorLine(window)));
    QCOMPARE(shownText(window, QStringLiteral("TxtGameHelp")), QString());
    typeText(child(window, "TxtGameHelp"), QStringLiteral("typed"));
    clickOn(window, QStringLiteral("Command8"));
    QVERIFY(showTab(window, QStringLiteral("Games")));
    clickOn(window, QStringLiteral("Command1"));
    clickOn(window, QStringLiteral("CmdDeleteGame"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Gioco || Notes || Times FROM giochi")),
             QVariantList{"Alphakept0"});
    QVERIFY(m_launcher.started.isEmpty());

    QVERIFY(showTab(window, QStringLiteral("Docs")));
    doubleClickEntry(window, QStringLiteral("LstDoc"), 1);
    QVERIFY(m_launcher.documents.isEmpty());
    QVERIFY2(errorLine(window).contains(QStringLiteral("Gone")), qPrintable(errorLine(window)));
    clickOn(window, QStringLiteral("CmdDeleteDoc"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Doc_Name FROM documents")), QVariantList{"Kept"});

    clickEntry(emuset, QStringLiteral("LstEmu"), 1);
    QCOMPARE(shownText(emuset, QStringLiteral("TxtFileEmu1")), QString());
    QVERIFY2(panelText(emuset, 1).contains(QStringLiteral("Gone")), qPrintable(panelText(emuset, 1)));
    clickOn(emuset, QStringLiteral("CmdEditEmu"));
    clickOn(emuset, QStringLiteral("CmdDeleteEmu"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Emu_Name FROM emulatori")), QVariantList{"Kept"});
}

QTEST_MAIN(TestBadRows)
#include "tst_badrows.moc"
