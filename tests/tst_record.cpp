// The record view on the real main window: the pictures that follow a record, and the
// editing commands (save, delete, add a game through the chooser, add a producer, reset),
// checked against what the console database holds afterwards.
#include "frontend/frmbrowser.h"
#include "frontend/frmmain.h"
#include "frontend/gamelistmodel.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "shared/gamedates.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/filelists.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>

namespace {

const QString gameboy = TestInstall::gameboyDb();
const QString amiga = QStringLiteral("\\database\\amiga.mdb");
const QString allGames = QStringLiteral("SELECT * from giochi order by [gioco]");

bool addEmulators(TestInstall &install, const QString &database = gameboy)
{
    return install.exec(database, QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) "
                                                 "VALUES ('Alpha Emu', 'alpha', '1'), ('Beta Emu', 'beta', '1')"));
}

// Shows a game as a selection in the game list does.
void showGame(FrmMain *main, const QString &name)
{
    if (main->DatGames.databaseName().isEmpty()) { // no list fill has bound it yet
        main->DatGames.setDatabaseName(Globale::state().ConsoleDb);
        main->DatGames.setRecordSource(allGames);
    }
    Globale::state().CurrentGame = name;
    main->ShowGameRecord();
}

void replaceText(QWidget *edit, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(edit))
        line->selectAll();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(edit))
        plain->selectAll();
    QTest::keyClicks(edit, text);
}

void typeInto(QComboBox *combo, const QString &text) { replaceText(combo->lineEdit(), text); }

void clickFile(FrmBrowser *chooser, const QString &name)
{
    QListWidget *files = chooser->findChild<QListWidget *>(QStringLiteral("File1"));
    QVERIFY(files);
    const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found[0]).center());
}

bool makeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

// Another program's exclusive hold on a database file, let go at the latest on destruction.
class FileLock {
public:
    ~FileLock() { release(); }
    bool take(const QString &file)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (!db.open()) {
            m_error = db.lastError().text();
            return false;
        }
        QSqlQuery begin(db);
        const bool taken = begin.exec(QStringLiteral("BEGIN EXCLUSIVE"));
        m_error = begin.lastError().text();
        return taken;
    }
    void release()
    {
        if (!QSqlDatabase::contains(name))
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    QString error() const { return m_error; }

private:
    const QString name = QStringLiteral("another program");
    QString m_error;
};

} // namespace

class TestRecord : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dialogs = ScriptedDialogs(); }
    void cleanup() { closeFrontEnd(); }
    void picturesFollowTheRecord_data();
    void picturesFollowTheRecord();
    void unknownGameKeepsTheRowTheSourceStandsOn();
    void saveModifyStoresEveryBoundControl();
    void deleteGameAsksFirst_data();
    void deleteGameAsksFirst();
    void addRomStoresAGameNamedAfterItsFile();
    void romChooserCaptions_data();
    void romChooserCaptions();
    void addNewProducer_data();
    void addNewProducer();
    void specialNamesAreShownAndStored_data();
    void specialNamesAreShownAndStored();
    void twoGamesOfOneNameShowTheFirst();
    void refusedSaveKeepsWhatWasTyped_data();
    void refusedSaveKeepsWhatWasTyped();
    void refusedDeleteOrProducerIsReported_data();
    void refusedDeleteOrProducerIsReported();
    void displayErrorGoesToPanelAndLog();

private:
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
};

