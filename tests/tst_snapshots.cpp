// Screenshots in the main window: what the three boxes show for a game, browsing with
// "<" and ">", choosing a screen file, and converting an image into a screenshot
// (through the chooser, with a recording launcher and end to end with I_View32).
#include "gif/gifwriter.h"
#include "shared/paths.h"
#include "shared/snapshotconversion.h"
#include "tests/support/chooserfolders.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTest>

namespace {

// Each screenshot is one plain colour, so a box tells which one it shows.
const QMap<QString, QColor> &colours()
{
    static const QMap<QString, QColor> map = {{QStringLiteral("first"), QColor(200, 30, 30)},
                                              {QStringLiteral("one"), QColor(30, 200, 30)},
                                              {QStringLiteral("two"), QColor(30, 30, 200)},
                                              {QStringLiteral("three"), QColor(200, 200, 30)},
                                              {QStringLiteral("other"), QColor(30, 200, 200)}};
    return map;
}

QImage solid(const QColor &colour)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

} // namespace

class TestSnapshots : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void display_data();
    void display();
    void browsingStopsAtBothEndsAndAtAGap();
    void anotherGameStartsAtItsFirstScreenshot();
    void unreadableScreenshotWhileBrowsingShowsTheRecordAgain();
    void screenFileChooser_data();
    void screenFileChooser();
    void conversionThroughTheChooser_data();
    void conversionThroughTheChooser();
    void conversionFailuresGoToTheErrorLine_data();
    void conversionFailuresGoToTheErrorLine();
    void endToEndWithTheConverter();

private:
    QString screenDir() const { return m_install->path(QStringLiteral("console/gameboy/screen/")); }
    void addGame(const QString &name, const QVariant &screen, const QVariant &rom = QVariant());
    // Draws screenshots given as "file=colour".
    void drawShots(const QStringList &shots);
    bool startMain();
    // "none" for the no-picture image, a colour's name, "empty" or "?" for anything else.
    QString shownIn(const char *box) const;
    void click(const char *name) { clickOn(m_main, QLatin1String(name)); }
    bool enabled(const char *name) const { return child(m_main, name)->isEnabled(); }

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_main = nullptr;
};

void TestSnapshots::init()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    m_dialogs = ScriptedDialogs();
    m_launcher = RecordingLauncher();
}

void TestSnapshots::cleanup()
{
    closeFrontEnd();
    m_main = nullptr;
    m_install.reset();
}

void TestSnapshots::addGame(const QString &name, const QVariant &screen, const QVariant &rom)
{
    QVERIFY(m_install->addGame(name, {{QStringLiteral("Screen"), screen}, {QStringLiteral("Link"), rom}}));
}

void TestSnapshots::drawShots(const QStringList &shots)
{
    for (const QString &shot : shots) {
        const QString file = screenDir() + shot.section(QLatin1Char('='), 0, 0);
        const QString colour = shot.section(QLatin1Char('='), 1);
        QString error;
        if (colour == QLatin1String("text"))
            QVERIFY(writeFile(file, "not a picture\n"));
        else
            QVERIFY2(GifWriter::write(solid(colours().value(colour)), file, &error), qPrintable(error));
    }
}

bool TestSnapshots::startMain()
{
    m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    return m_main;
}

QString TestSnapshots::shownIn(const char *box) const
{
    const QImage shown = child<QLabel>(m_main, box)->pixmap().toImage();
    if (shown.isNull())
        return QStringLiteral("empty");
    if (shown == QPixmap(m_install->path(QStringLiteral("pack/immagini/none.gif"))).toImage())
        return QStringLiteral("none");
    const QColor centre = shown.pixelColor(shown.width() / 2, shown.height() / 2);
    for (auto it = colours().cbegin(); it != colours().cend(); ++it) {
        if (near(centre, it.value()))
            return it.key();
    }
    return QStringLiteral("?");
}

