// Screenshots in the main window: what the three boxes show for a game, browsing with
// "<" and ">", choosing a screen file, and converting an image into a screenshot
// (through the chooser, with a recording launcher and end to end with I_View32).
#include "frontend/frmbrowser.h"
#include "frontend/frmmain.h"
#include "frontend/gamelistwidget.h"
#include "frontend/globale.h"
#include "gif/gifwriter.h"
#include "shared/launcher.h"
#include "shared/paths.h"
#include "shared/snapshotconversion.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/filelists.h"
#include "shared/widgets/statuspanels.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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
    void browsingStopsAtBothEnds();
    void gapEndsTheSequence();
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
    void drawShot(const QString &file, const QString &colour);
    bool startMain();
    void showGame(const QString &name);
    // "none" for NoPicFile, a colour's name, or "?" for anything else.
    QString shownIn(QLabel *box) const;
    void clickFile(const QString &name);
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    FrmMain *m_main = nullptr;
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

void TestSnapshots::drawShot(const QString &file, const QString &colour)
{
    QString error;
    QVERIFY2(GifWriter::write(solid(colours().value(colour)), screenDir() + file, &error), qPrintable(error));
}

bool TestSnapshots::startMain()
{
    m_main = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    return m_main;
}

void TestSnapshots::showGame(const QString &name)
{
    Globale::state().CurrentGame = name;
    m_main->ShowGameRecord();
}

QString TestSnapshots::shownIn(QLabel *box) const
{
    const QImage shown = box->pixmap().toImage();
    if (shown.isNull())
        return QStringLiteral("empty");
    if (shown == QPixmap(Paths::resolve(Globale::state().NoPicFile)).toImage())
        return QStringLiteral("none");
    const QColor centre = shown.pixelColor(shown.width() / 2, shown.height() / 2);
    for (auto it = colours().cbegin(); it != colours().cend(); ++it) {
        if (near(centre, it.value()))
            return it.key();
    }
    return QStringLiteral("?");
}

void TestSnapshots::clickFile(const QString &name)
{
    QVERIFY(m_main->chooser());
    QListWidget *files = m_main->chooser()->lists()->File1;
    const auto found = files->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name + QStringLiteral(" is not listed")));
    files->scrollToItem(found[0]);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found[0]).center());
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
    for (const QString &entry : std::as_const(files)) {
        const QString file = entry.section(QLatin1Char('='), 0, 0);
        const QString colour = entry.section(QLatin1Char('='), 1);
        if (colour == QLatin1String("text")) {
            QFile text(screenDir() + file);
            QVERIFY(text.open(QIODevice::WriteOnly));
            text.write("not a picture\n");
        } else {
            drawShot(file, colour);
        }
    }
    QVERIFY(startMain());
    showGame(QStringLiteral("Mario"));
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), snap1);
    QCOMPARE(shownIn(m_main->ui.ImgSnap3), snap1);
    QCOMPARE(shownIn(m_main->ui.ImgSnap2), snap2);
    QCOMPARE(m_main->ui.CmdRight->isEnabled(), right);
    QVERIFY(!m_main->ui.CmdLeft->isEnabled());
    if (QTest::currentDataTag() == QLatin1String("first not a picture"))
        QVERIFY(m_main->ui.StatusBar1->text(6).contains(screenDir() + QStringLiteral("mario.gif")));
}

void TestSnapshots::browsingStopsAtBothEnds()
{
    addGame(QStringLiteral("Mario"), QStringLiteral("mario.gif"));
    drawShot(QStringLiteral("mario.gif"), QStringLiteral("first"));
    drawShot(QStringLiteral("mario_1.gif"), QStringLiteral("one"));
    drawShot(QStringLiteral("mario_2.gif"), QStringLiteral("two"));
    QVERIFY(startMain());
    showGame(QStringLiteral("Mario"));
    FrmMainUi &ui = m_main->ui;

    struct Step {
        QPushButton *button;
        const char *shown;
        bool left, right;
    };
    const Step steps[] = {
        {ui.CmdRight, "one", true, true},   {ui.CmdRight, "two", true, false}, {ui.CmdLeft, "one", true, true},
        {ui.CmdLeft, "first", false, true}, {ui.CmdRight, "one", true, true},
    };
    for (const Step &step : steps) {
        click(step.button);
        QCOMPARE(shownIn(ui.ImgSnap1), QLatin1String(step.shown));
        QCOMPARE(ui.CmdLeft->isEnabled(), step.left);
        QCOMPARE(ui.CmdRight->isEnabled(), step.right);
        // The other boxes keep the first screenshot and number 1.
        QCOMPARE(shownIn(ui.ImgSnap3), QStringLiteral("first"));
        QCOMPARE(shownIn(ui.ImgSnap2), QStringLiteral("one"));
        QCOMPARE(m_main->focusWidget(), ui.LstGames->view());
    }
}