void TestRecord::picturesFollowTheRecord_data()
{
    QTest::addColumn<QVariant>("rating");
    QTest::addColumn<QVariant>("playable");
    QTest::addColumn<int>("stars");
    QTest::addColumn<bool>("line");
    QTest::newRow("rating 0, not playable") << QVariant(0) << QVariant(0) << 0 << true;
    QTest::newRow("rating 3, playable") << QVariant(3) << QVariant(1) << 3 << false;
    QTest::newRow("rating 5, playable empty") << QVariant(5) << QVariant() << 5 << false;
    QTest::newRow("rating empty text") << QVariant(QStringLiteral("")) << QVariant(1) << 0 << false;
    QTest::newRow("rating null") << QVariant() << QVariant(0) << 0 << true;
    QTest::newRow("rating 9") << QVariant(9) << QVariant(1) << 0 << false;
    QTest::newRow("rating abc") << QVariant(QStringLiteral("abc")) << QVariant(1) << 0 << false;
    QTest::newRow("rating 2.5") << QVariant(2.5) << QVariant(1) << 3 << false;
    QTest::newRow("rating text 4.5") << QVariant(QStringLiteral("4.5")) << QVariant(1) << 5 << false;
}

void TestRecord::picturesFollowTheRecord()
{
    QFETCH(QVariant, rating);
    QFETCH(QVariant, playable);
    QFETCH(int, stars);
    QFETCH(bool, line);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    // A five-star game that does not work is shown first: every picture must follow the next.
    QVERIFY(install.addGame(QStringLiteral("Full Marks"), {{"Rating", 5}, {"Playable", 0}}));
    QVERIFY(install.addGame(QStringLiteral("Tested"), {{"Rating", rating}, {"Playable", playable}}));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Full Marks"));
    showGame(main, QStringLiteral("Tested"));

    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("Tested"));
    for (int i = 0; i < 5; ++i) {
        QWidget *star = main->findChild<QWidget *>(QStringLiteral("ImgStar2_%1").arg(i));
        QVERIFY(star);
        QCOMPARE(!star->isHidden(), i < stars);
    }
    QCOMPARE(!main->findChild<QWidget *>(QStringLiteral("ImgFavorites2"))->isHidden(), stars == 5);
    QVERIFY(!main->findChild<QWidget *>(QStringLiteral("ImgFavorites"))->isHidden());
    QCOMPARE(!main->findChild<QWidget *>(QStringLiteral("Line2"))->isHidden(), line);
    // The list's rating icon reads the rating by the same rule: picture = stars + 1.
    QTest::mouseClick(main->ui.OptIcon2, Qt::LeftButton);
    QCOMPARE(listedGames(main, GameListModel::PictureRole),
             QStringList({QStringLiteral("6"), QString::number(stars + 1)}));
}

void TestRecord::unknownGameKeepsTheRowTheSourceStandsOn()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.addGame(QStringLiteral("Beta"), {{"Rating", 2}}));
    QVERIFY(install.addGame(QStringLiteral("Alpha"), {{"Rating", 4}}));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Beta"));
    showGame(main, QStringLiteral("Not In The Table"));
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("Alpha")); // the first row of the query
    QCOMPARE(main->ui.TxtRating->currentText(), QStringLiteral("4"));
    QVERIFY(main->ui.Text7->toPlainText().isEmpty());
}

