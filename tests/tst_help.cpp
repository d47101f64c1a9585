// The mini help of both programs: the tree and the first topic at opening, a topic shown
// once however often it is clicked, the line rules of each book, and the buttons and menu
// items that open it.
#include "help/frmhelp.h"
#include "help/helpbooks.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"
#include "tests/tst_emuset_support.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

Q_DECLARE_METATYPE(HelpBook)

namespace {

QStringList shownLines(const FrmHelp &help) { return EmusetRun::entries(help.Text1); }

void clickNode(QTreeWidget *tree, QTreeWidgetItem *node)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

QTreeWidgetItem *node(QTreeWidget *tree, const QString &text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { EmusetRun::closeAll(); }
    void openingShowsWhatIs_data();
    void openingShowsWhatIs();
    void topicClickedTwiceShowsOnce_data();
    void topicClickedTwiceShowsOnce();
    void frontEndLinesArePaddedTo64();
    void emusetLinesAreShortAndUnpadded();
    void frontEndButtonOpensItsHelp();
    void emusetMenuOpensItsHelp();
};

void TestHelp::openingShowsWhatIs_data()
{
    QTest::addColumn<HelpBook>("book");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("nodes");
    QTest::newRow("front-end") << HelpBooks::ludora4() << QStringLiteral("Ludora4 MiniHelp")
                               << QStringList{"What Is",
                                              "Installation",
                                              "Ludora4",
                                              "Special Buttons",
                                              "Plug-Ins",
                                              "Future Release",
                                              "Greets",
                                              "Search",
                                              "Scan Roms",
                                              "Import Gamelist",
                                              "Special Filters",
                                              "Details View",
                                              "Launch Log and Play Time"};
    QTest::newRow("emuset") << HelpBooks::emuset() << QStringLiteral("Emuset MiniHelp")
                            << QStringList{"What Is",           "Installation",
                                           "Install Emulators", "Add Command line Options",
                                           "Ludora4",           "Sorry"};
}

void TestHelp::openingShowsWhatIs()
{
    QFETCH(HelpBook, book);
    QFETCH(QString, caption);
    QFETCH(QStringList, nodes);
    FrmHelp help(book);
    help.show();
    QCOMPARE(help.windowTitle(), caption);
    QCOMPARE(help.objectName(), QStringLiteral("FrmHelp"));
    QCOMPARE(shownLines(help), book.topics.first().lines);
    QTreeWidget *tree = help.TreeView1;
    QCOMPARE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree->topLevelItem(0);
    QStringList texts{root->text(0)};
    for (int i = 0; i < root->childCount(); ++i)
        texts.append(root->child(i)->text(0));
    QCOMPARE(texts, nodes);
    QVERIFY(root->isExpanded());
}

void TestHelp::topicClickedTwiceShowsOnce_data()
{
    QTest::addColumn<HelpBook>("book");
    QTest::addColumn<QString>("topic");
    QTest::newRow("front-end") << HelpBooks::ludora4() << QStringLiteral("Plug-Ins");
    QTest::newRow("emuset") << HelpBooks::emuset() << QStringLiteral("Add Command line Options");
    QTest::newRow("launch log") << HelpBooks::ludora4() << QStringLiteral("Launch Log and Play Time");
    QTest::newRow("search") << HelpBooks::ludora4() << QStringLiteral("Search");
    QTest::newRow("scan roms") << HelpBooks::ludora4() << QStringLiteral("Scan Roms");
}

void TestHelp::topicClickedTwiceShowsOnce()
{
    QFETCH(HelpBook, book);
    QFETCH(QString, topic);
    FrmHelp help(book);
    help.show();
    QTreeWidgetItem *chosen = node(help.TreeView1, topic);
    QVERIFY(chosen);
    clickNode(help.TreeView1, chosen);
    clickNode(help.TreeView1, chosen);
    QStringList expected;
    for (const HelpTopic &each : std::as_const(book.topics)) {
        if (each.node == topic)
            expected = each.lines;
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(shownLines(help), expected);

    clickNode(help.TreeView1, help.TreeView1->topLevelItem(0));
    QCOMPARE(shownLines(help), book.topics.first().lines);
}

void TestHelp::frontEndLinesArePaddedTo64()
{
    for (const HelpTopic &topic : HelpBooks::ludora4().topics) {
        for (const QString &line : topic.lines)
            QVERIFY2(line.size() == 64, qPrintable(topic.node + QStringLiteral(": [") + line + QLatin1Char(']')));
    }
}

void TestHelp::emusetLinesAreShortAndUnpadded()
{
    for (const HelpTopic &topic : HelpBooks::emuset().topics) {
        QVERIFY(!topic.lines.isEmpty());
        for (const QString &line : topic.lines) {
            QVERIFY2(line.size() <= 42, qPrintable(topic.node + QStringLiteral(": ") + line));
            QVERIFY2(!line.endsWith(QLatin1Char(' ')), qPrintable(topic.node + QStringLiteral(": ") + line));
        }
    }
}

void TestHelp::frontEndButtonOpensItsHelp()
{
    TestInstall install;
    QVERIFY(install.isValid());
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = startFrontEnd(install.root(), dialogs, launcher);
    QVERIFY(main);
    QVERIFY(child<QPushButton>(main, "Command2"));
    clickOn(main, QStringLiteral("Command2"));
    clickOn(main, QStringLiteral("Command2"));
    const auto windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(),
                           [](const QWidget *window) { return window->objectName() == QLatin1String("FrmHelp"); }),
             1);
    auto *help = EmusetRun::window<FrmHelp>(QStringLiteral("FrmHelp"));
    QVERIFY(help);
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(help->windowTitle(), QStringLiteral("Ludora4 MiniHelp"));
    QCOMPARE(shownLines(*help), HelpBooks::ludora4().topics.first().lines);
    closeFrontEnd();
}

void TestHelp::emusetMenuOpensItsHelp()
{
    TestInstall install;
    QVERIFY(install.isValid());
    QTemporaryDir own;
    QVERIFY(EmusetRun::writeIni(own.path(), EmusetRun::iniLine(install.root())));
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QMainWindow *main = EmusetRun::start(own.path(), dialogs, launcher);
    QVERIFY(main);
    trigger(main, QStringLiteral("help1"));
    auto *help = EmusetRun::window<FrmHelp>(QStringLiteral("FrmHelp"));
    QVERIFY(help);
    QCOMPARE(help->windowTitle(), QStringLiteral("Emuset MiniHelp"));
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(shownLines(*help), HelpBooks::emuset().topics.first().lines);
    QVERIFY(main->isVisible());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