void TestSnapshots::gapEndsTheSequence()
{
    addGame(QStringLiteral("Mario"), QStringLiteral("mario.gif"));
    for (const auto &[file, colour] :
         {std::pair{"mario.gif", "first"}, {"mario_1.gif", "one"}, {"mario_3.gif", "three"}})
        drawShot(QLatin1String(file), QLatin1String(colour));
    QVERIFY(startMain());
    showGame(QStringLiteral("Mario"));
    click(m_main->ui.CmdRight);
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("one"));
    QVERIFY(!m_main->ui.CmdRight->isEnabled());
}

void TestSnapshots::anotherGameStartsAtItsFirstScreenshot()
{
    addGame(QStringLiteral("Mario"), QStringLiteral("mario.gif"));
    addGame(QStringLiteral("Zelda"), QStringLiteral("zelda.gif"));
    drawShot(QStringLiteral("mario.gif"), QStringLiteral("first"));
    drawShot(QStringLiteral("mario_1.gif"), QStringLiteral("one"));
    drawShot(QStringLiteral("mario_2.gif"), QStringLiteral("two"));
    drawShot(QStringLiteral("zelda.gif"), QStringLiteral("other"));
    drawShot(QStringLiteral("zelda_1.gif"), QStringLiteral("three"));
    QVERIFY(startMain());
    showGame(QStringLiteral("Mario"));
    click(m_main->ui.CmdRight);
    click(m_main->ui.CmdRight);
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("two"));

    showGame(QStringLiteral("Zelda"));
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("other"));
    QVERIFY(!m_main->ui.CmdLeft->isEnabled());
    QVERIFY(m_main->ui.CmdRight->isEnabled());
    click(m_main->ui.CmdRight);
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("three"));
    QVERIFY(!m_main->ui.CmdRight->isEnabled());
}

void TestSnapshots::unreadableScreenshotWhileBrowsingShowsTheRecordAgain()
{
    addGame(QStringLiteral("Mario"), QStringLiteral("mario.gif"));
    drawShot(QStringLiteral("mario.gif"), QStringLiteral("first"));
    drawShot(QStringLiteral("mario_1.gif"), QStringLiteral("one"));
    drawShot(QStringLiteral("mario_2.gif"), QStringLiteral("two"));
    QVERIFY(startMain());
    showGame(QStringLiteral("Mario"));
    click(m_main->ui.CmdRight);
    QFile broken(screenDir() + QStringLiteral("mario_2.gif"));
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("damaged since it was listed\n");
    broken.close();

    click(m_main->ui.CmdRight);
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("first"));
    QVERIFY(!m_main->ui.CmdLeft->isEnabled());
    QVERIFY(m_main->ui.CmdRight->isEnabled());
    click(m_main->ui.CmdRight); // numbering starts again from the first screenshot
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("one"));
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
    drawShot(QStringLiteral("mario.gif"), QStringLiteral("first"));
    QVERIFY(startMain());
    showGame(QStringLiteral("Mario"));
    click(m_main->findChild<QWidget *>(opener));

    FrmBrowser *chooser = m_main->chooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Choose Screen File For Game : Mario"));
    QCOMPARE(chooser->lists()->path(), QDir::toNativeSeparators(QDir(screenDir()).canonicalPath()));
    QCOMPARE(chooser->lists()->pattern(), QStringLiteral("*.*"));
    QCOMPARE(Globale::state().ChooserPurpose, int(FrmMain::PurposeScreenFile));

    // A file outside the screenshot directory: only its name is taken.
    QVERIFY(chooser->lists()->setPath(m_install->path(QStringLiteral("pack/immagini"))));
    clickFile(QStringLiteral("none.gif"));
    QCOMPARE(m_main->ui.Label19->text(), QStringLiteral("none.gif"));
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("first"));
    QTRY_VERIFY(!m_main->chooser());
}

void TestSnapshots::conversionThroughTheChooser_data()
{
    QTest::addColumn<QString>("console"); // text of status panel 1
    QTest::addColumn<QString>("moved");
    QTest::newRow("before any switch") << "Console"
                                       << "zelda_1.png";
    QTest::newRow("gameboy") << "Gameboy"
                             << "zelda._1.png";
}