void TestRecord::saveModifyStoresEveryBoundControl()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(addEmulators(install));
    QVERIFY(install.addGame(QStringLiteral("Old Name"), {{"Anno", "1985"},
                                                         {"Genre", "Action"},
                                                         {"Language", "English"},
                                                         {"Producer", "Bitforge"},
                                                         {"Rating", 2},
                                                         {"EmuName", "Alpha Emu"},
                                                         {"Screen", "old.gif"},
                                                         {"Link", "old.gb"},
                                                         {"Playable", 0},
                                                         {"Favorites", 1},
                                                         {"Colour", 0},
                                                         {"Sound", 1},
                                                         {"Times", 7},
                                                         {"Data", "01/02/2004"},
                                                         {"DataAdd", "03/04/2003"},
                                                         {"Notes", "old notes"}}));
    QVERIFY(makeFile(install.path(QStringLiteral("console/gameboy/games/other.gb"))));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Old Name"));
    QCOMPARE(main->ui.TxtTimes->text(), QStringLiteral("7"));

    replaceText(main->ui.LabGame, QStringLiteral("New Name"));
    typeInto(main->ui.TxtYear, QStringLiteral("1990"));
    typeInto(main->ui.CmbGenre, QStringLiteral("Puzzle"));
    typeInto(main->ui.CmbLanguage, QStringLiteral("French"));
    typeInto(main->ui.CmbProducer, QStringLiteral("Neon Owl"));
    typeInto(main->ui.TxtRating, QStringLiteral("4"));
    typeInto(main->ui.CmbEmulatore, QStringLiteral("Beta Emu"));
    for (QCheckBox *check : {main->ui.ChkPlayable, main->ui.ChkFavorite, main->ui.ChkColour, main->ui.ChkSound})
        QTest::mouseClick(check, Qt::LeftButton);
    QTest::mouseClick(main->ui.Command10, Qt::LeftButton); // Reset
    QTest::mouseClick(main->ui.TxtRom, Qt::LeftButton);
    QVERIFY(main->chooser());
    clickFile(main->chooser(), QStringLiteral("other.gb"));
    main->ui.Label19->setText(QStringLiteral("new.gif")); // the screenshot chooser's result
    main->ui.TxtLastPlay->setText(QStringLiteral("05/06/2007"));
    main->ui.Label15->setText(QStringLiteral("08/09/2006"));
    replaceText(main->ui.TxtGameHelp, QStringLiteral("new notes"));
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);

    QVERIFY(m_dialogs.shown.isEmpty());
    const QList<std::pair<const char *, QVariant>> expected = {
        {"Gioco", "New Name"},
        {"Anno", "1990"},
        {"Genre", "Puzzle"},
        {"Language", "French"},
        {"Producer", "Neon Owl"},
        {"Rating", 4},
        {"EmuName", "Beta Emu"},
        {"Screen", "new.gif"},
        {"Link", "other.gb"},
        {"Playable", 1},
        {"Favorites", 0},
        {"Colour", 1},
        {"Sound", 0},
        {"Times", 0},
        {"Data", "05/06/2007"},
        {"DataAdd", "08/09/2006"},
        {"Notes", "new notes"},
    };
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 1);
    for (const auto &[column, value] : expected) {
        const QVariant stored = install.scalar(gameboy,
                                               QStringLiteral("SELECT %1 FROM giochi").arg(QLatin1String(column)));
        QVERIFY2(stored.toString() == value.toString(),
                 qPrintable(QStringLiteral("%1 = %2").arg(QLatin1String(column), stored.toString())));
    }
    QCOMPARE(listedGames(main), QStringList{QStringLiteral("New Name")});
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("New Name"));
}

void TestRecord::deleteGameAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("shown"); // selected and shown afterwards
    const QString alpha = QStringLiteral("Alpha"), beta = QStringLiteral("Beta's"),
                  gamma = QStringLiteral("Gamma");
    QTest::newRow("Cancel") << false << beta << QStringList{alpha, beta, gamma} << beta;
    QTest::newRow("OK, the next takes its place") << true << beta << QStringList{alpha, gamma} << gamma;
    QTest::newRow("OK on the last, the one before") << true << gamma << QStringList{alpha, beta} << beta;
}

void TestRecord::deleteGameAsksFirst()
{
    QFETCH(bool, answer);
    QFETCH(QString, deleted);
    QFETCH(QStringList, left);
    QFETCH(QString, shown);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    for (const QString name : {"Alpha", "Beta's", "Gamma"})
        QVERIFY(install.addGame(name));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    clickGame(main, listedGames(main).indexOf(deleted));
    QCOMPARE(main->ui.LabGame->text(), deleted);
    m_dialogs.shown.clear();
    m_dialogs.queueAnswers({answer});
    QTest::mouseClick(main->ui.CmdDeleteGame, Qt::LeftButton);

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Question);
    QCOMPARE(m_dialogs.shown[0].buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(m_dialogs.shown[0].title, deleted);
    QCOMPARE(m_dialogs.shown[0].text, QStringLiteral("Delete This Game?"));
    QStringList stored;
    for (const QVariant &name : install.column(gameboy, QStringLiteral("SELECT Gioco FROM giochi ORDER BY Gioco")))
        stored.append(name.toString());
    QCOMPARE(stored, left);
    QCOMPARE(listedGames(main), left);
    QCOMPARE(main->ui.LabGame->text(), shown);
    QCOMPARE(main->ui.LstGames->selectedIndex().data().toString(), shown);
    QCOMPARE(main->ui.StatusBar1->text(2), QStringLiteral("All Games : %1  ").arg(left.size()));
}

