// "Import gamelist…" on the "Info" page: the chooser in the games folder, the question, the
// summary and the list that follows; a Cancel, to the question or to the progress, stores
// nothing.
#include "frontend/globale.h"
#include "tests/support/comboentries.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString gameboy = TestInstall::gameboyDb();
const QString question = QStringLiteral(
    "Import 3 games from gamelist.xml: 1 new, 1 to update, 1 without a rom in the games folder?");

} // namespace

class TestGamelistImport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void importsAfterTheQuestion();
    void cancelStoresNothing_data();
    void cancelStoresNothing();

private:
    QMainWindow *chooseGamelist();
    QStringList stored();

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

void TestGamelistImport::init()
{
    m_dialogs.shown.clear();
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    QVERIFY(m_install->addEmulator(QStringLiteral("Alpha Emu"), QStringLiteral("alpha")));
    QVERIFY(m_install->addGame(QStringLiteral("Zelda"), {{QStringLiteral("Link"), QStringLiteral("zelda.gb")}}));
    const QString games = m_install->path(QStringLiteral("console/gameboy/games/"));
    for (const char *rom : {"tetris.gb", "zelda.gb"})
        QVERIFY(writeFile(games + QLatin1String(rom)));
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QVERIFY(picture.save(games + QStringLiteral("tetris.png")));
    QVERIFY(writeFile(games + QStringLiteral("gamelist.xml"),
                      "<?xml version=\"1.0\"?>\n<gameList>\n"
                      "<game><path>/home/pi/RetroPie/roms/gb/Tetris.gb</path><name>Tetris &amp; Co</name>"
                      "<genre>Brick Stacking</genre><developer>Blocks Inc</developer>"
                      "<image>./tetris.png</image></game>\n"
                      "<game><path>./zelda.gb</path><desc>Notes</desc></game>\n"
                      "<game><path>./gone.gb</path><name>Gone</name></game>\n</gameList>\n"));
}

void TestGamelistImport::cleanup()
{
    closeFrontEnd();
    m_install.reset();
}

// Starts the front-end and picks gamelist.xml in the chooser the button opens.
QMainWindow *TestGamelistImport::chooseGamelist()
{
    QMainWindow *main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    if (!main)
        return nullptr;
    m_dialogs.shown.clear();
    clickOn(main, QStringLiteral("CmdImportGamelist"));
    if (!openChooser()
        || entries(openChooser(), QStringLiteral("File1")) != QStringList{QStringLiteral("gamelist.xml")}
        || !clickFile(QStringLiteral("gamelist.xml")))
        return nullptr;
    return main;
}

QStringList TestGamelistImport::stored()
{
    QStringList rows;
    for (const QVariant &row :
         m_install->column(gameboy, QStringLiteral("SELECT Gioco || '|' || ifnull(Notes, '') || '|' || "
                                                   "ifnull(Screen, '') FROM giochi ORDER BY Gioco")))
        rows.append(row.toString());
    return rows;
}

void TestGamelistImport::importsAfterTheQuestion()
{
    QMainWindow *main = chooseGamelist();
    QVERIFY(main);
    QCOMPARE(shownText(main, QStringLiteral("CmdImportGamelist")), QString::fromUtf8("Import gamelist\u2026"));

    QTRY_COMPARE(m_dialogs.shown.size(), 2);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].text, question);
    QCOMPARE(m_dialogs.shown[1].icon, Dialogs::Icon::Information);
    QCOMPARE(m_dialogs.shown[1].text,
             QStringLiteral("1 games added, 1 updated, 0 unchanged, 1 skipped (1 without a rom in the games "
                            "folder), 1 pictures made"));
    QCOMPARE(stored(), (QStringList{QStringLiteral("Tetris & Co||tetris.gif"), QStringLiteral("Zelda|Notes|")}));
    // The list and its counts follow, the new game shown.
    QCOMPARE(listedGames(main), (QStringList{QStringLiteral("Tetris & Co"), QStringLiteral("Zelda")}));
    QCOMPARE(panelText(main, 2), QStringLiteral("All Games : 2  "));
    QCOMPARE(shownText(main, QStringLiteral("LabGame")), QStringLiteral("Tetris & Co"));
    // The record's lists hold the genre and producer the import added.
    QVERIFY(comboEntries(main, "CmbGenre").contains(QStringLiteral("Brick Stacking")));
    QVERIFY(comboEntries(main, "CmbProducer").contains(QStringLiteral("Blocks Inc")));
    QCOMPARE(shownText(main, QStringLiteral("CmbGenre")), QStringLiteral("Brick Stacking"));

    // Again: nothing left to import, and nothing asked.
    clickOn(main, QStringLiteral("CmdImportGamelist"));
    QVERIFY(clickFile(QStringLiteral("gamelist.xml")));
    QTRY_COMPARE(m_dialogs.shown.size(), 3);
    QCOMPARE(m_dialogs.shown[2].icon, Dialogs::Icon::Information);
    QVERIFY2(m_dialogs.shown[2].text.startsWith(
                 QStringLiteral("Nothing to import from gamelist.xml: 0 games to add")),
             qPrintable(m_dialogs.shown[2].text));
}

void TestGamelistImport::cancelStoresNothing_data()
{
    QTest::addColumn<bool>("atQuestion"); // else Cancel on the progress of the store
    QTest::newRow("Cancel to the question") << true;
    QTest::newRow("Cancel while storing") << false;
}

void TestGamelistImport::cancelStoresNothing()
{
    QFETCH(bool, atQuestion);
    const QStringList before = stored();
    if (atQuestion)
        m_dialogs.queueAnswers({false});
    // Answering the question starts the store; its progress then meets a person's Cancel.
    QTimer canceller;
    canceller.setInterval(0);
    connect(&canceller, &QTimer::timeout, this, [] {
        QMainWindow *main = Globale::mainWindow();
        auto *progress = main ? main->findChild<QProgressDialog *>(QStringLiteral("FrmGamelistProgress"))
                              : nullptr;
        if (progress && progress->value() > 0)
            progress->findChild<QPushButton *>()->click();
    });
    if (!atQuestion)
        m_dialogs.onNextMessage([&canceller] { canceller.start(); });
    QMainWindow *main = chooseGamelist();
    QVERIFY(main);

    QTRY_COMPARE(m_dialogs.shown.size(), atQuestion ? 1 : 2);
    QCOMPARE(m_dialogs.shown[0].text, question);
    if (!atQuestion)
        QCOMPARE(m_dialogs.shown[1].text, QStringLiteral("The import was cancelled: nothing was stored."));
    QCOMPARE(stored(), before);
    QCOMPARE(QDir(m_install->path(QStringLiteral("console/gameboy/screen")))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(listedGames(main), QStringList{QStringLiteral("Zelda")});
}

QTEST_MAIN(TestGamelistImport)
#include "tst_gamelistimport.moc"
