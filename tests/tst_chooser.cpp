// The file chooser: its lists (pattern without regard to case, files only), and the
// window opened from the record view, where one click on a file carries out the purpose
// of the last opening and closing it without a click changes nothing.
#include "frontend/frmbrowser.h"
#include "frontend/frmmain.h"
#include "frontend/globale.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/filelists.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void clickEntry(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
}

bool makeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

} // namespace

class TestChooser : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dialogs = ScriptedDialogs(); }
    void cleanup() { closeFrontEnd(); }
    void patternIgnoresCaseAndListsFilesOnly_data();
    void patternIgnoresCaseAndListsFilesOnly();
    void directoryClickShowsItsFiles();
    void clickActsByPurpose_data();
    void clickActsByPurpose();
    void closingWithoutAClickChangesNothing();
    void reopeningReusesTheWindow();
    void reopeningRightAfterClosingGivesAWindowThatStays();
    void missingRegistryIsReportedAndTheWindowOpens();

private:
    FrmMain *startWithGame(TestInstall &install);
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

// An installation showing the game "Shown Game" (rom "shown.gb"), with two rom files.
FrmMain *TestChooser::startWithGame(TestInstall &install)
{
    if (!install.exec(TestInstall::gameboyDb(),
                      QStringLiteral("INSERT INTO giochi (Gioco, Link) VALUES ('Shown Game', 'shown.gb')"))
        || !makeFile(install.path(QStringLiteral("console/gameboy/games/shown.gb")))
        || !makeFile(install.path(QStringLiteral("console/gameboy/games/Picked Rom.GB"))))
        return nullptr;
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    if (!main)
        return nullptr;
    if (main->DatGames.databaseName().isEmpty()) { // no list fill has bound it yet
        main->DatGames.setDatabaseName(Globale::state().ConsoleDb);
        main->DatGames.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
    }
    Globale::state().CurrentGame = QStringLiteral("Shown Game");
    main->ShowGameRecord();
    return main;
}

void TestChooser::patternIgnoresCaseAndListsFilesOnly_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("*.*") << QStringLiteral("*.*")
                         << QStringList{QStringLiteral("b.gb"), QStringLiteral("notes.txt"),
                                        QStringLiteral("README"), QStringLiteral("ROM.GB")};
    QTest::newRow("*.gb") << QStringLiteral("*.gb")
                          << QStringList{QStringLiteral("b.gb"), QStringLiteral("ROM.GB")};
    QTest::newRow("exact name") << QStringLiteral("readme") << QStringList{QStringLiteral("README")};
    QTest::newRow("two patterns") << QStringLiteral("*.txt;*.GB")
                                  << QStringList{QStringLiteral("b.gb"), QStringLiteral("notes.txt"),
                                                 QStringLiteral("ROM.GB")};
}

void TestChooser::patternIgnoresCaseAndListsFilesOnly()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, files);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const char *name : {"ROM.GB", "b.gb", "notes.txt", "README"})
        QVERIFY(makeFile(dir.filePath(QLatin1String(name))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.gb")));
    FileLists lists;
    QVERIFY(lists.setPath(dir.path()));
    lists.setPattern(pattern);
    QCOMPARE(entries(lists.File1), files);
    QCOMPARE(entries(lists.Dir1), (QStringList{QStringLiteral(".."), QStringLiteral("folder.gb")}));
}

void TestChooser::directoryClickShowsItsFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("roms")));
    QVERIFY(makeFile(dir.filePath(QStringLiteral("roms/inside.gb"))));
    QVERIFY(makeFile(dir.filePath(QStringLiteral("outside.gb"))));
    FileLists lists;
    lists.resize(400, 300);
    lists.show();
    QVERIFY(lists.setPath(dir.path()));
    QCOMPARE(entries(lists.File1), QStringList{QStringLiteral("outside.gb")});
    clickEntry(lists.Dir1, QStringLiteral("roms"));
    QCOMPARE(entries(lists.File1), QStringList{QStringLiteral("inside.gb")});
    clickEntry(lists.Dir1, QStringLiteral(".."));
    QCOMPARE(entries(lists.File1), QStringList{QStringLiteral("outside.gb")});
}

void TestChooser::clickActsByPurpose_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("name");
    QTest::newRow("10: new game") << QStringLiteral("Command9") << QStringLiteral("Picked Rom.GB")
                                  << QStringLiteral("Picked Rom.GB");
    QTest::newRow("100: shown game") << QStringLiteral("TxtRom") << QStringLiteral("Picked Rom.GB")
                                     << QStringLiteral("Shown Game");
}