void TestRecord::addRomStoresAGameNamedAfterItsFile()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(addEmulators(install));
    QVERIFY(install.addGame(QStringLiteral("Existing"), {{"EmuName", "Beta Emu"},
                                                         {"Link", "existing.gb"},
                                                         {"Rating", 5},
                                                         {"Playable", 0},
                                                         {"Screen", "existing.gif"}}));
    QVERIFY(makeFile(install.path(QStringLiteral("console/gameboy/games/New Hero.gb"))));
    QImage screenshot(7, 5, QImage::Format_RGB32);
    screenshot.fill(Qt::red);
    QVERIFY(screenshot.save(install.path(QStringLiteral("console/gameboy/screen/existing.gif")), "PNG"));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Existing"));
    QCOMPARE(main->ui.ImgSnap1->pixmap().size(), screenshot.size());

    const QDate before = QDate::currentDate();
    QTest::mouseClick(main->ui.Command9, Qt::LeftButton);
    const QDate after = QDate::currentDate();
    const QString added = main->ui.Label15->text();
    QVERIFY2(added == GameDates::added(before) || added == GameDates::added(after), qPrintable(added));
    QCOMPARE(main->ui.CmbEmulatore->currentText(), QStringLiteral("Alpha Emu"));
    QVERIFY(main->ui.TxtRom->text().isEmpty());
    QVERIFY(main->ui.LabGame->text().isEmpty());
    // None of the previous game's pictures stay.
    for (const char *picture : {"ImgStar2_0", "ImgStar2_4", "ImgFavorites2", "Line2"})
        QVERIFY2(main->findChild<QWidget *>(QLatin1String(picture))->isHidden(), picture);
    QVERIFY(main->ui.ImgSnap1->pixmap().size() != screenshot.size());
    FrmBrowser *chooser = main->chooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Choose Rom File For : New Game "));
    QCOMPARE(Globale::state().ChooserPurpose, 10);

    // Saved before a file gave it a name: refused, and the new game waits for its file.
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Warning!"));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 1);
    QCOMPARE(main->DatGames.editMode(), DataSource::EditMode::AddNew);
    m_dialogs.shown.clear();

    clickFile(chooser, QStringLiteral("New Hero.gb"));
    QTRY_VERIFY(!main->chooser());
    QCOMPARE(main->ui.TxtRom->text(), QStringLiteral("New Hero.gb"));
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("New Hero.gb"));
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);

    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 2);
    const QString row = QStringLiteral(" FROM giochi WHERE Gioco = 'New Hero.gb'");
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Link") + row).toString(),
             QStringLiteral("New Hero.gb"));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT DataAdd") + row).toString(), added);
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT EmuName") + row).toString(),
             QStringLiteral("Alpha Emu"));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Times") + row), QVariant(qlonglong(0)));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Rating") + row), QVariant(qlonglong(0)));
    // The list is filled again and the new game is selected and shown.
    QCOMPARE(listedGames(main), (QStringList{QStringLiteral("Existing"), QStringLiteral("New Hero.gb")}));
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("New Hero.gb"));
    QCOMPARE(main->ui.LstGames->selectedIndex().data().toString(), QStringLiteral("New Hero.gb"));
    QCOMPARE(main->ui.StatusBar1->text(2), QStringLiteral("All Games : 2  "));
}