void TestSnapshots::display_data()
{
    QTest::addColumn<QVariant>("screen");
    QTest::addColumn<QStringList>("files"); // "name=colour"
    QTest::addColumn<QString>("snap1");     // also what ImgSnap3 shows
    QTest::addColumn<QString>("snap2");
    QTest::addColumn<bool>("right");

    const QVariant null;
    QTest::newRow("empty Screen") << null << QStringList{"_1.gif=one"} << "none"
                                  << "none" << false;
    QTest::newRow("first missing, no number 1") << QVariant("mario.gif") << QStringList() << "none"
                                                << "none" << false;
    QTest::newRow("first missing, number 1 present")
        << QVariant("mario.gif") << QStringList{"mario_1.gif=one"} << "none"
        << "one" << true;
    QTest::newRow("only the first") << QVariant("mario.gif") << QStringList{"mario.gif=first"} << "first"
                                    << "none" << false;
    QTest::newRow("first and 1") << QVariant("mario.gif") << QStringList{"mario.gif=first", "mario_1.gif=one"}
                                 << "first"
                                 << "one" << true;
    QTest::newRow("names in another case")
        << QVariant("Mario.GIF") << QStringList{"mario.gif=first", "MARIO_1.gif=one"} << "first"
        << "one" << true;
    QTest::newRow("first not a picture") << QVariant("mario.gif") << QStringList{"mario.gif=text"} << "none"
                                         << "none" << false;
}

void TestSnapshots::display()
{
    QFETCH(QVariant, screen);
    QFETCH(QStringList, files);
    QFETCH(QString, snap1);
    QFETCH(QString, snap2);
    QFETCH(bool, right);
    addGame(QStringLiteral("Mario"), screen);
    drawShots(files);
    QVERIFY(startMain());
    QVERIFY(showGame(m_main, QStringLiteral("Mario")));
    QCOMPARE(shownIn("ImgSnap1"), snap1);
    QCOMPARE(shownIn("ImgSnap3"), snap1);
    QCOMPARE(shownIn("ImgSnap2"), snap2);
    QCOMPARE(enabled("CmdRight"), right);
    QVERIFY(!enabled("CmdLeft"));
    if (QTest::currentDataTag() == QLatin1String("first not a picture"))
        QVERIFY(errorLine(m_main).contains(screenDir() + QStringLiteral("mario.gif")));
}

// Number 4 is not reached: the numbering ends at the first missing number.
void TestSnapshots::browsingStopsAtBothEndsAndAtAGap()
{
    addGame(QStringLiteral("Mario"), QStringLiteral("mario.gif"));
    drawShots({"mario.gif=first", "mario_1.gif=one", "mario_2.gif=two", "mario_4.gif=three"});
    QVERIFY(startMain());
    QVERIFY(showGame(m_main, QStringLiteral("Mario")));

    struct Step {
        const char *button;
        const char *shown;
        bool left, right;
    };
    const Step steps[] = {
        {"CmdRight", "one", true, true},   {"CmdRight", "two", true, false}, {"CmdLeft", "one", true, true},
        {"CmdLeft", "first", false, true}, {"CmdRight", "one", true, true},
    };
    for (const Step &step : steps) {
        click(step.button);
        QCOMPARE(shownIn("ImgSnap1"), QLatin1String(step.shown));
        QCOMPARE(enabled("CmdLeft"), step.left);
        QCOMPARE(enabled("CmdRight"), step.right);
        // The other boxes keep the first screenshot and number 1.
        QCOMPARE(shownIn("ImgSnap3"), QStringLiteral("first"));
        QCOMPARE(shownIn("ImgSnap2"), QStringLiteral("one"));
        QCOMPARE(QApplication::focusWidget(), gameView(m_main));
    }
}

void TestSnapshots::anotherGameStartsAtItsFirstScreenshot()
{
    addGame(QStringLiteral("Mario"), QStringLiteral("mario.gif"));
    addGame(QStringLiteral("Zelda"), QStringLiteral("zelda.gif"));
    drawShots({"mario.gif=first", "mario_1.gif=one", "mario_2.gif=two", "zelda.gif=other", "zelda_1.gif=three"});
    QVERIFY(startMain());
    QVERIFY(showGame(m_main, QStringLiteral("Mario")));
    click("CmdRight");
    click("CmdRight");
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("two"));

    QVERIFY(showGame(m_main, QStringLiteral("Zelda")));
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("other"));
    QVERIFY(!enabled("CmdLeft"));
    QVERIFY(enabled("CmdRight"));
    click("CmdRight");
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("three"));
    QVERIFY(!enabled("CmdRight"));
}

