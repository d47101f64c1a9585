// Rows whose names cannot tell them apart: names that differ only in case, repeat, hold
// a NUL or are stored as a blob. Every list (games, documents, the front-end's and
// Emuset's emulators and sets) must act on the row of the entry picked, and a row gone
// since the list was filled must be acted on by nothing.
#include "frontend/frmmain.h"
#include "frontend/globale.h"
#include "shared/widgets/clickablelineedit.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/tst_emuset_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace EmusetRun;

namespace {

const QString gameboy = TestInstall::gameboyDb();

QVariantList notesByRow(TestInstall &install)
{
    return install.column(gameboy, QStringLiteral("SELECT Notes FROM giochi ORDER BY rowid"));
}

// Clicks the game entries in turn until the record shows these notes; the entry's row.
int clickGameWithNotes(FrmMain *main, const QString &notes)
{
    for (int row = 0; row < listedGames(main).size(); ++row) {
        clickGame(main, row);
        if (main->ui.TxtGameHelp->toPlainText() == notes)
            return row;
    }
    return -1;
}

// The same for a list whose entry shows a row in a box.
template <class Box> int clickEntryShowing(QListWidget *list, Box *box, const QString &text)
{
    for (int row = 0; row < list->count(); ++row) {
        list->scrollToItem(list->item(row));
        clickEntry(list, row);
        if (box->text() == text)
            return row;
    }
    return -1;
}

// The list is laid out first: a page just brought forward has not been yet.
void doubleClickEntry(QListWidget *list, int row)
{
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
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
        closeAll();
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
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    const FrmMainUi &ui = main->ui;
    QCOMPARE(listedGames(main).size(), 2);

    // Each document entry opens its own file; the second is deleted alone.
    ui.TabGeneral->setCurrentIndex(3); // "Docs"
    QCOMPARE(ui.LstDoc->count(), 2);
    for (int row = 0; row < 2; ++row)
        doubleClickEntry(ui.LstDoc, row);
    QCOMPARE(m_launcher.documents, QStringList({"/docs/first", "/docs/second"}));
    ui.LstDoc->scrollToItem(ui.LstDoc->item(1));
    clickEntry(ui.LstDoc, 1);
    QTest::mouseClick(ui.CmdDeleteDoc, Qt::LeftButton);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Doc_File FROM documents")),
             QVariantList{"/docs/first"});

    ui.TabGeneral->setCurrentIndex(0);

    // Each set entry marks its own row.
    QVERIFY(clickGameWithNotes(main, QStringLiteral("first")) >= 0);
    ui.TabGeneral->setCurrentIndex(2); // "Setting"
    QCOMPARE(ui.LstSetting->count(), 2);
    ui.LstSetting->scrollToItem(ui.LstSetting->item(1));
    clickEntry(ui.LstSetting, 1);
    QCOMPARE(ui.TxtParameter->text(), QStringLiteral("-second"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Attivo FROM setting ORDER BY rowid")),
             QVariantList({0, 1}));
    ui.TabGeneral->setCurrentIndex(0);

    // Save and play on the second game's entry reach its row only.
    QVERIFY(clickGameWithNotes(main, QStringLiteral("second")) >= 0);
    replaceText(ui.TxtGameHelp, QStringLiteral("edited"));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QCOMPARE(notesByRow(install), QVariantList({"first", "edited"}));
    QVERIFY(clickGameWithNotes(main, QStringLiteral("edited")) >= 0);
    ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(ui.Command1, Qt::LeftButton);
    QCOMPARE(m_launcher.started.size(), 1);
    QVERIFY(m_launcher.started[0].arguments.contains(Globale::state().GamesDir + QStringLiteral("second.gb")));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Times FROM giochi ORDER BY rowid")),
             QVariantList({0, 1}));

    // Deleting the second game leaves the first.
    ui.TabGeneral->setCurrentIndex(0);
    QVERIFY(clickGameWithNotes(main, QStringLiteral("edited")) >= 0);
    QTest::mouseClick(ui.CmdDeleteGame, Qt::LeftButton);
    QCOMPARE(notesByRow(install), QVariantList{"first"});
    QCOMPARE(errorLine(main), QString());
}

