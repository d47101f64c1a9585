// The "Filters" tab's special filters: what each narrows, together with the filter
// option and the search, the line under the list that names them, "Clear", and each
// console keeping its own.
#include "tests/support/comboentries.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/tabpages.h"
#include "tests/support/testinstall.h"
#include "tests/support/typing.h"
#include "tests/support/windowcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

namespace {

struct Game {
    const char *name;
    QVariant genre, language, producer, year, rating, playable, favorite, colour, sound, times, link;
};

const QVariant null;

// Rom files lie in the games folder for "alpha.gb", "GAMMA.GB" (as "gamma.gb") and "eps.gb".
const Game games[] = {
    {"Alpha Quest", "Platform", "English", "Bitforge", "1990", 3, 1, 1, 1, 0, 0, "alpha.gb"},
    {"Beta Racer", "Racing", "Japanese", "Neon Owl", 1994, 5, 1, 0, 0, 1, 4, "beta.gb"},
    {"Gamma Jump", "platform", "English", "Bitforge", "1995", 1, 0, 1, 1, 0, 2, "GAMMA.GB"},
    {"Delta Puzzle", "Puzzle", "French", "Moonbyte", "2001", 4, null, 0, null, 1, 0, null},
    {"Epsilon's Cave", "Platform", "Spanish", "Bitforge", " 1993", 2, 1, 0, 1, 0, 1, "eps.gb"},
    {"Zeta", "Platform", "English", "Moonbyte", null, 0, 1, 0, 0, 0, 0, ""},
};
const QStringList all = {"Alpha Quest", "Beta Racer", "Delta Puzzle", "Epsilon's Cave", "Gamma Jump", "Zeta"};

bool addGames(TestInstall &install)
{
    for (const Game &game : games) {
        const QVariantMap fields = {{"Genre", game.genre},        {"Language", game.language},
                                    {"Producer", game.producer},  {"Anno", game.year},
                                    {"Rating", game.rating},      {"Playable", game.playable},
                                    {"Favorites", game.favorite}, {"Colour", game.colour},
                                    {"Sound", game.sound},        {"Times", game.times},
                                    {"Link", game.link}};
        if (!install.addGame(QString::fromLatin1(game.name), fields))
            return false;
    }
    const QString folder = install.path(QStringLiteral("console/gameboy/games/"));
    return writeFile(folder + "alpha.gb") && writeFile(folder + "gamma.gb") && writeFile(folder + "eps.gb")
           && writeFile(folder + ".beta.gb"); // hidden: not a rom
}

} // namespace

class TestSpecialFilters : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void narrowTheList_data();
    void narrowTheList();
    void keptPerConsoleAndCleared();
    void offShowsTheWindowAsBefore();

private:
    // Sets a filter as a person does: "CmbX=entry" chooses an entry, "ChkX" clicks a box,
    // "OptX" clicks a filter option; "+file" writes a rom file into the games folder.
    bool apply(const QString &step);
    QString line() const { return shownText(m_main, QStringLiteral("LabSpecialFilters")); }
    bool lineShown() const { return child<QLabel>(m_main, "LabSpecialFilters")->isVisible(); }

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestSpecialFilters::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    QVERIFY(addGames(*m_install));
    m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    QVERIFY(m_main);
    QVERIFY(showTab(m_main, QStringLiteral("Filters")));
}

void TestSpecialFilters::cleanup()
{
    closeFrontEnd();
    m_main = nullptr;
    m_install.reset();
}

bool TestSpecialFilters::apply(const QString &step)
{
    const QStringList parts = step.split(QLatin1Char('='));
    if (parts.size() == 2)
        return chooseEntry(m_main, parts[0], parts[1]);
    if (step.startsWith(QLatin1Char('+')))
        return writeFile(m_install->path(QStringLiteral("console/gameboy/games/")) + step.mid(1));
    if (step.startsWith(QLatin1String("Opt"))) {
        clickOn(m_main, step);
        return true;
    }
    auto *box = child<QCheckBox>(m_main, step);
    if (!box)
        return false;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    return true;
}

