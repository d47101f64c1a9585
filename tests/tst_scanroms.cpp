// "Scan Roms": which files of the games folder become games, what each new game holds,
// the question and the messages, one transaction for all, and the list afterwards.
#include "frontend/frmbrowser.h"
#include "frontend/frmmain.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString gameboy = TestInstall::gameboyDb();

bool makeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

QString gamesDir(const TestInstall &install) { return install.path(QStringLiteral("console/gameboy/games")); }

bool addEmulators(TestInstall &install)
{
    return install.exec(gameboy, QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) "
                                                "VALUES ('Alpha Emu', 'alpha', '1'), ('Beta Emu', 'beta', '1')"));
}

int gameRows(TestInstall &install)
{
    return install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt();
}

QStringList storedNames(TestInstall &install)
{
    QStringList names;
    for (const QVariant &name : install.column(gameboy, QStringLiteral("SELECT Gioco FROM giochi ORDER BY rowid")))
        names.append(name.toString());
    return names;
}

void clickFile(FrmBrowser *chooser, const QString &name)
{
    auto *files = chooser->findChild<QListWidget *>(QStringLiteral("File1"));
    QVERIFY(files);
    const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found[0]).center());
}

} // namespace

class TestScanRoms : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addsEveryNewFileOnce();
    void addsNothing_data();
    void addsNothing();
    void storesWhatAddRomStores();
    void thousandsShownUnderAnyFilter();

private:
    FrmMain *start();

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

void TestScanRoms::init()
{
    m_dialogs.shown.clear();
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    QVERIFY(addEmulators(*m_install));
}

void TestScanRoms::cleanup()
{
    closeFrontEnd();
    m_install.reset();
}

FrmMain *TestScanRoms::start()
{
    FrmMain *main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    m_dialogs.shown.clear();
    return main;
}

