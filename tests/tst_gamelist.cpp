// The "Games" page on fresh installations: what each filter lists and counts, the
// pictures of each icon type, re-reading on option clicks, and selecting games by
// click and by keys, names with quotes, accents and Japanese included.
#include "frontend/common/pictures.h"
#include "frontend/games/gamelistmodel.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/gameselection.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

struct Game {
    QVariant name, language, rating, playable, favorites, times;
};

bool addGame(TestInstall &install, const Game &game)
{
    return install.addGame(game.name.toString(), {{QStringLiteral("Language"), game.language},
                                                  {QStringLiteral("Rating"), game.rating},
                                                  {QStringLiteral("Playable"), game.playable},
                                                  {QStringLiteral("Favorites"), game.favorites},
                                                  {QStringLiteral("Times"), game.times}});
}

const QVariant null;

QStringList countPanels(const QMainWindow *main)
{
    QStringList texts;
    for (int panel = 2; panel <= 6; ++panel)
        texts.append(panelText(main, panel));
    return texts;
}

// The view type the list shows: a report (one column headed "Games"), or a list view
// with large icons, small icons, or small icons in columns.
enum ViewType { Icon, SmallIcon, List, Report };
int shownViewType(const QMainWindow *main)
{
    QAbstractItemView *view = gameView(main);
    if (qobject_cast<QTreeView *>(view))
        return Report;
    const auto *list = qobject_cast<QListView *>(view);
    if (!list)
        return -1;
    if (list->viewMode() == QListView::ListMode)
        return list->iconSize() == QSize(16, 16) ? List : -1;
    return list->iconSize() == QSize(32, 32) ? Icon : SmallIcon;
}

} // namespace

class TestGameList : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closeFrontEnd(); }
    void filtersListAndCount_data();
    void filtersListAndCount();
    void iconTypesGivePictures_data();
    void iconTypesGivePictures();
    void iconAndViewTypesReReadTheTable_data();
    void iconAndViewTypesReReadTheTable();
    void namesOfEveryStoredType();
    void clickShowsTheGame_data();
    void clickShowsTheGame();
    void keysWalkTheList_data();
    void keysWalkTheList();
    void nothingSelectedIsAnError_data();
    void nothingSelectedIsAnError();
    void viewAndIconTypeAreRemembered_data();
    void viewAndIconTypeAreRemembered();
};

void TestGameList::filtersListAndCount_data()
{
    QTest::addColumn<bool>("withGames");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("counts"); // all, favourite, playable, not working, times
    QTest::newRow("empty table") << false << "OptAll" << QStringList() << QList<int>{0, 0, 0, 0, 0};
    // Beta's Playable is empty: not working under "Complete" and "Favourites", listed by neither
    // "Playable" nor "Not Work". Empty names are never listed or counted.
    QTest::newRow("Complete") << true << "OptAll" << QStringList{"alpha", "Beta", "Mario", "Zelda"}
                              << QList<int>{4, 2, 2, 2, 7};
    QTest::newRow("Favourites") << true << "OptFavorite" << QStringList{"Beta", "Zelda"}
                                << QList<int>{2, 2, 1, 1, 5};
    QTest::newRow("Playable") << true << "OptPlayable" << QStringList{"Mario", "Zelda"}
                              << QList<int>{2, 1, 2, 0, 5};
    QTest::newRow("Not Work") << true << "OptNotPlay" << QStringList{"alpha"} << QList<int>{1, 0, 0, 1, 2};
}

void TestGameList::filtersListAndCount()
{
    QFETCH(bool, withGames);
    QFETCH(QString, option);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, counts);
    TestInstall install;
    QVERIFY2(install.isValid(), qPrintable(install.error()));
    if (withGames) {
        // Inserted out of order: the list is sorted by name, A to Z, without regard to case.
        const QList<Game> games = {
            {"Zelda", "English", 3, 1, 1, 5},    {"alpha", "Italian", 0, 0, 0, 2},
            {"Beta", null, null, null, 1, null}, {"Mario", "Japanese", 5, 1, 0, "lots"},
            {"", "English", 1, 1, 1, 100},       {null, "English", 1, 0, 1, 100},
        };
        for (const Game &game : games)
            QVERIFY(addGame(install, game));
    }
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    clickOn(main, option);

    QCOMPARE(listedGames(main), names);
    QStringList keys;
    for (int i = 0; i < names.size(); ++i)
        keys.append(QStringLiteral("a ") + QString::number(i) + names[i]);
    QCOMPARE(listedGames(main, GameListModel::KeyRole), keys);
    const QStringList expected = {
        QStringLiteral("All Games : %1  ").arg(counts[0]),
        QStringLiteral("Favorite Games : %1  ").arg(counts[1]),
        QStringLiteral("Playable Games : %1  ").arg(counts[2]),
        QStringLiteral("Not Working Games : %1  ").arg(counts[3]),
        QStringLiteral("Total Times Played : %1  ").arg(counts[4]),
    };
    QCOMPARE(countPanels(main), expected);
    QVERIFY(gameView(main)->isVisible());
}

