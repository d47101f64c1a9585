// The "Report" view as a details view: the columns its header's menu adds and removes,
// sorting by a column by the value's type with the name as the tie-break, the choices
// kept per user, and a click on a row still picking its game.
#include "shared/gamedates.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/gameselection.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

struct Game {
    const char *name;
    QVariant year, genre, rating, times, lastPlay, added;
};

QString played(int year, int month, int day) { return GameDates::lastPlay(QDate(year, month, day)); }
QString added(int year, int month, int day) { return GameDates::added(QDate(year, month, day)); }

// Numbers that compare differently as texts (9 and 10, "199x"), dates that do (days
// before months), names with numbers, and ties in every column.
const QList<Game> &games()
{
    static const QList<Game> list = {
        {"Game 10", "1990", "Racing", 2, 10, played(2009, 1, 2), added(2005, 2, 1)},
        {"Game 2", 1990, "action", 5, 9, played(2008, 12, 30), added(2005, 1, 2)},
        {"game 1", "1985", "Action", 2, 100, QVariant(), added(2004, 12, 31)},
        {"Zed", QVariant(), "Puzzle", 0, 0, played(2009, 1, 2), QVariant()},
        {"Alpha 3", "2001", QVariant(), 5, 9, played(2007, 6, 1), added(2005, 2, 1)},
    };
    return list;
}

QTreeView *report(const QMainWindow *main) { return child<QTreeView>(main, "LstGamesReport"); }

QStringList visibleHeaders(const QMainWindow *main)
{
    const QHeaderView *header = report(main)->header();
    QStringList titles;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            titles.append(header->model()->headerData(logical, Qt::Horizontal).toString());
    }
    return titles;
}

int section(const QMainWindow *main, const QString &title)
{
    const QHeaderView *header = report(main)->header();
    for (int logical = 0; logical < header->count(); ++logical) {
        if (header->model()->headerData(logical, Qt::Horizontal).toString() == title)
            return logical;
    }
    return -1;
}

void clickHeader(const QMainWindow *main, const QString &title)
{
    QHeaderView *header = report(main)->header();
    const int logical = section(main, title);
    const QPoint at(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// The menu item of a column, as its title reads: "ColumnYear", "ColumnLastplayed", ...
QString columnAction(QString title)
{
    title = title.toLower().remove(QLatin1Char(' '));
    title[0] = title[0].toUpper();
    return QStringLiteral("Column") + title;
}

} // namespace

class TestDetailsView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sortsByType_data();
    void sortsByType();
    void menuAddsAndRemovesColumns_data();
    void menuAddsAndRemovesColumns();
    void sortStaysOverSearchAndClick();
    void onlyTheReportViewSorts();
    void columnsAndSortAreRemembered();

private:
    void start();

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestDetailsView::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    for (const Game &game : games()) {
        QVERIFY(m_install->addGame(QString::fromLatin1(game.name), {{"Anno", game.year},
                                                                    {"Genre", game.genre},
                                                                    {"Rating", game.rating},
                                                                    {"Times", game.times},
                                                                    {"Data", game.lastPlay},
                                                                    {"DataAdd", game.added}}));
    }
}

void TestDetailsView::start()
{
    m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    QVERIFY(m_main);
    clickOn(m_main, QStringLiteral("Option4"));
}

void TestDetailsView::cleanup()
{
    closeFrontEnd();
    m_main = nullptr;
    m_install.reset();
}