void TestScanRoms::addsEveryNewFileOnce()
{
    QVERIFY(m_install->exec(
        gameboy,
        QStringLiteral("INSERT INTO giochi (Gioco, Link, Language) VALUES ('Tetris', 'tetris.gb', 'English')")));
    const QString dir = gamesDir(*m_install);
    const QStringList files = {
        QStringLiteral("Tetris.GB"), // linked already, in other letters
        QStringLiteral(".hidden.gb"),
        QStringLiteral("Mario's \"Quest\" (v1).gb"),
        QString::fromUtf8("Pok\u00e9mon \u00dcn\u00efcode.gbc"),
        QString::fromUtf8("\u30dd\u30b1\u30e2\u30f3 \u91d1.gb"),
        QStringLiteral("  blank  name .gb"),
        QStringLiteral("archive.tar.gz"),
        QStringLiteral("NOEXT"),
        QStringLiteral("zelda.gb"),
        QStringLiteral("ZELDA.gb"), // the same file name but for case: taken once
    };
    for (const QString &file : files)
        QVERIFY2(makeFile(QDir(dir).filePath(file)), qPrintable(file));
    QVERIFY(QDir(dir).mkdir(QStringLiteral("folder.gb")));
    QVERIFY(QFile::link(QDir(dir).filePath(QStringLiteral("nowhere")),
                        QDir(dir).filePath(QStringLiteral("broken.gb"))));
    // A link to a regular file counts as that file; a FIFO is no rom.
    QVERIFY(makeFile(m_install->path(QStringLiteral("elsewhere.gb"))));
    QVERIFY(QFile::link(m_install->path(QStringLiteral("elsewhere.gb")),
                        QDir(dir).filePath(QStringLiteral("Linked.gb"))));
    QCOMPARE(mkfifo(QFile::encodeName(QDir(dir).filePath(QStringLiteral("pipe.gb"))).constData(), 0600), 0);
    FrmMain *main = start();
    QVERIFY(main);

    QTest::mouseClick(main->ui.CmdScanRoms, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Add 8 new roms to the Gameboy catalogue?"));

    // Stored in the list's order, each named after its file without the last extension.
    const QStringList names = {
        QStringLiteral("  blank  name "), QStringLiteral("archive.tar"),
        QStringLiteral("Linked"),         QStringLiteral("Mario's \"Quest\" (v1)"),
        QStringLiteral("NOEXT"),          QString::fromUtf8("Pok\u00e9mon \u00dcn\u00efcode"),
        QStringLiteral("ZELDA"),          QString::fromUtf8("\u30dd\u30b1\u30e2\u30f3 \u91d1"),
    };
    QCOMPARE(storedNames(*m_install), QStringList{QStringLiteral("Tetris")} + names);
    const QVariantList links = m_install->column(gameboy,
                                                 QStringLiteral("SELECT Link FROM giochi WHERE rowid > 1"));
    QCOMPARE(links.size(), names.size());
    QCOMPARE(links[3].toString(), QStringLiteral("Mario's \"Quest\" (v1).gb"));
    QCOMPARE(links[6].toString(), QStringLiteral("ZELDA.gb"));
    QCOMPARE(m_install->column(gameboy, QStringLiteral("SELECT DISTINCT EmuName FROM giochi WHERE rowid > 1")),
             QVariantList{QStringLiteral("Alpha Emu")});

    // The list and its counts are refreshed and the first new game is shown.
    QCOMPARE(listedGames(main).size(), 9);
    QCOMPARE(main->ui.StatusBar1->text(2), QStringLiteral("All Games : 9  "));
    QCOMPARE(Globale::state().CurrentGame, names[0]);
    QCOMPARE(main->ui.LabGame->text(), names[0]);
    QCOMPARE(main->ui.LstGames->selectedIndex().data().toString(), names[0]);
    // In large icons every entry keeps room for a picture and its name, even though the
    // new games at the end of the list have no picture.
    QAbstractItemView *icons = main->ui.LstGames->view();
    const int room = 32 + icons->fontMetrics().height();
    for (int row = 0; row < 9; ++row)
        QVERIFY2(icons->visualRect(icons->model()->index(row, 0)).height() >= room,
                 qPrintable(QString::number(row)));

    // A second scan finds nothing new.
    QTest::mouseClick(main->ui.CmdScanRoms, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 2);
    QCOMPARE(m_dialogs.shown[1].icon, Dialogs::Icon::Information);
    QCOMPARE(m_dialogs.shown[1].text,
             QStringLiteral("No new roms: every file of the games folder is already in the Gameboy catalogue."));
    QCOMPARE(gameRows(*m_install), 9);
}

void TestScanRoms::addsNothing_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<int>("messages");
    QTest::addColumn<Dialogs::Icon>("icon");
    QTest::addColumn<QString>("text"); // what the last message says, in part
    QTest::newRow("answered Cancel") << "cancel" << 1 << Dialogs::Icon::Question << "Add 3 new roms";
    QTest::newRow("empty folder") << "empty" << 1 << Dialogs::Icon::Information << "No new roms";
    QTest::newRow("no folder") << "no folder" << 1 << Dialogs::Icon::Warning << "cannot be read";
    // The database refuses the second row: the first is not kept either.
    QTest::newRow("a row refused") << "refused" << 2 << Dialogs::Icon::Critical << "b.gb: refused here";
}

void TestScanRoms::addsNothing()
{
    QFETCH(QString, situation);
    QFETCH(int, messages);
    QFETCH(Dialogs::Icon, icon);
    QFETCH(QString, text);
    const QString dir = gamesDir(*m_install);
    if (situation == QLatin1String("no folder")) {
        QVERIFY(QDir(dir).removeRecursively());
    } else if (situation != QLatin1String("empty")) {
        for (const char *file : {"a.gb", "b.gb", "c.gb"})
            QVERIFY(makeFile(QDir(dir).filePath(QLatin1String(file))));
    }
    if (situation == QLatin1String("refused")) {
        QVERIFY(m_install->exec(gameboy, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON giochi"
                                                        " WHEN NEW.Link = 'b.gb'"
                                                        " BEGIN SELECT RAISE(ABORT, 'refused here'); END")));
    }
    if (situation == QLatin1String("cancel"))
        m_dialogs.queueAnswers({false});
    FrmMain *main = start();
    QVERIFY(main);
    const QStringList before = listedGames(main);

    QTest::mouseClick(main->ui.CmdScanRoms, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), messages);
    QCOMPARE(m_dialogs.shown.last().icon, icon);
    QVERIFY2(m_dialogs.shown.last().text.contains(text), qPrintable(m_dialogs.shown.last().text));
    QCOMPARE(gameRows(*m_install), 0);
    QCOMPARE(listedGames(main), before);
}