void TestGameList::iconTypesGivePictures_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QList<int>>("pictures"); // in list order, 0 = no picture
    // Rows: lower-case language / rating 0, all empty, Deutsche 5, Spanish 7, Italian "abc",
    // French 2, Japanese 4, English 1, Italian -1, English 2.5 (a real) playable "true" (a text).
    QTest::newRow("Language at start") << QStringList() << "flag" << QList<int>{0, 0, 4, 6, 1, 2, 5, 3, 1, 3};
    QTest::newRow("Rating") << QStringList{"OptIcon2"} << "rating" << QList<int>{1, 1, 6, 1, 1, 3, 5, 2, 1, 4};
    QTest::newRow("Playable") << QStringList{"OptIcon3"} << "playable" << QList<int>{1, 2, 2, 1, 2, 1, 1, 2, 2, 1};
    QTest::newRow("back to Language") << QStringList{"OptIcon2", "OptIcon1"} << "flag"
                                      << QList<int>{0, 0, 4, 6, 1, 2, 5, 3, 1, 3};
}

void TestGameList::iconTypesGivePictures()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, type);
    QFETCH(QList<int>, pictures);
    TestInstall install;
    QVERIFY(install.isValid());
    const QList<Game> games = {
        {"A lower", "english", 0, 1, 0, 0}, {"B empty", null, null, null, null, null},
        {"C", "Deutsche", 5, 0, 0, 0},      {"D", "Spanish", 7, 1, 0, 0},
        {"E", "Italian", "abc", 0, 0, 0},   {"F", "French", 2, 1, 0, 0},
        {"G", "Japanese", 4, 1, 0, 0},      {"H", "English", 1, 0, 0, 0},
        {"I", "Italian", -1, 0, 0, 0},      {"J", "English", 2.5, "true", 0, 0},
    };
    for (const Game &game : games)
        QVERIFY(addGame(install, game));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    for (const QString &option : clicks)
        clickOn(main, option);

    const QAbstractItemModel *model = gameView(main)->model();
    QCOMPARE(model->rowCount(), pictures.size());
    const auto drawn = type == QLatin1String("rating")     ? &Pictures::rating
                       : type == QLatin1String("playable") ? &Pictures::playable
                                                           : &Pictures::flag;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        QCOMPARE(index.data(GameListModel::PictureRole).toInt(), pictures[row]);
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        QCOMPARE(icon.isNull(), pictures[row] == 0);
        if (pictures[row] == 0)
            continue;
        QCOMPARE(icon.pixmap(QSize(32, 32)).toImage(), drawn(pictures[row], true).toImage());
        QCOMPARE(icon.pixmap(QSize(16, 16)).toImage(), drawn(pictures[row], false).toImage());
    }
}

void TestGameList::iconAndViewTypesReReadTheTable_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("viewMode");
    QTest::newRow("Rating") << "OptIcon2" << int(Icon);
    QTest::newRow("Playable") << "OptIcon3" << int(Icon);
    QTest::newRow("Language") << "OptIcon1" << int(Icon);
    QTest::newRow("Small Icon") << "Option2" << int(SmallIcon);
    QTest::newRow("List") << "Option3" << int(List);
    QTest::newRow("Report") << "Option4" << int(Report);
    QTest::newRow("Icon") << "Option1" << int(Icon);
}