void TestSnapshots::unreadableScreenshotWhileBrowsingShowsTheRecordAgain()
{
    addGame(QStringLiteral("Mario"), QStringLiteral("mario.gif"));
    drawShots({"mario.gif=first", "mario_1.gif=one", "mario_2.gif=two"});
    QVERIFY(startMain());
    QVERIFY(showGame(m_main, QStringLiteral("Mario")));
    click("CmdRight");
    QVERIFY(writeFile(screenDir() + QStringLiteral("mario_2.gif"), "damaged since it was listed\n"));

    click("CmdRight");
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("first"));
    QVERIFY(!enabled("CmdLeft"));
    QVERIFY(enabled("CmdRight"));
    click("CmdRight"); // numbering starts again from the first screenshot
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("one"));
    QVERIFY(m_dialogs.shown.isEmpty());
}

void TestSnapshots::screenFileChooser_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("picture") << "ImgSnap1";
    QTest::newRow("screenshot field") << "Label19";
}

void TestSnapshots::screenFileChooser()
{
    QFETCH(QString, opener);
    addGame(QStringLiteral("Mario"), QStringLiteral("mario.gif"));
    drawShots({"mario.gif=first"});
    QVERIFY(startMain());
    QVERIFY(showGame(m_main, QStringLiteral("Mario")));
    clickOn(m_main, opener);

    QVERIFY(openChooser());
    QCOMPARE(openChooser()->windowTitle(), QStringLiteral("Choose Screen File For Game : Mario"));
    QVERIFY(chooserShowsFolder(screenDir()));
    QCOMPARE(entries(openChooser(), QStringLiteral("File1")), QStringList{QStringLiteral("mario.gif")});

    // A file outside the screenshot directory: only its name is taken.
    QVERIFY(enterFolder(QStringLiteral("../../../pack/immagini")));
    QVERIFY(clickFile(QStringLiteral("none.gif")));
    QCOMPARE(shownText(m_main, QStringLiteral("Label19")), QStringLiteral("none.gif"));
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("first"));
    QTRY_VERIFY(!openChooser());
}

// The console's name on status panel 1 decides how much of the rom's name the copied
// image keeps ("Console" before any switch, "Gameboy" after the Gameboy's button).
void TestSnapshots::conversionThroughTheChooser_data()
{
    QTest::addColumn<QString>("console"); // the toolbar button triggered first, if any
    QTest::addColumn<QString>("moved");
    // The Gameboy's names lose three characters, whatever status panel 1 still says.
    QTest::newRow("before any switch") << QString() << "zelda._1.png";
    QTest::newRow("gameboy") << "gameboy"
                             << "zelda._1.png";
}

void TestSnapshots::conversionThroughTheChooser()
{
    QFETCH(QString, console);
    QFETCH(QString, moved);
    addGame(QStringLiteral("Zelda"), QStringLiteral("zelda.gif"), QStringLiteral("zelda.gbc"));
    drawShots({"zelda.gif=first", "zelda..gif=first"});
    const QString pictures = m_install->path(QStringLiteral("pictures"));
    QVERIFY(QDir().mkpath(pictures));
    QVERIFY(solid(colours().value(QStringLiteral("other"))).save(pictures + QStringLiteral("/shot.png")));
    QVERIFY(startMain());
    if (!console.isEmpty())
        trigger(m_main, console);
    QCOMPARE(panelText(m_main, 1), console.isEmpty() ? QStringLiteral("Console") : QStringLiteral("Gameboy"));
    QVERIFY(showGame(m_main, QStringLiteral("Zelda")));
    const QString panel6 = panelText(m_main, 6);

    click("CmdConvUtil");
    QVERIFY(openChooser());
    QCOMPARE(openChooser()->windowTitle(), QStringLiteral("Choose Snap File To Convert For : Zelda"));
    QVERIFY(chooserShowsFolder(m_install->root()));
    QVERIFY(enterFolder(QStringLiteral("pictures")));
    QVERIFY(clickFile(QStringLiteral("shot.png")));

    const QString stem = screenDir() + moved.chopped(4);
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program,
             Paths::join(m_install->root(), SnapshotConversion::converterRelativePath()));
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList({stem + QStringLiteral(".png"), QStringLiteral("/c=") + stem + QStringLiteral(".gif")}));
    QVERIFY(QFile::exists(screenDir() + moved));
    QVERIFY(QFile::exists(pictures + QStringLiteral("/shot.png")));
    QCOMPARE(shownText(m_main, QStringLiteral("Label19")),
             moved.section(QLatin1Char('_'), 0, 0) + QStringLiteral(".gif"));
    // Nothing is shown afresh while the converter runs.
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("first"));
    QCOMPARE(panelText(m_main, 6), panel6); // no error recorded
}

