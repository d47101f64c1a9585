// The main window's widgets: names, kinds, captions and design states that the behaviour
// and the tests of the other windows rely on; the mark list; the drawn pictures.

#include "frontend/frminizio.h"
#include "frontend/frmmain_ui.h"
#include "frontend/gamelistwidget.h"
#include "frontend/pictures.h"
#include "frontend/strikeline.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/marklist.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

class TestFrmMainUi : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void toolbarButtonsInOrder();
    void tabPagesAreTheFrames_data();
    void tabPagesAreTheFrames();
    void designState_data();
    void designState();
    void line2LiesOverImgFavorites();

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
    QWidget *find(const QString &name) const;
    MarkList *filledMarkList();

    std::unique_ptr<QMainWindow> m_window;
    FrmMainUi m_ui;
};

void TestFrmMainUi::init()
{
    m_window = std::make_unique<QMainWindow>();
    m_ui = FrmMainUi();
    m_ui.setupUi(m_window.get());
}

void TestFrmMainUi::cleanup() { m_window.reset(); }

QWidget *TestFrmMainUi::find(const QString &name) const { return m_window->findChild<QWidget *>(name); }

void TestFrmMainUi::toolbarButtonsInOrder()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("FrmMain"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Ludora4 Rel. 4.0.0"));
    const QStringList keys = {"gameboy",   "nintendo", "snes", "lynx",     "master",
                              "megadrive", "gamegear", "msx",  "pcengine", "amiga"};
    const QList<QAction *> actions = m_ui.Toolbar1->actions();
    QCOMPARE(actions.size(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        QCOMPARE(actions.at(i)->objectName(), keys.at(i));
        QCOMPARE(m_window->findChild<QAction *>(keys.at(i)), actions.at(i));
        QVERIFY(!actions.at(i)->icon().isNull());
        QVERIFY(actions.at(i)->text().isEmpty());
    }
    QCOMPARE(actions.at(3)->toolTip(), QStringLiteral("Atari Lynx"));
}

void TestFrmMainUi::tabPagesAreTheFrames_data()
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

void TestFrmMainUi::tabPagesAreTheFrames()
{
    QFETCH(QString, tabs);
    QFETCH(QString, frames);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, titles);
    auto *tabWidget = m_window->findChild<QTabWidget *>(tabs);
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

void TestFrmMainUi::designState_data()
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

void TestFrmMainUi::designState()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);
    auto *button = m_window->findChild<QAbstractButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->isChecked(), checked);
}

void TestFrmMainUi::line2LiesOverImgFavorites()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(m_ui.Line2->isHidden());
    m_ui.Line2->show();
    QCOMPARE(m_ui.Line2->parentWidget(), m_ui.ImgFavorites->parentWidget());
    QCOMPARE(m_ui.Line2->geometry(), m_ui.ImgFavorites->geometry());
    QVERIFY(m_ui.Line2->testAttribute(Qt::WA_TransparentForMouseEvents));
    // It stays on top: the widget found at the picture's centre is the line.
    const QPoint centre = m_ui.ImgFavorites->geometry().center();
    const QList<QWidget *> siblings =
        m_ui.ImgFavorites->parentWidget()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(siblings.indexOf(m_ui.Line2) > siblings.indexOf(m_ui.ImgFavorites));
    QVERIFY(m_ui.Line2->geometry().contains(centre));
}

MarkList *TestFrmMainUi::filledMarkList()
{
    MarkList *list = m_ui.LstSetting;
    list->addEntry(QStringLiteral("Fullscreen"), true);
    list->addEntry(QStringLiteral("Sound off"), false);
    list->addEntry(QStringLiteral("Fast"), false);
    m_window->show();
    m_ui.TabGeneral->setCurrentIndex(2);
    return list;
}

void TestFrmMainUi::markListClickTogglesAndReports()
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

void TestFrmMainUi::markListIgnoresEmptySpaceAndProgramMarks()
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

void TestFrmMainUi::markListSpaceToggles()
{
    MarkList *list = filledMarkList();
    QSignalSpy clicked(list, &MarkList::entryClicked);
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(list->isMarked(2));
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 2);
}

void TestFrmMainUi::gameListViewModes_data()
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

void TestFrmMainUi::gameListViewModes()
{
    QFETCH(int, mode);
    QFETCH(bool, report);
    QFETCH(int, listMode);
    QFETCH(int, iconSide);
    GameListWidget *games = m_ui.LstGames;
    QStandardItemModel model;
    model.appendRow(new QStandardItem(QStringLiteral("Tetris")));
    games->setModel(&model);
    m_window->show();

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

void TestFrmMainUi::gameListReportHeaderSurvivesClear()
{
    QStandardItemModel model;
    m_ui.LstGames->setModel(&model);
    model.appendRow(new QStandardItem(QStringLiteral("Tetris")));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Games"));
    model.clear();
    model.appendRow(new QStandardItem(QStringLiteral("Zelda")));
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Games"));
    QVERIFY(!m_ui.LstGames->treeView()->rootIsDecorated());
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

void TestFrmMainUi::pictureSizes_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::newRow("flag") << "flag" << 6;
    QTest::newRow("rating") << "rating" << 6;
    QTest::newRow("playable") << "playable" << 2;
}

void TestFrmMainUi::pictureSizes()
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

void TestFrmMainUi::splash()
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

QTEST_MAIN(TestFrmMainUi)
#include "tst_frmmain_ui.moc"