void TestRecord::romChooserCaptions_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("purpose");
    QTest::newRow("gameboy, Add Rom") << QStringLiteral("gameboy.mdb") << QStringLiteral("Command9")
                                      << QStringLiteral("Choose Rom File For : New Game ") << 10;
    QTest::newRow("gameboy, rom file") << QStringLiteral("gameboy.mdb") << QStringLiteral("TxtRom")
                                       << QStringLiteral("Choose Rom File For Game : Shown Game") << 100;
    QTest::newRow("amiga, Add Rom") << QStringLiteral("amiga.mdb") << QStringLiteral("Command9")
                                    << QStringLiteral("Choose Config File For : New Game ") << 10;
    QTest::newRow("amiga, rom file") << QStringLiteral("amiga.mdb") << QStringLiteral("TxtRom")
                                     << QStringLiteral("Choose Config File For Game : Shown Game") << 100;
}

void TestRecord::romChooserCaptions()
{
    QFETCH(QString, database);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(int, purpose);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Database = ?"), {database}));
    const QString file = QStringLiteral("\\database\\") + database;
    QVERIFY(install.addGame(QStringLiteral("Shown Game"), {{"Link", "shown.cfg"}}, file));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Shown Game"));
    QTest::mouseClick(main->findChild<QWidget *>(button), Qt::LeftButton);

    FrmBrowser *chooser = main->chooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->objectName(), QStringLiteral("FrmBrowser"));
    QCOMPARE(chooser->windowTitle(), caption);
    QCOMPARE(Globale::state().ChooserPurpose, purpose);
    QCOMPARE(chooser->lists()->pattern(), QStringLiteral("*.*"));
    QCOMPARE(QDir(chooser->lists()->path()).canonicalPath(), QDir(Globale::state().GamesDir).canonicalPath());
    QCOMPARE(main->ui.TxtRom->text(), purpose == 10 ? QString() : QStringLiteral("shown.cfg"));
}

// A new name is stored and listed in order; a listed one (in any case) or a blank one is
// not stored again: the listed entry is chosen, or the text is left as typed.
void TestRecord::addNewProducer_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QString>("chosen"); // shown afterwards, and stored with the game
    QTest::newRow("sorts first") << QStringLiteral("Aardvark Games") << true << QStringLiteral("Aardvark Games");
    QTest::newRow("already listed") << QStringLiteral("Neon Owl") << false << QStringLiteral("Neon Owl");
    QTest::newRow("listed in another case") << QStringLiteral("nEON oWL") << false << QStringLiteral("Neon Owl");
    QTest::newRow("blanks") << QStringLiteral("   ") << false << QStringLiteral("   ");
}

void TestRecord::addNewProducer()
{
    QFETCH(QString, typed);
    QFETCH(bool, added);
    QFETCH(QString, chosen);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.addGame(QStringLiteral("Shown Game"), {{"Producer", "Bitforge"}}));
    const int before =
        install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM publisher")).toInt();
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Shown Game"));
    typeInto(main->ui.CmbProducer, typed);
    QTest::mouseClick(main->ui.CmdAddPro, Qt::LeftButton);

    QVERIFY(m_dialogs.shown.isEmpty());
    const int after = before + (added ? 1 : 0);
    QCOMPARE(install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM publisher")).toInt(),
             after);
    QComboBox *list = main->ui.CmbProducer;
    QCOMPARE(list->count(), after);
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->itemText(i));
    QStringList sorted = entries;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(entries, sorted);
    const auto sameName = [&typed](const QString &entry) {
        return entry.compare(typed, Qt::CaseInsensitive) == 0;
    };
    QCOMPARE(int(std::count_if(entries.cbegin(), entries.cend(), sameName)), typed.trimmed().isEmpty() ? 0 : 1);
    QCOMPARE(list->currentText(), chosen);

    QTest::mouseClick(main->ui.Command8, Qt::LeftButton); // the game's producer goes with the record
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Producer FROM giochi")).toString(), chosen);
}