void TestGameList::iconAndViewTypesReReadTheTable()
{
    QFETCH(QString, option);
    QFETCH(int, viewMode);
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(addGame(install, {"Old Game", "English", 1, 1, 0, 3}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(listedGames(main), QStringList{"Old Game"});

    QVERIFY(addGame(install, {"Added Behind", "French", 2, 0, 1, 4})); // another program
    clickOn(main, option);
    QCOMPARE(listedGames(main), (QStringList{"Added Behind", "Old Game"}));
    QCOMPARE(panelText(main, 2), QStringLiteral("All Games : 2  "));
    QCOMPARE(panelText(main, 6), QStringLiteral("Total Times Played : 7  "));

    QCOMPARE(shownViewType(main), viewMode);
    QVERIFY(gameView(main)->isVisible());
    if (auto *report = qobject_cast<QTreeView *>(gameView(main))) {
        QCOMPARE(report->header()->count() - report->header()->hiddenSectionCount(), 1);
        QCOMPARE(report->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Games"));
    }
}

// Names are listed as their text, whatever SQLite stores them as (in its order: numbers,
// texts, blobs).
void TestGameList::namesOfEveryStoredType()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(install.exec(TestInstall::gameboyDb(),
                         QStringLiteral("INSERT INTO giochi (Gioco) VALUES (1942), (2.5), (?), (CAST(? AS BLOB)), "
                                        "('Plain ASCII')"),
                         {QStringLiteral("St\u00e1r \u30dd\u30b1"), QStringLiteral("Blob Name")}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(listedGames(main),
             QStringList({"1942", "2.5", "Plain ASCII", "St\u00e1r \u30dd\u30b1", "Blob Name"}));
}

void TestGameList::clickShowsTheGame_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("times"); // Times of the row that must be shown and stored
    // List order: Ocean's Eleven, Pokémon Édition, Twin, Twin, Zeta, ゼルダの伝説
    QTest::newRow("single quote") << QStringLiteral("Ocean's Eleven") << 0 << 11;
    QTest::newRow("accents") << QStringLiteral("Pokémon Édition") << 1 << 12;
    QTest::newRow("first of two twins") << QStringLiteral("Twin") << 2 << 21;
    QTest::newRow("second twin shows its own row") << QStringLiteral("Twin") << 3 << 22;
    QTest::newRow("plain") << QStringLiteral("Zeta") << 4 << 30;
    QTest::newRow("japanese") << QStringLiteral("ゼルダの伝説") << 5 << 13;
}

void TestGameList::clickShowsTheGame()
{
    QFETCH(QString, name);
    QFETCH(int, row);
    QFETCH(int, times);
    TestInstall install;
    QVERIFY(install.isValid());
    const QList<Game> games = {
        {"Zeta", null, 0, 1, 0, 30},           {"Twin", null, 0, 1, 0, 21}, {"ゼルダの伝説", null, 0, 1, 0, 13},
        {"Ocean's Eleven", null, 0, 1, 0, 11}, {"Twin", null, 0, 1, 0, 22}, {"Pokémon Édition", null, 0, 1, 0, 12},
    };
    for (const Game &game : games)
        QVERIFY(addGame(install, game));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QCOMPARE(listedGames(main),
             (QStringList{"Ocean's Eleven", "Pokémon Édition", "Twin", "Twin", "Zeta", "ゼルダの伝説"}));
    QCOMPARE(listedGames(main, GameListModel::KeyRole).mid(2, 2), (QStringList{"a 2Twin", "a 3Twin"}));

    clickGame(main, row);
    QCOMPARE(shownText(main, QStringLiteral("LabGame")), name);
    QCOMPARE(shownText(main, QStringLiteral("TxtTimes")), QString::number(times));

    // The record stands on that row: a store lands there and nowhere else.
    replaceText(child(main, "TxtGameHelp"), QStringLiteral("stored here"));
    clickOn(main, QStringLiteral("Command8"));
    QCOMPARE(install.column(TestInstall::gameboyDb(),
                            QStringLiteral("SELECT Times FROM giochi WHERE Notes = 'stored here'")),
             QVariantList{times});
}

void TestGameList::keysWalkTheList_data()
{
    QTest::addColumn<QString>("viewOption");
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("back");
    QTest::newRow("Icon") << "Option1" << int(Qt::Key_Right) << int(Qt::Key_Left);
    QTest::newRow("Small Icon") << "Option2" << int(Qt::Key_Right) << int(Qt::Key_Left);
    QTest::newRow("List") << "Option3" << int(Qt::Key_Down) << int(Qt::Key_Up);
    QTest::newRow("Report") << "Option4" << int(Qt::Key_Down) << int(Qt::Key_Up);
}

void TestGameList::keysWalkTheList()
{
    QFETCH(QString, viewOption);
    QFETCH(int, forward);
    QFETCH(int, back);
    TestInstall install;
    QVERIFY(install.isValid());
    for (const char *name : {"Charlie", "Alpha", "Bravo"})
        QVERIFY(addGame(install, {name, null, 0, 1, 0, 0}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    clickOn(main, viewOption);
    clickGame(main, 0);
    QCOMPARE(shownText(main, QStringLiteral("LabGame")), QStringLiteral("Alpha"));

    QAbstractItemView *view = gameView(main);
    const std::pair<int, const char *> walk[] = {{forward, "Bravo"}, {forward, "Charlie"}, {back, "Bravo"}};
    for (const auto &[key, shown] : walk) {
        QTest::keyClick(view, Qt::Key(key));
        QCOMPARE(shownText(main, QStringLiteral("LabGame")), QLatin1String(shown));
    }
}

// A key, or a click on a list without entries, with nothing selected: said on the error
// line, and the shown game stays.
void TestGameList::nothingSelectedIsAnError_data()
{
    QTest::addColumn<bool>("click");
    QTest::newRow("key") << false;
    QTest::newRow("click") << true;
}

void TestGameList::nothingSelectedIsAnError()
{
    QFETCH(bool, click);
    TestInstall install;
    QVERIFY(install.isValid());
    QVERIFY(addGame(install, {"Lonely", null, 0, 1, 0, 0}));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    clickOn(main, QStringLiteral("OptFavorite")); // lists nothing
    QCOMPARE(listedGames(main), QStringList());
    const QString shown = shownText(main, QStringLiteral("LabGame"));
    const QString times = shownText(main, QStringLiteral("TxtTimes"));
    QAbstractItemView *view = gameView(main);
    if (click)
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    else
        QTest::keyClick(view, Qt::Key_Down);
    QVERIFY2(errorLine(main).contains(QStringLiteral("no game is selected")), qPrintable(panelText(main, 6)));
    QCOMPARE(shownText(main, QStringLiteral("LabGame")), shown);
    QCOMPARE(shownText(main, QStringLiteral("TxtTimes")), times);
    QVERIFY(dialogs.shown.isEmpty());
}

// The view and icon type chosen come back at the next start; the game shown at start-up
// is selected and wholly in sight in every view type, also far down a long list.
void TestGameList::viewAndIconTypeAreRemembered_data()
{
    QTest::addColumn<QString>("viewOption");
    QTest::addColumn<int>("mode");
    QTest::newRow("Icon") << "Option1" << int(Icon);
    QTest::newRow("Small Icon") << "Option2" << int(SmallIcon);
    QTest::newRow("List") << "Option3" << int(List);
    QTest::newRow("Report") << "Option4" << int(Report);
}

void TestGameList::viewAndIconTypeAreRemembered()
{
    QFETCH(QString, viewOption);
    QFETCH(int, mode);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Ludora4 tests"));
    const auto forget = qScopeGuard([] { QCoreApplication::setOrganizationName(QString()); });
    TestInstall install;
    QVERIFY(install.isValid());
    // 400 games, "Game 000" to "Game 399", in one statement.
    QVERIFY(
        install.exec(TestInstall::gameboyDb(),
                     QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 399)"
                                    " INSERT INTO giochi (Gioco, Language, Rating, Playable, Favorites, Times)"
                                    " SELECT printf('Game %03d', i), 'English', 2, 1, 0, 0 FROM n")));
    QVERIFY(install.exec(TestInstall::masterDb(), QStringLiteral("UPDATE config SET Game = 'Game 390'")));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    clickOn(main, viewOption);
    clickOn(main, QStringLiteral("OptIcon2"));
    closeFrontEnd();

    main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QVERIFY(child<QRadioButton>(main, viewOption)->isChecked());
    QVERIFY(child<QRadioButton>(main, "OptIcon2")->isChecked());
    QCOMPARE(shownViewType(main), mode);
    QCOMPARE(listedGames(main, GameListModel::PictureRole).value(0), QStringLiteral("3")); // rating 2
    QCOMPARE(selectedGame(main).data().toString(), QStringLiteral("Game 390"));
    QAbstractItemView *view = gameView(main);
    QTRY_VERIFY(view->viewport()->rect().contains(view->visualRect(selectedGame(main))));
    QCOMPARE(view->model()->index(5, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Game 005"));
    QVERIFY(dialogs.shown.isEmpty());
}

QTEST_MAIN(TestGameList)
#include "tst_gamelist.moc"