// A game made by "Add Rom", a file and "Save Modify" and one made by the scan differ
// only in their name and file.
void TestScanRoms::storesWhatAddRomStores()
{
    FrmMain *main = start();
    QVERIFY(main);
    QVERIFY(makeFile(QDir(gamesDir(*m_install)).filePath(QStringLiteral("by hand.gb"))));
    QTest::mouseClick(main->ui.Command9, Qt::LeftButton);
    QVERIFY(main->chooser());
    clickFile(main->chooser(), QStringLiteral("by hand.gb"));
    QTRY_VERIFY(!main->chooser());
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);
    QCOMPARE(gameRows(*m_install), 1);

    QVERIFY(makeFile(QDir(gamesDir(*m_install)).filePath(QStringLiteral("scanned.gb"))));
    QTest::mouseClick(main->ui.CmdScanRoms, Qt::LeftButton);
    QCOMPARE(gameRows(*m_install), 2);
    const QStringList columns = {"Anno",     "Screen",   "Times",   "Genre",  "Producer", "Rating",
                                 "Colour",   "Language", "Sound",   "Data",   "DataAdd",  "Notes",
                                 "Playable", "EmuName",  "Players", "Region", "Serial",   "Favorites"};
    for (const QString &column : columns) {
        const QVariantList values = m_install->column(
            gameboy, QStringLiteral("SELECT typeof(%1) || ':' || ifnull(%1, '') FROM giochi").arg(column));
        QCOMPARE(values.size(), 2);
        QVERIFY2(values[0] == values[1], qPrintable(column + QLatin1String(": ") + values[0].toString()
                                                    + QLatin1String(" / ") + values[1].toString()));
    }
}

void TestScanRoms::thousandsShownUnderAnyFilter()
{
    const QDir dir(gamesDir(*m_install));
    for (int i = 1; i <= 1234; ++i)
        QVERIFY(makeFile(dir.filePath(QStringLiteral("rom %1.gb").arg(i, 4, 10, QLatin1Char('0')))));
    FrmMain *main = start();
    QVERIFY(main);
    QTest::mouseClick(main->ui.OptFavorite, Qt::LeftButton);
    typeText(main->ui.TxtSearch, QStringLiteral("rom 000"));

    QTest::mouseClick(main->ui.CmdScanRoms, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Add 1,234 new roms to the Gameboy catalogue?"));
    QCOMPARE(gameRows(*m_install), 1234);
    // The new games are no favourites: the whole list is shown, the search still applied.
    QVERIFY(main->ui.OptAll->isChecked());
    QCOMPARE(main->ui.TxtSearch->text(), QStringLiteral("rom 000"));
    QCOMPARE(main->ui.LabSearchCount->text(), QStringLiteral("9 of 1,234"));
    QCOMPARE(main->ui.StatusBar1->text(2), QStringLiteral("All Games : 1234  "));
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("rom 0001"));
    QCOMPARE(main->ui.LstGames->selectedIndex().row(), 0);

    // Scanned again, every one of them is found linked.
    QTest::mouseClick(main->ui.CmdScanRoms, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 2);
    QVERIFY2(m_dialogs.shown[1].text.startsWith(QStringLiteral("No new roms")),
             qPrintable(m_dialogs.shown[1].text));
    QCOMPARE(gameRows(*m_install), 1234);
}

QTEST_MAIN(TestScanRoms)
#include "tst_scanroms.moc"
