// The search field of the "Games" page: what it matches (case and accents ignored, the
// filter kept), the count beside it, what keeps and clears it, and that the shown game
// stays shown.
#include "frontend/frmmain.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

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

QString searchCount(FrmMain *main) { return main->ui.LabSearchCount->text(); }

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

void clickOption(FrmMain *main, QRadioButton *FrmMainUi::*option)
{
    QTest::mouseClick(main->ui.*option, Qt::LeftButton);
}

void switchTo(FrmMain *main, const QString &key)
{
    for (QAction *action : main->ui.ConsoleButtons) {
        if (action->objectName() == key)
            QTest::mouseClick(main->ui.Toolbar1->widgetForAction(action), Qt::LeftButton);
    }
}

QString selectedName(FrmMain *main) { return main->ui.LstGames->selectedIndex().data().toString(); }

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
    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    FrmMain *m_main = nullptr;
};

void TestSearch::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    QVERIFY(addGames(*m_install));
    m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    QVERIFY(m_main);
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
    QTest::mouseClick(m_main->findChild<QRadioButton *>(filter), Qt::LeftButton);
    const QStringList whole = listedGames(m_main);
    const QString allGamesPanel = m_main->ui.StatusBar1->text(2);

    typeText(m_main->ui.TxtSearch, search);
    QCOMPARE(listedGames(m_main), listedAmong(whole, names)); // the list's order is kept
    QCOMPARE(searchCount(m_main), QStringLiteral("%1 of %2").arg(names.size()).arg(whole.size()));
    QCOMPARE(m_main->ui.StatusBar1->text(2), allGamesPanel); // the counts stay the filter's

    m_main->ui.TxtSearch->clear();
    QCOMPARE(listedGames(m_main), whole);
    QCOMPARE(searchCount(m_main), QStringLiteral("%1 of %1").arg(whole.size()));
}

void TestSearch::keptOverOptionsClearedBySwitch()
{
    typeText(m_main->ui.TxtSearch, QStringLiteral("star"));
    const QStringList found = listedGames(m_main);
    QCOMPARE(found.size(), 4);
    for (auto option : {&FrmMainUi::OptIcon2, &FrmMainUi::OptIcon3, &FrmMainUi::Option4, &FrmMainUi::Option3,
                        &FrmMainUi::Option2, &FrmMainUi::OptIcon1, &FrmMainUi::Option1}) {
        clickOption(m_main, option);
        QCOMPARE(m_main->ui.TxtSearch->text(), QStringLiteral("star"));
        QCOMPARE(listedGames(m_main), found);
    }
    clickOption(m_main, &FrmMainUi::OptFavorite);
    QCOMPARE(listedGames(m_main).size(), 2);
    clickOption(m_main, &FrmMainUi::OptAll);
    QCOMPARE(listedGames(m_main), found);

    switchTo(m_main, QStringLiteral("nintendo"));
    QVERIFY(m_main->ui.TxtSearch->text().isEmpty());
    QCOMPARE(searchCount(m_main), QStringLiteral("0 of 0"));
    switchTo(m_main, QStringLiteral("gameboy"));
    QVERIFY(m_main->ui.TxtSearch->text().isEmpty());
    QCOMPARE(listedGames(m_main).size(), gameCount);
}

void TestSearch::shownGameStaysShown()
{
    const QString mars = QStringLiteral("Mars Tar");
    clickGame(m_main, int(listedGames(m_main).indexOf(mars)));
    QCOMPARE(m_main->ui.LabGame->text(), mars);

    typeText(m_main->ui.TxtSearch, QStringLiteral("ta")); // still matches: still selected
    QCOMPARE(selectedName(m_main), mars);
    typeText(m_main->ui.TxtSearch, QStringLiteral("r l")); // "tar l": no longer listed
    QCOMPARE(listedGames(m_main), QStringList{"Star League"});
    QVERIFY(!m_main->ui.LstGames->selectedIndex().isValid());
    QCOMPARE(m_main->ui.LabGame->text(), mars);
    QCOMPARE(Globale::state().CurrentGame, mars);

    // Picking a game of the narrowed list shows that game.
    clickGame(m_main, 0);
    QCOMPARE(m_main->ui.LabGame->text(), QStringLiteral("Star League"));
    QCOMPARE(Globale::state().CurrentGame, QStringLiteral("Star League"));
    m_main->ui.TxtSearch->clear();
    QCOMPARE(selectedName(m_main), QStringLiteral("Star League"));
}

void TestSearch::keysFocusAndClear()
{
    m_main->ui.TabGames->setCurrentIndex(1);
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QTest::keyClick(m_main->ui.LabGame, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(m_main->ui.TabGames->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), m_main->ui.TxtSearch);

    typeText(m_main->ui.TxtSearch, QStringLiteral("star"));
    QCOMPARE(listedGames(m_main).size(), 4);
    QTest::keyClick(m_main->ui.TxtSearch, Qt::Key_Escape);
    QVERIFY(m_main->ui.TxtSearch->text().isEmpty());
    QCOMPARE(listedGames(m_main).size(), gameCount);

    // Down goes on into the list at the first match; letting the key go there shows it.
    typeText(m_main->ui.TxtSearch, QStringLiteral("caf"));
    QTest::keyPress(m_main->ui.TxtSearch, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), m_main->ui.LstGames->view());
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(Globale::state().CurrentGame, listedGames(m_main).first());
    QCOMPARE(m_main->ui.LabGame->text(), listedGames(m_main).first());
}

void TestSearch::countsWithThousands()
{
    closeFrontEnd();
    TestInstall many(false, 1234);
    QVERIFY2(many.isValid(), qPrintable(many.error()));
    m_main = startFrontEnd(many.root(), m_dialogs, m_launcher);
    QVERIFY(m_main);
    QCOMPARE(searchCount(m_main), QStringLiteral("1,234 of 1,234"));
    typeText(m_main->ui.TxtSearch, QStringLiteral("zqxj"));
    QCOMPARE(searchCount(m_main), QStringLiteral("0 of 1,234"));
}

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