void TestSpecialFilters::narrowTheList_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("line");
    const QString dash = QString(QChar(0x2013));
    QTest::newRow("genre, any case") << QStringList{"CmbFilterGenre=Platform"} << "OptAll"
                                     << "" << QStringList{"Alpha Quest", "Epsilon's Cave", "Gamma Jump", "Zeta"}
                                     << "Genre = Platform";
    QTest::newRow("genre and years") << QStringList{"CmbFilterGenre=Platform", "CmbFilterYearFrom=1990",
                                                    "CmbFilterYearTo=1993"}
                                     << "OptAll"
                                     << "" << QStringList{"Alpha Quest", "Epsilon's Cave"}
                                     << "Genre = Platform, 1990" + dash + "1993";
    QTest::newRow("years backwards") << QStringList{"CmbFilterYearFrom=1995", "CmbFilterYearTo=1994"} << "OptAll"
                                     << "" << QStringList{"Beta Racer", "Gamma Jump"} << "1994" + dash + "1995";
    QTest::newRow("from a year") << QStringList{"CmbFilterYearFrom=1994"} << "OptAll"
                                 << "" << QStringList{"Beta Racer", "Delta Puzzle", "Gamma Jump"}
                                 << "1994 or later";
    QTest::newRow("up to a year") << QStringList{"CmbFilterYearTo=1990"} << "OptAll"
                                  << "" << QStringList{"Alpha Quest"} << "1990 or earlier";
    QTest::newRow("least rating") << QStringList{"CmbFilterRating=4"} << "OptAll"
                                  << "" << QStringList{"Beta Racer", "Delta Puzzle"}
                                  << QString("Rating %1 4").arg(QChar(0x2265));
    QTest::newRow("not playable takes in empty")
        << QStringList{"CmbFilterPlayable=no"} << "OptAll"
        << "" << QStringList{"Delta Puzzle", "Gamma Jump"} << "Playable = no";
    QTest::newRow("with the option Not Work") << QStringList{"CmbFilterPlayable=no"} << "OptNotPlay"
                                              << "" << QStringList{"Gamma Jump"} << "Playable = no";
    QTest::newRow("favourite with Playable") << QStringList{"CmbFilterFavourite=yes"} << "OptPlayable"
                                             << "" << QStringList{"Alpha Quest"} << "Favourite = yes";
    QTest::newRow("colour no, cracked yes")
        << QStringList{"CmbFilterColour=no", "CmbFilterCracked=yes"} << "OptAll"
        << "" << QStringList{"Beta Racer", "Delta Puzzle"} << "Colour = no, Cracked = yes";
    QTest::newRow("never played") << QStringList{"ChkNeverPlayed"} << "OptAll"
                                  << "" << QStringList{"Alpha Quest", "Delta Puzzle", "Zeta"} << "Never played";
    QTest::newRow("rom file missing") << QStringList{"ChkRomMissing"} << "OptAll"
                                      << "" << QStringList{"Beta Racer", "Delta Puzzle", "Zeta"}
                                      << "Rom file missing";
    QTest::newRow("rom file missing, one written since")
        << QStringList{"ChkRomMissing", "+beta.gb", "OptAll"} << "OptAll"
        << "" << QStringList{"Delta Puzzle", "Zeta"} << "Rom file missing";
    QTest::newRow("lists and search") << QStringList{"CmbFilterLanguage=English", "CmbFilterProducer=Bitforge"}
                                      << "OptAll"
                                      << "jump" << QStringList{"Gamma Jump"}
                                      << "Language = English, Producer = Bitforge";
    QTest::newRow("nothing left") << QStringList{"CmbFilterGenre=Racing", "CmbFilterPlayable=no"} << "OptAll"
                                  << "" << QStringList() << "Genre = Racing, Playable = no";
}