void TestChooser::clickActsByPurpose()
{
    QFETCH(QString, opener);
    QFETCH(QString, rom);
    QFETCH(QString, name);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    FrmMain *main = startWithGame(install);
    QVERIFY(main);
    QTest::mouseClick(main->findChild<QWidget *>(opener), Qt::LeftButton);
    QPointer<FrmBrowser> chooser = main->findChild<FrmBrowser *>(QStringLiteral("FrmBrowser"));
    QVERIFY(chooser && chooser->isVisible());
    clickEntry(chooser->findChild<QListWidget *>(QStringLiteral("File1")), QStringLiteral("Picked Rom.GB"));

    QCOMPARE(main->ui.TxtRom->text(), rom);
    QCOMPARE(main->ui.LabGame->text(), name);
    QVERIFY(main->isVisible());
    QTRY_VERIFY(!chooser); // closed and deleted
}

void TestChooser::closingWithoutAClickChangesNothing()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    FrmMain *main = startWithGame(install);
    QVERIFY(main);
    QTest::mouseClick(main->ui.TxtRom, Qt::LeftButton);
    QPointer<FrmBrowser> chooser = main->chooser();
    QVERIFY(chooser);
    chooser->close();
    QTRY_VERIFY(!chooser);
    QCOMPARE(main->ui.TxtRom->text(), QStringLiteral("shown.gb"));
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("Shown Game"));
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);
    QCOMPARE(install.scalar(TestInstall::gameboyDb(), QStringLiteral("SELECT Link FROM giochi")).toString(),
             QStringLiteral("shown.gb"));
}

// A second opening while the chooser is open: the same window, and the last caller's
// caption, directory and purpose apply.
void TestChooser::reopeningReusesTheWindow()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    FrmMain *main = startWithGame(install);
    QVERIFY(main);
    QTest::mouseClick(main->ui.TxtRom, Qt::LeftButton);
    FrmBrowser *first = main->chooser();
    QVERIFY(first);
    clickEntry(first->findChild<QListWidget *>(QStringLiteral("Dir1")), QStringLiteral(".."));
    QVERIFY(first->lists()->File1->findItems(QStringLiteral("Picked Rom.GB"), Qt::MatchExactly).isEmpty());

    QTest::mouseClick(main->ui.Command9, Qt::LeftButton);
    QCOMPARE(main->chooser(), first);
    QCOMPARE(main->findChildren<FrmBrowser *>().size(), 1);
    QCOMPARE(first->windowTitle(), QStringLiteral("Choose Rom File For : New Game "));
    QCOMPARE(Globale::state().ChooserPurpose, 10);
    clickEntry(first->lists()->File1, QStringLiteral("Picked Rom.GB"));
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("Picked Rom.GB"));
}

void TestChooser::reopeningRightAfterClosingGivesAWindowThatStays()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    FrmMain *main = startWithGame(install);
    QVERIFY(main);
    QTest::mouseClick(main->ui.TxtRom, Qt::LeftButton);
    QVERIFY(main->chooser());
    main->chooser()->close(); // deleted once the event loop runs
    QTest::mouseClick(main->ui.TxtRom, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main->chooser());
    QVERIFY(main->chooser()->isVisible());
    QCOMPARE(main->chooser()->windowTitle(), QStringLiteral("Choose Rom File For Game : Shown Game"));
}

void TestChooser::missingRegistryIsReportedAndTheWindowOpens()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    const QString registry = install.path(QStringLiteral("pack/plugins.mdb"));
    QVERIFY(QFile::remove(registry));
    FrmMain *main = startWithGame(install);
    QVERIFY(main);
    m_dialogs.shown.clear(); // the start-up reports it once already
    QTest::mouseClick(main->ui.TxtRom, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QCOMPARE(m_dialogs.shown[0].text,
             QStringLiteral("File ") + registry + QStringLiteral(" Not Found! Bad Ludora4 Installation"));
    QVERIFY(main->chooser() && main->chooser()->isVisible());
    clickEntry(main->chooser()->lists()->File1, QStringLiteral("Picked Rom.GB"));
    QCOMPARE(main->ui.TxtRom->text(), QStringLiteral("Picked Rom.GB"));
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
