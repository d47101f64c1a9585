// The main window as a person meets it: names, captions and design states that the
// behaviour and the other tests rely on, a window that grows where the games are, whole
// status texts; the mark list, the game list's modes, the drawn pictures, the splash.

#include "frontend/app/frminizio.h"
#include "frontend/common/pictures.h"
#include "frontend/games/gamelistwidget.h"
#include "shared/widgets/marklist.h"
#include "tests/support/fakes.h"
#include "tests/support/frontendrun.h"
#include "tests/support/testinstall.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

#include <memory>

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void toolbarButtonsInOrder();
    void tabPagesAreTheFrames_data();
    void tabPagesAreTheFrames();
    void designState_data();
    void designState();
    void line2LiesOverImgFavorites();
    void gameListTakesWhatTheWindowGrowsBy();
    void statusPanelsShowWholeTexts();
    void listAndReportShowWholeNames_data();
    void listAndReportShowWholeNames();

    void markListClickTogglesAndReports();
    void markListIgnoresEmptySpaceAndProgramMarks();
    void markListSpaceToggles();

    void gameListViewModes_data();
    void gameListViewModes();
    void gameListReportHeaderSurvivesClear();

    void pictureSizes_data();
    void pictureSizes();

    void splash();

private:
    static QString longName()
    {
        return QStringLiteral(
            "The Longest Quest of All Times and Places - Director's Special Collector's Edition 2");
    }
    MarkList *filledMarkList();

    std::unique_ptr<TestInstall> m_install;
    ScriptedDialogs m_dialogs;
    RecordingLauncher m_launcher;
    QMainWindow *m_window = nullptr;
    std::unique_ptr<MarkList> m_markList;
};

// One window for the whole program, on an installation without games: the checks look
// at it and never store anything.
void TestWindow::initTestCase()
{
    m_install = std::make_unique<TestInstall>();
    QVERIFY2(m_install->isValid(), qPrintable(m_install->error()));
    QVERIFY(m_install->addGame(QStringLiteral("Abc")));
    QVERIFY(m_install->addGame(longName()));
    m_window = startFrontEnd(m_install->root(), m_dialogs, m_launcher);
    QVERIFY(m_window);
}

void TestWindow::cleanupTestCase()
{
    m_markList.reset();
    closeFrontEnd();
    m_install.reset();
}

void TestWindow::toolbarButtonsInOrder()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("FrmMain"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ludora4 Rel. 4.0.0"));
    const QStringList keys = {"gameboy",   "nintendo", "snes", "lynx",     "master",
                              "megadrive", "gamegear", "msx",  "pcengine", "amiga"};
    const QList<QAction *> actions = child<QToolBar>(m_window, "Toolbar1")->actions();
    QCOMPARE(actions.size(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(actions.at(i)->objectName(), keys.at(i));
        QVERIFY(!actions.at(i)->icon().isNull());
        QVERIFY(actions.at(i)->text().isEmpty());
    }
    QCOMPARE(actions.at(3)->toolTip(), QStringLiteral("Atari Lynx"));
}

void TestWindow::tabPagesAreTheFrames_data()
{
    QTest::addColumn<QString>("tabs");
    QTest::addColumn<QString>("frames");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("TabGames") << "TabGames"
                              << "FrmGames" << QStringList{"Games", "About", "Plug-Ins"}
                              << QStringList{"", "", "Ludora Plug Ins and Configuration"};
    QTest::newRow("TabGeneral") << "TabGeneral"
                                << "FrmGeneral" << QStringList{"Info", "Multi Snap", "Setting", "Docs", "Filters"}
                                << QStringList{"General Info", "SnapShot", "Setting Option Parameter Passed",
                                               "Documents", "Special Filters"};
}

void TestWindow::tabPagesAreTheFrames()
{
    QFETCH(QString, tabs);
    QFETCH(QString, frames);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, titles);
    auto *tabWidget = child<QTabWidget>(m_window, tabs);
    QVERIFY(tabWidget);
    QCOMPARE(tabWidget->count(), texts.size());
    QCOMPARE(tabWidget->currentIndex(), 0);
    for (int i = 0; i < texts.size(); ++i) {
        QCOMPARE(tabWidget->tabText(i), texts.at(i));
        auto *page = qobject_cast<QGroupBox *>(tabWidget->widget(i));
        QVERIFY(page);
        QCOMPARE(page->objectName(), frames + QLatin1Char('_') + QString::number(i));
        QCOMPARE(page->title(), titles.at(i));
    }
}

