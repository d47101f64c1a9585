// The search field of the "Games" page: what it matches (case and accents ignored, the
// filter kept), the count beside it, what keeps and clears it, and that the shown game
// stays shown.
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/gameselection.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

struct Game {
    const char *name;
    bool favorite;
    bool playable;
};

// Names with accents composed and decomposed, full-width letters, Japanese, and a
// "tar" that is not a "star".
const Game games[] = {
    {"Star League", true, true},
    {"St\u00e1r Fox", false, true},
    {"STARDUST", true, false},
    {"Mars Tar", true, true},
    {"\uff33\uff54\uff41\uff52 Wars", false, false},
    {"Caf\u00e9 Noir", false, true},
    {"Cafe\u0301 Blanc", true, false},
    {"\u30dd\u30b1\u30e2\u30f3", false, true},
    {"\u30dd\u30b1\u30e2\u30f3 \u91d1", true, true},
};
constexpr int gameCount = int(std::size(games));

bool addGames(TestInstall &install)
{
    for (const Game &game : games) {
        if (!install.addGame(QString::fromUtf8(game.name), {{QStringLiteral("Favorites"), int(game.favorite)},
                                                            {QStringLiteral("Playable"), int(game.playable)},
                                                            {QStringLiteral("Times"), 1}}))
            return false;
    }
    return true;
}

// The listed games that are among names, in the list's order.
QStringList listedAmong(const QStringList &listed, const QStringList &names)
{
    QStringList kept;
    for (const QString &name : listed) {
        if (names.contains(name))
            kept.append(name);
    }
    return kept;
}

} // namespace

class TestSearch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void matchesWithoutCaseOrAccents_data();
    void matchesWithoutCaseOrAccents();
    void keptOverOptionsClearedBySwitch();
    void shownGameStaysShown();
    void keysFocusAndClear();
    void countsWithThousands();

private:
    QLineEdit *search() const { return child<QLineEdit>(m_main, "TxtSearch"); }
    QString count() const { return shownText(m_main, QStringLiteral("LabSearchCount")); }
    QString shownGame() const { return shownText(m_main, QStringLiteral("LabGame")); }

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestSearch::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    QVERIFY(addGames(*m_install));
    m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    QVERIFY(m_main);
    QVERIFY(search());
}

void TestSearch::cleanup()
{
    closeFrontEnd();
    m_main = nullptr;
    m_install.reset();
}

void TestSearch::matchesWithoutCaseOrAccents_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("names");
    const QStringList stars = {"Star League", QString::fromUtf8("St\u00e1r Fox"), "STARDUST",
                               QString::fromUtf8("\uff33\uff54\uff41\uff52 Wars")};
    const QStringList cafes = {QString::fromUtf8("Caf\u00e9 Noir"), QString::fromUtf8("Cafe\u0301 Blanc")};
    QTest::newRow("plain") << "OptAll"
                           << "star" << stars;
    QTest::newRow("capitals and accent") << "OptAll" << QString::fromUtf8("ST\u00c1R") << stars;
    QTest::newRow("accent composed or not") << "OptAll" << QString::fromUtf8("caf\u00e9") << cafes;
    QTest::newRow("blank inside") << "OptAll"
                                  << " tar" << QStringList{"Mars Tar"};
    QTest::newRow("Japanese") << "OptAll" << QString::fromUtf8("\u30b1\u30e2")
                              << QStringList{QString::fromUtf8("\u30dd\u30b1\u30e2\u30f3"),
                                             QString::fromUtf8("\u30dd\u30b1\u30e2\u30f3 \u91d1")};
    QTest::newRow("with Favourites") << "OptFavorite"
                                     << "star" << QStringList{"Star League", "STARDUST"};
    QTest::newRow("with Playable") << "OptPlayable"
                                   << "caf" << QStringList{cafes[0]};
    QTest::newRow("with Not Work") << "OptNotPlay"
                                   << "STAR" << QStringList{"STARDUST", stars[3]};
    QTest::newRow("nothing") << "OptAll"
                             << "zzz" << QStringList();
}

