// The parts of the main window around its pages: toolbar, active console, tab strips in
// a splitter, status bar, the "About" page, the window's shortcuts.
#include "frontend/common/formparts.h"
#include "frontend/common/pictures.h"
#include "frontend/documents/documentspage.h"
#include "frontend/games/gamespage.h"
#include "frontend/plugins/pluginspanel.h"
#include "frontend/record/recordpage.h"
#include "frontend/setting/settingpage.h"
#include "frontend/snapshots/snapshotspage.h"
#include "frontend/window/frmmain.h"
#include "ludora4version.h"
#include "shared/consoles.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/formbuilder.h"
#include "shared/widgets/statuspanels.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Where the splitter stood, kept per user like the game list's view type (only by a host
// that names its organization: the real program, not a test).
const QString splitterKey = QStringLiteral("Window/splitter");

bool keepsChoices() { return !QCoreApplication::organizationName().isEmpty(); }

void addPages(QTabWidget *tabs, const char *name,
              const std::initializer_list<std::pair<QWidget *, const char *>> &pages)
{
    int index = 0;
    for (const auto &[page, text] : pages) {
        page->setObjectName(FormParts::arrayName(name, index++));
        tabs->addTab(page, QString::fromLatin1(text));
    }
}

QWidget *createAboutPage()
{
    QGroupBox *page = Form::frame({}, {});
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(4);

    auto *image = new QLabel;
    image->setPixmap(Pictures::about());
    auto *title = new QLabel(QStringLiteral("Ludora4"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    auto *subtitle = new QLabel(QStringLiteral("The front-end for your console emulators"));
    auto *version = new QLabel(QLatin1String(Version::text));
    auto *bugs = new QLabel(QStringLiteral("Please report any bug :"));
    auto *mail = new QLabel(QStringLiteral("ludora4-bugs@example.org"));
    auto *home = FormParts::wrapped(QStringLiteral("Go to my home page for News & Plug Ins"));
    auto *web = new QLabel(QStringLiteral("https://ludora4.example.org"));

    layout->addStretch(1);
    for (QLabel *label : {image, title, subtitle, version, bugs, mail, home, web}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    for (QLabel *label : {mail, web})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->insertSpacing(layout->indexOf(bugs), 12);
    layout->insertSpacing(layout->indexOf(home), 8);
    layout->addStretch(2);
    return page;
}

} // namespace

void FrmMain::createToolbar()
{
    auto *toolbar = Form::named(new QToolBar(this), QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->toggleViewAction()->setEnabled(false);
    for (const Consoles::Console &console : Consoles::toolbarOrder()) {
        auto *action = new QAction(QIcon(Pictures::console(console.key)), QString(), toolbar);
        action->setObjectName(console.key);
        action->setToolTip(console.statusFinal);
        toolbar->addAction(action);
        connect(action, &QAction::triggered, this, [this, &console] { switchConsole(console); });
    }
    addToolBar(Qt::TopToolBarArea, toolbar);
}

void FrmMain::createStatusBar()
{
    StatusBar1 = Form::named(new StatusPanels(7, 7, this), QStringLiteral("StatusBar1"));
    // Each panel keeps room for the longest console name or a five-digit count; longer
    // texts, errors above all, are cut short, whole in the panel's tooltip.
    const char *samples[] = {"SuperNintendo",          "All Games : 00000",         "Favorite Games : 00000",
                             "Playable Games : 00000", "Not Working Games : 00000", "Total Times Played : 00000"};
    for (int panel = 1; panel <= 6; ++panel)
        StatusBar1->setSample(panel, QLatin1String(samples[panel - 1]));
    setStatusBar(StatusBar1);
}

// The list side and the record side, split: the list side takes what the window grows by.
void FrmMain::createTabStrips()
{
    setWindowTitle(QStringLiteral("Ludora4 Rel. ") + QLatin1String(Version::text));
    TabGames = Form::named(new QTabWidget, QStringLiteral("TabGames"));
    addPages(TabGames, "FrmGames",
             {{m_games->page(), "Games"}, {createAboutPage(), "About"}, {m_plugins->page(), "Plug-Ins"}});
    TabGeneral = Form::named(new QTabWidget, QStringLiteral("TabGeneral"));
    addPages(TabGeneral, "FrmGeneral",
             {{m_record->page(), "Info"},
              {m_snapshots->page(), "Multi Snap"},
              {m_setting->page(), "Setting"},
              {m_documents->page(), "Docs"},
              {m_games->filtersPage(), "Filters"}});

    QGroupBox *activeConsole = Form::frame(QStringLiteral("FrmConsoleattiva"), QStringLiteral("Active Console"));
    ImgConsole = FormParts::picture(QStringLiteral("ImgConsole"), QSize(112, 56), {});
    auto *pictureRow = new QHBoxLayout(activeConsole);
    pictureRow->setContentsMargins(6, 0, 6, 4);
    pictureRow->addWidget(ImgConsole, 0, Qt::AlignCenter);

    auto *listSide = new QWidget;
    auto *left = new QVBoxLayout(listSide);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(activeConsole);
    left->addWidget(TabGames, 1);
    m_splitter = Form::named(new QSplitter(Qt::Horizontal), QStringLiteral("SplitGames"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(listSide);
    m_splitter->addWidget(TabGeneral);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 2, 4, 2);
    columns->addWidget(m_splitter);
    setCentralWidget(central);

    // Ctrl+F: the search field, from any page.
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, [this] {
        TabGames->setCurrentWidget(m_games->page());
        m_games->focusSearch();
    });
}

void FrmMain::keepSplitter(bool store)
{
    if (!keepsChoices())
        return;
    if (store)
        QSettings().setValue(splitterKey, m_splitter->saveState());
    else
        m_splitter->restoreState(QSettings().value(splitterKey).toByteArray());
}