void TestRecord::specialNamesAreShownAndStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quote") << QStringLiteral("Kiki's Cloud Ranch");
    QTest::newRow("accented") << QStringLiteral("Château Fantôme");
    QTest::newRow("japanese") << QStringLiteral("ドラゴン・クエスト");
}

void TestRecord::specialNamesAreShownAndStored()
{
    QFETCH(QString, name);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.addGame(QStringLiteral("Aaa Other"), {{"Notes", "other"}}));
    QVERIFY(install.addGame(name, {{"Notes", "before"}, {"Rating", 3}}));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, name);
    QCOMPARE(main->ui.LabGame->text(), name);
    QCOMPARE(main->ui.TxtGameHelp->toPlainText(), QStringLiteral("before"));
    replaceText(main->ui.TxtGameHelp, QStringLiteral("after"));
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);

    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(
        install.scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi WHERE Gioco <> 'Aaa Other'")).toString(),
        QStringLiteral("after"));
    QCOMPARE(
        install.scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi WHERE Gioco = 'Aaa Other'")).toString(),
        QStringLiteral("other"));
    QCOMPARE(main->ui.LabGame->text(), name); // shown again after the refill
}

void TestRecord::twoGamesOfOneNameShowTheFirst()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.addGame(QStringLiteral("Twin"), {{"Notes", "first"}}));
    QVERIFY(install.addGame(QStringLiteral("twin"), {{"Notes", "second"}}));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Twin"));
    QCOMPARE(main->ui.TxtGameHelp->toPlainText(), QStringLiteral("first"));
    replaceText(main->ui.TxtGameHelp, QStringLiteral("changed"));
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Notes FROM giochi ORDER BY rowid")),
             (QVariantList{QStringLiteral("changed"), QStringLiteral("second")}));
}

void TestRecord::refusedSaveKeepsWhatWasTyped_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("read-only file") << QStringLiteral("read-only");
    QTest::newRow("locked by another program") << QStringLiteral("locked");
    QTest::newRow("row refused by the database") << QStringLiteral("refused");
}

void TestRecord::refusedSaveKeepsWhatWasTyped()
{
    QFETCH(QString, cause);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.addGame(QStringLiteral("Kept"), {{"Notes", "stored"}}));
    const QString file = install.path(QStringLiteral("database/gameboy.mdb"));
    if (cause == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QFile probe(file);
        if (probe.open(QIODevice::ReadWrite))
            QSKIP("this user may write a read-only file (root): the store is not refused");
    } else if (cause == QLatin1String("refused")) {
        QVERIFY(install.exec(gameboy, QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON giochi "
                                                     "BEGIN SELECT RAISE(ABORT, 'refused by a rule'); END")));
    }
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Kept"));

    FileLock lock;
    if (cause == QLatin1String("locked")) {
        // The program's connection gives up quickly while another one holds the file.
        QSqlQuery(DataSource::connection(Globale::state().ConsoleDb, nullptr))
            .exec(QStringLiteral("PRAGMA busy_timeout = 50"));
        QVERIFY2(lock.take(file), qPrintable(lock.error()));
    }
    replaceText(main->ui.LabGame, QStringLiteral("Typed Name"));
    replaceText(main->ui.TxtGameHelp, QStringLiteral("typed notes"));
    m_dialogs.shown.clear();
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("ERROR!"));
    QVERIFY2(m_dialogs.shown[0].text.contains(QStringLiteral("gameboy.mdb")), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(main->ui.LabGame->text(), QStringLiteral("Typed Name"));
    QCOMPARE(main->ui.TxtGameHelp->toPlainText(), QStringLiteral("typed notes"));

    lock.release();
    QCOMPARE(install.column(gameboy, QStringLiteral("SELECT Gioco FROM giochi")),
             QVariantList{QStringLiteral("Kept")});
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi")).toString(),
             QStringLiteral("stored"));

    // Once the cause is gone, the same save stores what was typed.
    if (cause == QLatin1String("refused"))
        QVERIFY(install.exec(gameboy, QStringLiteral("DROP TRIGGER refuse")));
    m_dialogs.shown.clear();
    QTest::mouseClick(main->ui.Command8, Qt::LeftButton);
    QVERIFY(m_dialogs.shown.isEmpty());
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Notes FROM giochi")).toString(),
             QStringLiteral("typed notes"));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT Gioco FROM giochi")).toString(),
             QStringLiteral("Typed Name"));
}