void TestSearch::matchesWithoutCaseOrAccents()
{
    QFETCH(QString, filter);
    QFETCH(QString, search);
    QFETCH(QStringList, names);
    clickOn(m_main, filter);
    const QStringList whole = listedGames(m_main);
    const QString allGamesPanel = panelText(m_main, 2);

    typeText(this->search(), search);
    QCOMPARE(listedGames(m_main), listedAmong(whole, names)); // the list's order is kept
    QCOMPARE(count(), QStringLiteral("%1 of %2").arg(names.size()).arg(whole.size()));
    QCOMPARE(panelText(m_main, 2), allGamesPanel); // the counts stay the filter's

    replaceText(this->search(), QString());
    QCOMPARE(listedGames(m_main), whole);
    QCOMPARE(count(), QStringLiteral("%1 of %1").arg(whole.size()));
}

void TestSearch::keptOverOptionsClearedBySwitch()
{
    typeText(search(), QStringLiteral("star"));
    const QStringList found = listedGames(m_main);
    QCOMPARE(found.size(), 4);
    for (const char *option : {"OptIcon2", "OptIcon3", "Option4", "Option3", "Option2", "OptIcon1", "Option1"}) {
        clickOn(m_main, QLatin1String(option));
        QCOMPARE(search()->text(), QStringLiteral("star"));
        QCOMPARE(listedGames(m_main), found);
    }
    clickOn(m_main, QStringLiteral("OptFavorite"));
    QCOMPARE(listedGames(m_main).size(), 2);
    clickOn(m_main, QStringLiteral("OptAll"));
    QCOMPARE(listedGames(m_main), found);

    trigger(m_main, QStringLiteral("nintendo"));
    QVERIFY(search()->text().isEmpty());
    QCOMPARE(count(), QStringLiteral("0 of 0"));
    trigger(m_main, QStringLiteral("gameboy"));
    QVERIFY(search()->text().isEmpty());
    QCOMPARE(listedGames(m_main).size(), gameCount);
}

void TestSearch::shownGameStaysShown()
{
    const QString mars = QStringLiteral("Mars Tar");
    QVERIFY(showGame(m_main, mars));
    QCOMPARE(shownGame(), mars);

    typeText(search(), QStringLiteral("ta")); // still matches: still selected
    QCOMPARE(selectedGame(m_main).data().toString(), mars);
    typeText(search(), QStringLiteral("r l")); // "tar l": no longer listed
    QCOMPARE(listedGames(m_main), QStringList{"Star League"});
    QVERIFY(!selectedGame(m_main).isValid());
    QCOMPARE(shownGame(), mars);

    // Picking a game of the narrowed list shows that game, and it stays selected when
    // the search is cleared.
    clickGame(m_main, 0);
    QCOMPARE(shownGame(), QStringLiteral("Star League"));
    replaceText(search(), QString());
    QCOMPARE(selectedGame(m_main).data().toString(), QStringLiteral("Star League"));
    QCOMPARE(shownGame(), QStringLiteral("Star League"));
}

void TestSearch::keysFocusAndClear()
{
    auto *tabs = child<QTabWidget>(m_main, "TabGames");
    QVERIFY(tabs);
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    QCOMPARE(tabs->currentIndex(), 1);
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QTest::keyClick(child(m_main, "LabGame"), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), search());

    typeText(search(), QStringLiteral("star"));
    QCOMPARE(listedGames(m_main).size(), 4);
    QTest::keyClick(search(), Qt::Key_Escape);
    QVERIFY(search()->text().isEmpty());
    QCOMPARE(listedGames(m_main).size(), gameCount);

    // Down goes on into the list at the first match; letting the key go there shows it.
    typeText(search(), QStringLiteral("caf"));
    QTest::keyPress(search(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), gameView(m_main));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(shownGame(), listedGames(m_main).first());
}

void TestSearch::countsWithThousands()
{
    closeFrontEnd();
    TestInstall many(false, 1234);
    QVERIFY2(many.isValid(), qPrintable(many.error()));
    m_main = startFrontEnd(many.root(), m_dialogs, m_launcher);
    QVERIFY(m_main);
    QCOMPARE(count(), QStringLiteral("1,234 of 1,234"));
    typeText(search(), QStringLiteral("zqxj"));
    QCOMPARE(count(), QStringLiteral("0 of 1,234"));
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