void TestWindow::designState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");
    for (const char *name : {"Command3", "Command4", "Command5", "Command6", "Command7", "CmdSaveDoc",
                             "CmdCancelDoc", "CmdLeft", "CmdRight"})
        QTest::newRow(name) << QString::fromLatin1(name) << false << false;
    for (const char *name : {"OptAll", "OptIcon1", "Option1"})
        QTest::newRow(name) << QString::fromLatin1(name) << true << true;
    for (const char *name : {"OptFavorite", "OptIcon3", "Option4", "CmdAddDoc", "Command1", "Command9"})
        QTest::newRow(name) << QString::fromLatin1(name) << true << false;
}

void TestWindow::designState()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    auto *button = child<QAbstractButton>(m_window, name);
    QVERIFY(button);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->isChecked(), checked);
}

void TestWindow::line2LiesOverImgFavorites()
{
    auto *line = child<QWidget>(m_window, "Line2");
    auto *favorites = child<QWidget>(m_window, "ImgFavorites");
    QVERIFY(line && favorites);
    line->show();
    QVERIFY(line->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(line->parentWidget(), favorites->parentWidget());
    QCOMPARE(line->geometry(), favorites->geometry());
    // It stays on top: it comes after the picture among their siblings.
    const QList<QWidget *> siblings =
        favorites->parentWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(siblings.indexOf(line) > siblings.indexOf(favorites));
    line->hide();
}

// The list side takes the extra width and height; the record form keeps its size.
void TestWindow::gameListTakesWhatTheWindowGrowsBy()
{
    const QSize before = m_window->size();
    QWidget *list = child<QWidget>(m_window, "LstGames");
    QWidget *record = child<QWidget>(m_window, "TabGeneral");
    const int recordWidth = record->width();
    const int listHeight = list->height();
    m_window->resize(1600, 1000);
    QTRY_COMPARE(m_window->width(), 1600);
    QVERIFY2(list->width() * 3 >= m_window->width(), qPrintable(QString::number(list->width())));
    // The record side stays at its natural width (or what it had, when it had more).
    QVERIFY(record->width() <= qMax(recordWidth, record->sizeHint().width()));
    QVERIFY(list->height() > listHeight);
    m_window->resize(before);
}

// On a screen 1024 pixels wide, five-digit counts and the longest console name are shown whole.
void TestWindow::statusPanelsShowWholeTexts()
{
    const QSize before = m_window->size();
    m_window->resize(1008, 700);
    QTRY_COMPARE(m_window->width(), 1008);
    const QString texts[] = {"SuperNintendo",
                             "All Games : 12345  ",
                             "Favorite Games : 12345  ",
                             "Playable Games : 12345  ",
                             "Not Working Games : 12345  ",
                             "Total Times Played : 12345  "};
    for (int panel = 1; panel <= 6; ++panel) {
        auto *label = child<QLabel>(m_window, QStringLiteral("Panel%1").arg(panel));
        QVERIFY(label);
        const int needed = label->fontMetrics().horizontalAdvance(texts[panel - 1].trimmed());
        QVERIFY2(label->contentsRect().width() >= needed, qPrintable(texts[panel - 1]));
    }
    m_window->resize(before);
}

MarkList *TestWindow::filledMarkList()
{
    m_markList = std::make_unique<MarkList>();
    MarkList *list = m_markList.get();
    list->addEntry(QStringLiteral("Fullscreen"), true);
    list->addEntry(QStringLiteral("Sound off"), false);
    list->addEntry(QStringLiteral("Fast"), false);
    list->resize(200, 120);
    list->show();
    return list;
}

void TestWindow::listAndReportShowWholeNames_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("List") << "Option3";
    QTest::newRow("Report") << "Option4";
}

// Narrower than the name, the list scrolls sideways instead of cutting it.
void TestWindow::listAndReportShowWholeNames()
{
    QFETCH(QString, option);
    clickOn(m_window, option);
    QAbstractItemView *view = gameView(m_window);
    QVERIFY(view && view->isVisible());
    const QModelIndex game = view->model()->index(1, 0);
    QCOMPARE(game.data().toString(), longName());
    const int needed = view->fontMetrics().horizontalAdvance(longName()) + view->iconSize().width();
    QVERIFY2(view->visualRect(game).width() >= needed,
             qPrintable(QString::number(view->visualRect(game).width())));
    clickOn(m_window, QStringLiteral("Option1"));
}

void TestWindow::markListClickTogglesAndReports()
{
    MarkList *list = filledMarkList();
    QSignalSpy clicked(list, &MarkList::entryClicked);
    const QRect second = list->visualItemRect(list->item(1));

    // On the right of the text, away from the check indicator: still the entry.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(second.right() - 4, second.center().y()));
    QVERIFY(list->isMarked(1));
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1);

    // On the indicator itself: one toggle, not two.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(second.left() + 8, second.center().y()));
    QVERIFY(!list->isMarked(1));
    QCOMPARE(clicked.size(), 2);

    const QRect first = list->visualItemRect(list->item(0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first.center());
    QVERIFY(!list->isMarked(0));
    QCOMPARE(clicked.last().at(0).toInt(), 0);
    QCOMPARE(list->currentRow(), 0);

    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, first.center());
    QVERIFY(!list->isMarked(0));
    QCOMPARE(clicked.size(), 3);
}