void TestRecord::refusedDeleteOrProducerIsReported_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("trigger");
    QTest::newRow("Delete Game") << QStringLiteral("CmdDeleteGame") << gameboy
                                 << QStringLiteral("BEFORE DELETE ON giochi");
    QTest::newRow("Add New Producer") << QStringLiteral("CmdAddPro") << TestInstall::masterDb()
                                      << QStringLiteral("BEFORE INSERT ON publisher");
}

void TestRecord::refusedDeleteOrProducerIsReported()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QString, trigger);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.addGame(QStringLiteral("Kept")));
    QVERIFY(install.exec(file, QStringLiteral(
                                   "CREATE TRIGGER refuse %1 BEGIN SELECT RAISE(ABORT, 'refused by a rule'); END")
                                   .arg(trigger)));
    const int producers =
        install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM publisher")).toInt();
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Kept"));
    typeInto(main->ui.CmbProducer, QStringLiteral("Typed Soft"));
    QTest::mouseClick(main->findChild<QPushButton *>(button), Qt::LeftButton);

    QVERIFY(!m_dialogs.shown.isEmpty());
    QCOMPARE(m_dialogs.shown.constLast().icon, Dialogs::Icon::Critical);
    QCOMPARE(m_dialogs.shown.constLast().title, QStringLiteral("ERROR!"));
    QVERIFY2(m_dialogs.shown.constLast().text.contains(QStringLiteral("refused by a rule")),
             qPrintable(m_dialogs.shown.constLast().text));
    QCOMPARE(install.scalar(gameboy, QStringLiteral("SELECT count(*) FROM giochi")).toInt(), 1);
    QCOMPARE(install.scalar(TestInstall::masterDb(), QStringLiteral("SELECT count(*) FROM publisher")).toInt(),
             producers);
    QCOMPARE(main->ui.CmbProducer->currentText(), QStringLiteral("Typed Soft"));
}

// A display step that fails is written to panel 6 and to "Error LOG"; the later steps run.
void TestRecord::displayErrorGoesToPanelAndLog()
{
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    QVERIFY(install.addGame(QStringLiteral("Starred"), {{"Rating", 5}, {"Playable", 0}}));
    FrmMain *main = startFrontEnd(install.root(), m_dialogs, m_launcher);
    QVERIFY(main);
    showGame(main, QStringLiteral("Starred"));
    QVERIFY(!main->ui.ImgFavorites2->isHidden());
    QVERIFY(install.exec(gameboy, QStringLiteral("ALTER TABLE giochi RENAME TO giochi_old"))); // behind its back
    showGame(main, QStringLiteral("Starred"));

    const QString error = main->ui.Text7->toPlainText();
    QVERIFY2(error.contains(QStringLiteral("gameboy.mdb")) && error.contains(QStringLiteral("giochi")),
             qPrintable(error));
    QCOMPARE(main->findChild<QLabel *>(QStringLiteral("Panel6"))->text(), error);
    QVERIFY(main->ui.ImgFavorites2->isHidden());
    QVERIFY(main->findChild<QWidget *>(QStringLiteral("Line2"))->isHidden());
}

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