void TestSnapshots::conversionThroughTheChooser()
{
    QFETCH(QString, console);
    QFETCH(QString, moved);
    addGame(QStringLiteral("Zelda"), QStringLiteral("zelda.gif"), QStringLiteral("zelda.gbc"));
    drawShot(QStringLiteral("zelda.gif"), QStringLiteral("first"));
    drawShot(QStringLiteral("zelda..gif"), QStringLiteral("first"));
    const QString pictures = m_install->path(QStringLiteral("pictures"));
    QVERIFY(QDir().mkpath(pictures));
    QVERIFY(solid(colours().value(QStringLiteral("other"))).save(pictures + QStringLiteral("/shot.png")));
    QVERIFY(startMain());
    m_main->ui.StatusBar1->setText(1, console);
    showGame(QStringLiteral("Zelda"));
    const QString panel6 = m_main->ui.StatusBar1->text(6);

    click(m_main->ui.CmdConvUtil);
    FrmBrowser *chooser = m_main->chooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->windowTitle(), QStringLiteral("Choose Snap File To Convert For : Zelda"));
    QCOMPARE(chooser->lists()->path(), QDir::toNativeSeparators(QDir(m_install->root()).canonicalPath()));
    QCOMPARE(chooser->lists()->pattern(), QStringLiteral("*.*"));
    QVERIFY(chooser->lists()->setPath(pictures));
    clickFile(QStringLiteral("shot.png"));

    const QString stem = screenDir() + moved.chopped(4);
    QCOMPARE(m_launcher.started.size(), 1);
    QCOMPARE(m_launcher.started[0].program,
             Paths::join(m_install->root(), SnapshotConversion::converterRelativePath()));
    QCOMPARE(m_launcher.started[0].arguments,
             QStringList({stem + QStringLiteral(".png"), QStringLiteral("/c=") + stem + QStringLiteral(".gif")}));
    QVERIFY(QFile::exists(screenDir() + moved));
    QVERIFY(!QFile::exists(pictures + QStringLiteral("/shot.png")));
    QCOMPARE(m_main->ui.Label19->text(), moved.section(QLatin1Char('_'), 0, 0) + QStringLiteral(".gif"));
    // Nothing is shown afresh until the record is shown again.
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("first"));
    QCOMPARE(m_main->ui.StatusBar1->text(6), panel6); // no error recorded
}

void TestSnapshots::conversionFailuresGoToTheErrorLine_data()
{
    QTest::addColumn<QVariant>("rom");
    QTest::addColumn<QString>("taken"); // a file already in the screenshot directory
    QTest::addColumn<bool>("starts");   // what the launcher answers
    QTest::addColumn<bool>("sourceStays");
    QTest::addColumn<QString>("named"); // what the error line names
    QTest::newRow("no rom") << QVariant() << QString() << true << true << "rom";
    QTest::newRow("target name taken") << QVariant("zelda.smc") << "zelda.png" << true << true << "zelda.png";
    QTest::newRow("converter cannot start") << QVariant("zelda.smc") << QString() << false << false << "I_View32";
}

void TestSnapshots::conversionFailuresGoToTheErrorLine()
{
    QFETCH(QVariant, rom);
    QFETCH(QString, taken);
    QFETCH(bool, starts);
    QFETCH(bool, sourceStays);
    QFETCH(QString, named);
    addGame(QStringLiteral("Zelda"), QStringLiteral("old.gif"), rom);
    if (!taken.isEmpty())
        QVERIFY(solid(Qt::black).save(screenDir() + taken));
    const QString source = m_install->path(QStringLiteral("shot.png"));
    QVERIFY(solid(Qt::white).save(source));
    m_launcher.succeed = starts;
    QVERIFY(startMain());
    showGame(QStringLiteral("Zelda"));

    click(m_main->ui.CmdConvUtil);
    clickFile(QStringLiteral("shot.png"));
    QVERIFY2(m_main->ui.StatusBar1->text(6).contains(named), qPrintable(m_main->ui.StatusBar1->text(6)));
    QCOMPARE(QFile::exists(source), sourceStays);
    QCOMPARE(m_main->ui.Label19->text(), QStringLiteral("old.gif"));
    QVERIFY(m_dialogs.shown.isEmpty());
}

// The real converter, started by the real launcher: the chosen PNG becomes the game's
// screenshot, shown the next time its record is shown.
void TestSnapshots::endToEndWithTheConverter()
{
    addGame(QStringLiteral("Pac Man"), QStringLiteral("pacman.gif"), QStringLiteral("pacman.zip"));
    const QString pictures = m_install->path(QStringLiteral("my pictures"));
    QVERIFY(QDir().mkpath(pictures));
    QVERIFY(solid(colours().value(QStringLiteral("two"))).save(pictures + QStringLiteral("/Shot.png")));
    QVERIFY(startMain());
    SystemLauncher launcher;
    Globale::state().launcher = &launcher;
    showGame(QStringLiteral("Pac Man"));
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("none"));

    click(m_main->ui.CmdConvUtil);
    QVERIFY(m_main->chooser()->lists()->setPath(pictures));
    const QString panel6 = m_main->ui.StatusBar1->text(6);
    clickFile(QStringLiteral("Shot.png"));
    QCOMPARE(m_main->ui.StatusBar1->text(6), panel6);
    QCOMPARE(m_main->ui.Label19->text(), QStringLiteral("pacman.gif"));

    const QString gif = screenDir() + QStringLiteral("pacman.gif");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(gif), 20000);
    QImageReader reader(gif);
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.read().size(), QSize(64, 48));
    QVERIFY(QFile::exists(screenDir() + QStringLiteral("pacman.png"))); // the moved source

    showGame(QStringLiteral("Pac Man"));
    QCOMPARE(shownIn(m_main->ui.ImgSnap1), QStringLiteral("two"));
    QCOMPARE(shownIn(m_main->ui.ImgSnap3), QStringLiteral("two"));
}

QTEST_MAIN(TestSnapshots)
#include "tst_snapshots.moc"