void TestWindow::markListIgnoresEmptySpaceAndProgramMarks()
{
    MarkList *list = filledMarkList();
    QSignalSpy clicked(list, &MarkList::entryClicked);
    const QRect last = list->visualItemRect(list->item(2));
    QVERIFY(last.bottom() + 10 < list->viewport()->height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 8));
    QCOMPARE(clicked.size(), 0);

    list->setMarked(2, true);
    list->setMarked(0, false);
    QVERIFY(list->isMarked(2));
    QVERIFY(!list->isMarked(0));
    QVERIFY(!list->isMarked(7));
    QCOMPARE(clicked.size(), 0);
}

void TestWindow::markListSpaceToggles()
{
    MarkList *list = filledMarkList();
    QSignalSpy clicked(list, &MarkList::entryClicked);
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(list->isMarked(2));
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 2);
}

void TestWindow::gameListViewModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("report");
    QTest::addColumn<int>("listMode");
    QTest::addColumn<int>("iconSide");
    QTest::newRow("Icon") << 0 << false << int(QListView::IconMode) << 32;
    QTest::newRow("Small Icon") << 1 << false << int(QListView::IconMode) << 16;
    QTest::newRow("List") << 2 << false << int(QListView::ListMode) << 16;
    QTest::newRow("Report") << 3 << true << 0 << 16;
}

void TestWindow::gameListViewModes()
{
    QFETCH(int, mode);
    QFETCH(bool, report);
    QFETCH(int, listMode);
    QFETCH(int, iconSide);
    GameListWidget owner;
    GameListWidget *games = &owner;
    QStandardItemModel model;
    model.appendRow(new QStandardItem(QStringLiteral("Tetris")));
    games->setModel(&model);
    games->show();

    games->setViewMode(mode);
    QCOMPARE(games->viewMode(), mode);
    QAbstractItemView *view = games->view();
    QVERIFY(view->isVisible());
    QCOMPARE(view->model(), &model);
    QCOMPARE(view->iconSize(), QSize(iconSide, iconSide));
    QCOMPARE(view == games->treeView(), report);
    QCOMPARE((report ? games->listView() : static_cast<QAbstractItemView *>(games->treeView()))->isVisible(),
             false);
    if (!report)
        QCOMPARE(int(games->listView()->viewMode()), listMode);

    // One selection serves both views, so switching the mode keeps the selected game.
    games->treeView()->setCurrentIndex(model.index(0, 0));
    QCOMPARE(games->listView()->currentIndex(), model.index(0, 0));
}

void TestWindow::gameListReportHeaderSurvivesClear()
{
    QStandardItemModel model;
    GameListWidget games;
    games.setModel(&model);
    model.appendRow(new QStandardItem(QStringLiteral("Tetris")));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Games"));
    model.clear();
    model.appendRow(new QStandardItem(QStringLiteral("Zelda")));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Games"));
    QVERIFY(!games.treeView()->rootIsDecorated());
}

namespace {
QPixmap listPicture(const QString &list, int number, bool large)
{
    if (list == QLatin1String("flag"))
        return Pictures::flag(number, large);
    if (list == QLatin1String("rating"))
        return Pictures::rating(number, large);
    return Pictures::playable(number, large);
}
} // namespace

void TestWindow::pictureSizes_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::newRow("flag") << "flag" << 6;
    QTest::newRow("rating") << "rating" << 6;
    QTest::newRow("playable") << "playable" << 2;
}

void TestWindow::pictureSizes()
{
    QFETCH(QString, list);
    QFETCH(int, count);
    const auto picture = [&list](int number, bool large) { return listPicture(list, number, large); };
    for (int number = 1; number <= count; ++number) {
        QCOMPARE(picture(number, true).size(), QSize(32, 32));
        QCOMPARE(picture(number, false).size(), QSize(16, 16));
        // Distinct pictures, and the cache hands back the same one.
        if (number > 1)
            QVERIFY(picture(number, true).toImage() != picture(number - 1, true).toImage());
        QCOMPARE(picture(number, true).toImage(), picture(number, true).toImage());
    }
    QVERIFY(picture(0, true).isNull());
    QVERIFY(picture(count + 1, false).isNull());
}

void TestWindow::splash()
{
    FrmInizio splash;
    QCOMPARE(splash.objectName(), QStringLiteral("FrmInizio"));
    auto *label = splash.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Rel. 4.0.0"));
    auto *image = splash.findChild<QLabel *>(QStringLiteral("Image2"));
    QVERIFY(image);
    QCOMPARE(image->pixmap().size(), QSize(300, 100));
    auto *timer = splash.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 500);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