void TestDetailsView::sortsByType_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("ascending");
    QTest::addColumn<QStringList>("descending");
    QTest::addColumn<QString>("change"); // by another program after the first sort, then a fill
    QTest::newRow("names, numbers as numbers")
        << "Games" << QStringList{"Alpha 3", "game 1", "Game 2", "Game 10", "Zed"}
        << QStringList{"Zed", "Game 10", "Game 2", "game 1", "Alpha 3"} << "";
    QTest::newRow("names, one renamed since")
        << "Games" << QStringList{"Alpha 3", "game 1", "Game 2", "Game 3", "Game 10"}
        << QStringList{"Game 10", "Game 3", "Game 2", "game 1", "Alpha 3"}
        << "UPDATE giochi SET Gioco = 'Game 3' WHERE Gioco = 'Zed'";
    QTest::newRow("names, one added since")
        << "Games" << QStringList{"Alpha 3", "Beta", "game 1", "Game 2", "Game 10", "Zed"}
        << QStringList{"Zed", "Game 10", "Game 2", "game 1", "Beta", "Alpha 3"}
        << "INSERT INTO giochi (Gioco) VALUES ('Beta')";
    QTest::newRow("names, one deleted since")
        << "Games" << QStringList{"Alpha 3", "game 1", "Game 10", "Zed"}
        << QStringList{"Zed", "Game 10", "game 1", "Alpha 3"} << "DELETE FROM giochi WHERE Gioco = 'Game 2'";
    QTest::newRow("year, text or number") << "Year" << QStringList{"Zed", "game 1", "Game 2", "Game 10", "Alpha 3"}
                                          << QStringList{"Alpha 3", "Game 2", "Game 10", "game 1", "Zed"} << "";
    QTest::newRow("genre, any case") << "Genre" << QStringList{"Alpha 3", "game 1", "Game 2", "Zed", "Game 10"}
                                     << QStringList{"Game 10", "Zed", "game 1", "Game 2", "Alpha 3"} << "";
    QTest::newRow("rating") << "Rating" << QStringList{"Zed", "game 1", "Game 10", "Alpha 3", "Game 2"}
                            << QStringList{"Alpha 3", "Game 2", "game 1", "Game 10", "Zed"} << "";
    QTest::newRow("times, 9 before 10") << "Times" << QStringList{"Zed", "Alpha 3", "Game 2", "Game 10", "game 1"}
                                        << QStringList{"game 1", "Game 10", "Alpha 3", "Game 2", "Zed"} << "";
    QTest::newRow("last played, a date")
        << "Last played" << QStringList{"game 1", "Alpha 3", "Game 2", "Game 10", "Zed"}
        << QStringList{"Game 10", "Zed", "Game 2", "Alpha 3", "game 1"} << "";
    QTest::newRow("added, a date") << "Added" << QStringList{"Zed", "game 1", "Game 2", "Alpha 3", "Game 10"}
                                   << QStringList{"Alpha 3", "Game 10", "Game 2", "game 1", "Zed"} << "";
}

// Ties follow the names A to Z in both directions; empty values count as the lowest.
void TestDetailsView::sortsByType()
{
    QFETCH(QString, column);
    QFETCH(QStringList, ascending);
    QFETCH(QStringList, descending);
    QFETCH(QString, change);
    start();
    if (column != QLatin1String("Games"))
        trigger(m_main, columnAction(column));
    clickHeader(m_main, column);
    if (!change.isEmpty()) {
        QVERIFY(m_install->exec(TestInstall::gameboyDb(), change));
        clickOn(m_main, QStringLiteral("OptAll"));
    }
    QCOMPARE(listedGames(m_main), ascending);
    QCOMPARE(report(m_main)->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    clickHeader(m_main, column);
    QCOMPARE(listedGames(m_main), descending);
}

void TestDetailsView::menuAddsAndRemovesColumns_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("shownForGame2");
    QTest::newRow("Year") << "Year"
                          << "1990";
    QTest::newRow("Genre") << "Genre"
                           << "action";
    QTest::newRow("Producer, empty") << "Producer"
                                     << "";
    QTest::newRow("Rating") << "Rating"
                            << "5";
    QTest::newRow("Times") << "Times"
                           << "9";
    QTest::newRow("Last played, as stored") << "Last played" << played(2008, 12, 30);
    QTest::newRow("Added, as stored") << "Added" << added(2005, 1, 2);
    QTest::newRow("Play time, none yet") << "Play time"
                                         << "";
}

void TestDetailsView::menuAddsAndRemovesColumns()
{
    QFETCH(QString, column);
    QFETCH(QString, shownForGame2);
    start();
    QCOMPARE(visibleHeaders(m_main), QStringList{"Games"}); // as the window always had it
    trigger(m_main, columnAction(column));
    QCOMPARE(visibleHeaders(m_main), (QStringList{"Games", column}));
    const int row = int(listedGames(m_main).indexOf(QStringLiteral("Game 2")));
    QCOMPARE(report(m_main)->model()->index(row, section(m_main, column)).data().toString(), shownForGame2);
    QVERIFY(child<QAction>(m_main, columnAction(column))->isChecked());
    trigger(m_main, columnAction(column));
    QCOMPARE(visibleHeaders(m_main), QStringList{"Games"});
}