void TestSnapshots::conversionFailuresGoToTheErrorLine_data()
{
    QTest::addColumn<QVariant>("rom");
    QTest::addColumn<QString>("taken"); // a file already in the screenshot directory
    QTest::addColumn<bool>("starts");   // what the launcher answers
    QTest::addColumn<QString>("named"); // what the error line names
    QTest::newRow("no rom") << QVariant() << QString() << true << "rom";
    QTest::newRow("target name taken") << QVariant("zelda.gb") << "zelda.png" << true << "zelda.png";
    QTest::newRow("converter cannot start") << QVariant("zelda.gb") << QString() << false << "I_View32";
}

void TestSnapshots::conversionFailuresGoToTheErrorLine()
{
    QFETCH(QVariant, rom);
    QFETCH(QString, taken);
    QFETCH(bool, starts);
    QFETCH(QString, named);
    addGame(QStringLiteral("Zelda"), QStringLiteral("old.gif"), rom);
    if (!taken.isEmpty())
        QVERIFY(solid(Qt::black).save(screenDir() + taken));
    const QString source = m_install->path(QStringLiteral("shot.png"));
    QVERIFY(solid(Qt::white).save(source));
    m_launcher.succeed = starts;
    QVERIFY(startMain());
    QVERIFY(showGame(m_main, QStringLiteral("Zelda")));

    click("CmdConvUtil");
    QVERIFY(clickFile(QStringLiteral("shot.png")));
    QVERIFY2(errorLine(m_main).contains(named), qPrintable(errorLine(m_main)));
    QVERIFY(QFile::exists(source));
    QCOMPARE(shownText(m_main, QStringLiteral("Label19")), QStringLiteral("old.gif"));
    QVERIFY(m_dialogs.shown.isEmpty());
}

// The real converter, run as the front-end asked the launcher to start it: the chosen PNG
// becomes the game's screenshot, shown as soon as the converter has ended, before a save.
void TestSnapshots::endToEndWithTheConverter()
{
    addGame(QStringLiteral("Pac Man"), QVariant(), QStringLiteral("pacman.gb"));
    const QString pictures = m_install->path(QStringLiteral("my pictures"));
    QVERIFY(QDir().mkpath(pictures));
    QVERIFY(solid(colours().value(QStringLiteral("two"))).save(pictures + QStringLiteral("/Shot.png")));
    QVERIFY(startMain());
    QVERIFY(showGame(m_main, QStringLiteral("Pac Man")));
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("none"));

    click("CmdConvUtil");
    QVERIFY(enterFolder(QStringLiteral("my pictures")));
    const QString panel6 = panelText(m_main, 6);
    QVERIFY(clickFile(QStringLiteral("Shot.png")));
    QCOMPARE(panelText(m_main, 6), panel6);
    QCOMPARE(shownText(m_main, QStringLiteral("Label19")), QStringLiteral("pacman.gif"));
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(QProcess::execute(m_launcher.started[0].program, m_launcher.started[0].arguments), 0);

    const QString gif = screenDir() + QStringLiteral("pacman.gif");
    QImageReader reader(gif);
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.read().size(), QSize(64, 48));
    QVERIFY(QFile::exists(screenDir() + QStringLiteral("pacman.png"))); // the copy
    QVERIFY(QFile::exists(pictures + QStringLiteral("/Shot.png")));

    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("none"));
    m_launcher.finish(0, 100);
    QCOMPARE(shownIn("ImgSnap1"), QStringLiteral("two"));
    QCOMPARE(shownIn("ImgSnap3"), QStringLiteral("two"));
}

QTEST_MAIN(TestSnapshots)
#include "tst_snapshots.moc"