// Emuset: two emulators, and two sets of one emulator, each edited through its entry.
void TestBadRows::emusetActsOnThePickedRow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    TestInstall install;
    QTemporaryDir own;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(writeIni(own.path(), iniLine(install.root())));
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
    Emuset::FrmEmuset *emuset = start(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    QCOMPARE(emuset->ui.LstEmu->count(), 3);

    const int row = clickEntryShowing(emuset->ui.LstEmu, emuset->ui.TxtFileEmu1, QStringLiteral("/emu/second"));
    QVERIFY(row >= 0);
    QTest::mouseClick(emuset->ui.CmdEditEmu, Qt::LeftButton);
    replaceText(emuset->ui.TxtFileEmu1, QStringLiteral("/emu/edited"));
    QTest::mouseClick(emuset->ui.CmdSaveEmu, Qt::LeftButton);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Emu_Link FROM emulatori ORDER BY rowid")),
             QVariantList({"/emu/first", "/emu/edited", "/emu/sets"}));

    QVERIFY(clickEntryShowing(emuset->ui.LstEmu, emuset->ui.TxtFileEmu1, QStringLiteral("/emu/sets")) >= 0);
    QCOMPARE(emuset->ui.LstSetting->count(), 2);
    clickEntry(emuset->ui.LstSetting, 1); // marks it and shows it
    QCOMPARE(emuset->ui.TxtParameter->text(), QStringLiteral("-second"));
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Attivo FROM setting ORDER BY rowid")),
             QVariantList({0, 1}));
    emuset->ui.LstSetting->setCurrentRow(1);
    QTest::mouseClick(emuset->ui.CmdEditSett, Qt::LeftButton);
    replaceText(emuset->ui.TxtParameter, QStringLiteral("-edited"));
    QTest::mouseClick(emuset->ui.CmdSalvaSett, Qt::LeftButton);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Stringa FROM setting ORDER BY rowid")),
             QVariantList({"-first", "-edited"}));
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(emuset->ui.StatusBar1->text(1), QString());
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
    QVERIFY(install.exec(gameboy,
                         QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) VALUES "
                                        "('TETRIS', '/emu/upper', '1'), ('Tetris', '/emu/capitalised', '1')")));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = ?"), {stored}));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    QCOMPARE(main->ui.TxtGameHelp->toPlainText(), notes);
    main->ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(main->ui.Command1, Qt::LeftButton);
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
    QVERIFY(writeIni(own.path(), iniLine(install.root())));
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
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    Emuset::FrmEmuset *emuset = start(own.path(), m_dialogs, m_launcher);
    QVERIFY(emuset);
    QVERIFY(install.exec(gameboy, QStringLiteral("DELETE FROM giochi WHERE Gioco = 'Beta'")));
    QVERIFY(install.exec(gameboy, QStringLiteral("DELETE FROM documents WHERE Doc_Name = 'Gone'")));
    QVERIFY(install.exec(gameboy, QStringLiteral("DELETE FROM emulatori WHERE Emu_Name = 'Gone'")));

    const FrmMainUi &ui = main->ui;
    clickGame(main, listedGames(main).indexOf(QStringLiteral("Beta")));
    QVERIFY2(errorLine(main).contains(QStringLiteral("Beta")), qPrintable(errorLine(main)));
    QCOMPARE(ui.TxtGameHelp->toPlainText(), QString());
    typeText(ui.TxtGameHelp, QStringLiteral("typed"));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    ui.TabGames->setCurrentIndex(0);
    QTest::mouseClick(ui.Command1, Qt::LeftButton);
    QTest::mouseClick(ui.CmdDeleteGame, Qt::LeftButton);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Gioco || Notes || Times FROM giochi")),
             QVariantList{"Alphakept0"});
    QVERIFY(m_launcher.started.isEmpty());

    ui.TabGeneral->setCurrentIndex(3); // "Docs"
    doubleClickEntry(ui.LstDoc, 1);
    QVERIFY(m_launcher.documents.isEmpty());
    QVERIFY2(errorLine(main).contains(QStringLiteral("Gone")), qPrintable(errorLine(main)));
    QTest::mouseClick(ui.CmdDeleteDoc, Qt::LeftButton);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Doc_Name FROM documents")), QVariantList{"Kept"});

    clickEntry(emuset->ui.LstEmu, 1);
    QCOMPARE(emuset->ui.TxtFileEmu1->text(), QString());
    QVERIFY2(emuset->ui.StatusBar1->text(1).contains(QStringLiteral("Gone")),
             qPrintable(emuset->ui.StatusBar1->text(1)));
    QTest::mouseClick(emuset->ui.CmdEditEmu, Qt::LeftButton);
    QTest::mouseClick(emuset->ui.CmdDeleteEmu, Qt::LeftButton);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Emu_Name FROM emulatori")), QVariantList{"Kept"});
}

QTEST_MAIN(TestBadRows)
#include "tst_badrows.moc"