void TestSpecialFilters::narrowTheList()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, option);
    QFETCH(QString, search);
    QFETCH(QStringList, names);
    QFETCH(QString, line);
    clickOn(m_main, option);
    for (const QString &step : std::as_const(steps))
        QVERIFY2(apply(step), qPrintable(step));
    typeText(child<QLineEdit>(m_main, "TxtSearch"), search);

    QCOMPARE(listedGames(m_main), names);
    QCOMPARE(this->line(), QStringLiteral("Special filters on: ") + line);
    QVERIFY(lineShown());
    const int listed = int(listedGames(m_main).size());
    QVERIFY(shownText(m_main, QStringLiteral("LabSearchCount")).startsWith(QString::number(listed) + " of "));
    if (search.isEmpty()) // the counts are those of the narrowed list
        QCOMPARE(panelText(m_main, 2), QStringLiteral("All Games : %1  ").arg(listed));

    clickOn(m_main, QStringLiteral("CmdClearSpecialFilters"));
    replaceText(child<QLineEdit>(m_main, "TxtSearch"), QString());
    clickOn(m_main, QStringLiteral("OptAll"));
    QCOMPARE(listedGames(m_main), all);
    QVERIFY(!lineShown());
    QCOMPARE(shownText(m_main, QStringLiteral("CmbFilterGenre")), QStringLiteral("any"));
}

void TestSpecialFilters::keptPerConsoleAndCleared()
{
    QVERIFY(apply(QStringLiteral("CmbFilterGenre=Puzzle")));
    QCOMPARE(listedGames(m_main), QStringList{"Delta Puzzle"});
    QVERIFY(m_install->addGame(QStringLiteral("Nes Puzzle"), {{"Genre", "Racing"}},
                               QStringLiteral("\\database\\nintendo.mdb")));

    trigger(m_main, QStringLiteral("nintendo"));
    QCOMPARE(listedGames(m_main), QStringList{"Nes Puzzle"});
    QVERIFY(!lineShown());
    QCOMPARE(shownText(m_main, QStringLiteral("CmbFilterGenre")), QStringLiteral("any"));
    QVERIFY(apply(QStringLiteral("CmbFilterGenre=Action")));
    QVERIFY(listedGames(m_main).isEmpty());

    trigger(m_main, QStringLiteral("gameboy"));
    QCOMPARE(listedGames(m_main), QStringList{"Delta Puzzle"});
    QCOMPARE(shownText(m_main, QStringLiteral("CmbFilterGenre")), QStringLiteral("Puzzle"));
    QCOMPARE(line(), QStringLiteral("Special filters on: Genre = Puzzle"));
    // The record shows a game of the narrowed list.
    QCOMPARE(shownText(m_main, QStringLiteral("LabGame")), QStringLiteral("Delta Puzzle"));

    auto *clear = child<QPushButton>(m_main, "CmdClearFilters");
    QVERIFY(clear->isEnabled());
    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(listedGames(m_main), all);
    QVERIFY(!clear->isEnabled());
    trigger(m_main, QStringLiteral("nintendo"));
    QVERIFY(listedGames(m_main).isEmpty()); // Action, kept for the Nintendo
    QVERIFY(lineShown());
}

// With no special filter on, the list and its counts are those of the filter options alone.
void TestSpecialFilters::offShowsTheWindowAsBefore()
{
    QVERIFY(!lineShown());
    QCOMPARE(listedGames(m_main), all);
    QCOMPARE(panelText(m_main, 2), QStringLiteral("All Games : 6  "));
    clickOn(m_main, QStringLiteral("OptFavorite"));
    QCOMPARE(listedGames(m_main), (QStringList{"Alpha Quest", "Gamma Jump"}));
    QVERIFY(!child<QPushButton>(m_main, "CmdClearFilters")->isEnabled());
    QCOMPARE(child<QComboBox>(m_main, "CmbFilterGenre")->itemText(0), QStringLiteral("any"));
    QVERIFY(child<QComboBox>(m_main, "CmbFilterGenre")->findText(QStringLiteral("Platform")) > 0);
    QVERIFY(child<QComboBox>(m_main, "CmbFilterYearFrom")->findText(QStringLiteral("2001")) > 0);
}

QTEST_MAIN(TestSpecialFilters)
#include "tst_specialfilters.moc"