void TestDetailsView::sortStaysOverSearchAndClick()
{
    QVERIFY(m_install->exec(TestInstall::gameboyDb(),
                            QStringLiteral("UPDATE giochi SET PlayTime = CASE Gioco WHEN 'Zed' THEN 11520 "
                                           "WHEN 'Game 2' THEN 30 WHEN 'Alpha 3' THEN 2700 END")));
    start();
    trigger(m_main, columnAction(QStringLiteral("Play time")));
    clickHeader(m_main, QStringLiteral("Play time"));
    clickHeader(m_main, QStringLiteral("Play time"));
    const QStringList sorted = {"Zed", "Alpha 3", "Game 2", "game 1", "Game 10"};
    QCOMPARE(listedGames(m_main), sorted);
    const int playTime = section(m_main, QStringLiteral("Play time"));
    QCOMPARE(report(m_main)->model()->index(0, playTime).data().toString(), QStringLiteral("3 h 12 min"));
    QCOMPARE(report(m_main)->model()->index(1, playTime).data().toString(), QStringLiteral("45 min"));
    QCOMPARE(report(m_main)->model()->index(2, playTime).data().toString(), QStringLiteral("< 1 min"));

    clickGame(m_main, 2);
    QCOMPARE(shownText(m_main, QStringLiteral("LabGame")), QStringLiteral("Game 2"));
    typeText(child<QLineEdit>(m_main, "TxtSearch"), QStringLiteral("a"));
    QCOMPARE(listedGames(m_main), (QStringList{"Alpha 3", "Game 2", "game 1", "Game 10"}));
    QCOMPARE(selectedGame(m_main).data().toString(), QStringLiteral("Game 2"));
    clickOn(m_main, QStringLiteral("OptAll")); // a fill keeps the sort
    QCOMPARE(listedGames(m_main), (QStringList{"Alpha 3", "Game 2", "game 1", "Game 10"}));
    replaceText(child<QLineEdit>(m_main, "TxtSearch"), QString());
    QCOMPARE(listedGames(m_main), sorted);
    QCOMPARE(selectedGame(m_main).data().toString(), QStringLiteral("Game 2"));
}

void TestDetailsView::onlyTheReportViewSorts()
{
    start();
    clickHeader(m_main, QStringLiteral("Games"));
    clickHeader(m_main, QStringLiteral("Games"));
    QCOMPARE(listedGames(m_main).first(), QStringLiteral("Zed"));
    clickOn(m_main, QStringLiteral("Option3"));
    QCOMPARE(listedGames(m_main), (QStringList{"Alpha 3", "game 1", "Game 10", "Game 2", "Zed"})); // the query's
    clickOn(m_main, QStringLiteral("Option4"));
    QCOMPARE(listedGames(m_main).first(), QStringLiteral("Zed"));
}

void TestDetailsView::columnsAndSortAreRemembered()
{
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Ludora4 tests"));
    const auto forget = qScopeGuard([] { QCoreApplication::setOrganizationName(QString()); });
    start();
    trigger(m_main, columnAction(QStringLiteral("Genre")));
    trigger(m_main, columnAction(QStringLiteral("Year")));
    QHeaderView *header = report(m_main)->header();
    header->resizeSection(section(m_main, QStringLiteral("Genre")), 137);
    header->moveSection(header->visualIndex(section(m_main, QStringLiteral("Genre"))), 1);
    clickHeader(m_main, QStringLiteral("Year"));
    clickHeader(m_main, QStringLiteral("Year"));
    const QStringList sorted = listedGames(m_main);
    closeFrontEnd();

    start();
    header = report(m_main)->header();
    QCOMPARE(visibleHeaders(m_main), (QStringList{"Games", "Genre", "Year"}));
    QCOMPARE(header->sectionSize(section(m_main, QStringLiteral("Genre"))), 137);
    QCOMPARE(header->sortIndicatorSection(), section(m_main, QStringLiteral("Year")));
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(listedGames(m_main), sorted);
    QVERIFY(child<QAction>(m_main, columnAction(QStringLiteral("Year")))->isChecked());
    QVERIFY(!child<QAction>(m_main, columnAction(QStringLiteral("Times")))->isChecked());
}

QTEST_MAIN(TestDetailsView)
#include "tst_detailsview.moc"
