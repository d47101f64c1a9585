#include "frontend/frmmain_ui.h"

#include "frontend/gamelistwidget.h"
#include "frontend/pictures.h"
#include "frontend/strikeline.h"
#include "ludora4version.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/clickablelineedit.h"
#include "shared/widgets/formbuilder.h"
#include "shared/widgets/marklist.h"
#include "shared/widgets/statuspanels.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

using Form::button;
using Form::frame;
using Form::named;

constexpr QSize snapSize(256, 192);
constexpr QSize thumbnailSize(160, 120);
constexpr QSize starSize(20, 20);
constexpr QSize badgeSize(32, 32);

QString arrayName(const char *name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

QRadioButton *option(const QString &name, const QString &text, QLayout *into)
{
    auto *radio = named(new QRadioButton(text), name);
    into->addWidget(radio);
    return radio;
}

QComboBox *combo(const QString &name)
{
    auto *box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

ClickableLabel *picture(const QString &name, QSize size, const QPixmap &pixmap = {})
{
    auto *label = named(new ClickableLabel, name);
    label->setScaledContents(true);
    label->setFixedSize(size);
    label->setPixmap(pixmap);
    return label;
}

// A picture box with a sunken frame, as the screenshot boxes are.
ClickableLabel *framedPicture(const QString &name, QSize size)
{
    ClickableLabel *label = picture(name, size);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return label;
}

// A label that shows a value, framed like a read-only field.
template <class L> L *valueLabel(L *label, const QString &name)
{
    label->setObjectName(name);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumWidth(60);
    return label;
}

// A wrapping label that does not widen its column.
QLabel *wrapped(const QString &text, const QString &name = {})
{
    auto *label = new QLabel(text);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setWordWrap(true);
    // Keep the height-for-width flag that word wrapping sets.
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
    return label;
}

QPlainTextEdit *textArea(const QString &name, int height)
{
    auto *area = named(new QPlainTextEdit, name);
    area->setMinimumHeight(height);
    return area;
}

QGroupBox *frameAround(const QString &title, QWidget *content)
{
    QGroupBox *box = frame({}, title);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(content);
    return box;
}

void addRow(QGridLayout *grid, const QString &caption, QWidget *field)
{
    const int row = grid->count() == 0 ? 0 : grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(field, row, 1);
}

QWidget *withLayout(QLayout *layout)
{
    auto *widget = new QWidget;
    layout->setContentsMargins(0, 0, 0, 0);
    widget->setLayout(layout);
    return widget;
}

void keepSpaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

// One plug-in of the panel: sub-frame, start button, description, path label.
struct FrmMainUi::PluginRow {
    const char *frameName;
    QGroupBox *FrmMainUi::*frame;
    const char *buttonName;
    QPushButton *FrmMainUi::*button;
    const char *caption;
    const char *descriptionName;
    QLabel *FrmMainUi::*description;
    const char *descriptionText;
    const char *pathName;
    ClickableLabel *FrmMainUi::*path;
};

void FrmMainUi::setupUi(QMainWindow *window)
{
    window->setObjectName(QStringLiteral("FrmMain"));
    window->setWindowTitle(QStringLiteral("Ludora4 Rel. ") + QLatin1String(Version::text));
    window->resize(windowSize());

    createToolbar(window);
    createTabGames();
    createTabGeneral();

    auto *central = new QWidget(window);
    auto *columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 2, 4, 2);
    auto *left = new QVBoxLayout;
    left->addWidget(createActiveConsole());
    left->addWidget(TabGames, 1);
    columns->addLayout(left, 0);
    columns->addWidget(TabGeneral, 1);
    window->setCentralWidget(central);

    createStatusBar(window);
    // Lies over ImgFavorites, so it is made once the page layout has placed that picture.
    Line2 = named(new StrikeLine(ImgFavorites), QStringLiteral("Line2"));
    Line2->hide();
}

void FrmMainUi::createToolbar(QMainWindow *window)
{
    Toolbar1 = named(new QToolBar(window), QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(32, 32));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->toggleViewAction()->setEnabled(false);
    int position = 0;
    for (const Consoles::Console &console : Consoles::toolbarOrder()) {
        auto *action = new QAction(QIcon(Pictures::console(console.key)), QString(), Toolbar1);
        action->setObjectName(console.key);
        action->setToolTip(console.statusFinal);
        Toolbar1->addAction(action);
        ConsoleButtons[position++] = action;
    }
    window->addToolBar(Qt::TopToolBarArea, Toolbar1);
}

QWidget *FrmMainUi::createActiveConsole()
{
    FrmConsoleattiva = frame(QStringLiteral("FrmConsoleattiva"), QStringLiteral("Active Console"));
    ImgConsole = picture(QStringLiteral("ImgConsole"), QSize(112, 56));
    auto *layout = new QHBoxLayout(FrmConsoleattiva);
    layout->setContentsMargins(6, 0, 6, 4);
    layout->addWidget(ImgConsole, 0, Qt::AlignCenter);
    return FrmConsoleattiva;
}

void FrmMainUi::createStatusBar(QMainWindow *window)
{
    StatusBar1 = named(new StatusPanels(7, 7, window), QStringLiteral("StatusBar1"));
    StatusBar1->setText(1, QStringLiteral("Console"));
    // Each panel keeps room for a console's name or a count of a few digits; longer texts,
    // errors above all, are cut short.
    const char *samples[] = {"Gameboy",
                             "All Games : 000",
                             "Favorite Games : 000",
                             "Playable Games : 000",
                             "Not Working Games : 000",
                             "Total Times Played : 0000"};
    for (int panel = 1; panel <= 6; ++panel)
        StatusBar1->setSample(panel, QLatin1String(samples[panel - 1]));
    window->setStatusBar(StatusBar1);
}

// ---- tab strips ----------------------------------------------------------------------

void FrmMainUi::createTabGames()
{
    TabGames = named(new QTabWidget, QStringLiteral("TabGames"));
    FrmGames = {createGamesPage(), createAboutPage(), createPluginsPage()};
    const QString texts[] = {QStringLiteral("Games"), QStringLiteral("About"), QStringLiteral("Plug-Ins")};
    for (int i = 0; i < int(FrmGames.size()); ++i) {
        FrmGames[i]->setObjectName(arrayName("FrmGames", i));
        TabGames->addTab(FrmGames[i], texts[i]);
    }
    TabGames->setFixedWidth(318);
}

void FrmMainUi::createTabGeneral()
{
    TabGeneral = named(new QTabWidget, QStringLiteral("TabGeneral"));
    FrmGeneral = {createInfoPage(), createSnapPage(), createSettingPage(), createDocsPage(), createFiltersPage()};
    const QString texts[] = {QStringLiteral("Info"), QStringLiteral("Multi Snap"), QStringLiteral("Setting"),
                             QStringLiteral("Docs"), QStringLiteral("Filters")};
    for (int i = 0; i < int(FrmGeneral.size()); ++i) {
        FrmGeneral[i]->setObjectName(arrayName("FrmGeneral", i));
        TabGeneral->addTab(FrmGeneral[i], texts[i]);
    }
}

// ---- "Games" -------------------------------------------------------------------------

QGroupBox *FrmMainUi::createGamesPage()
{
    QGroupBox *page = frame({}, {});
    LstGames = named(new GameListWidget, QStringLiteral("LstGames"));
    Command1 = button(QStringLiteral("Command1"), QString());
    Command1->setIcon(QIcon(Pictures::play()));
    Command1->setIconSize(QSize(32, 32));
    Command1->setToolTip(QStringLiteral("Play"));
    Command1->setFixedSize(64, 44);

    auto *list = new QVBoxLayout;
    list->addWidget(LstGames, 1);
    list->addWidget(Command1, 0, Qt::AlignHCenter);
    auto *listAndOptions = new QHBoxLayout;
    listAndOptions->addLayout(list, 1);
    listAndOptions->addWidget(createGameOptions());
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(createSearchRow());
    layout->addLayout(listAndOptions, 1);
    return page;
}

QWidget *FrmMainUi::createSearchRow()
{
    TxtSearch = named(new QLineEdit, QStringLiteral("TxtSearch"));
    TxtSearch->setPlaceholderText(QStringLiteral("Search games"));
    TxtSearch->setClearButtonEnabled(true);
    TxtSearch->setToolTip(
        QStringLiteral("Games whose name contains the text, whatever the case and accents (Ctrl+F)"));
    LabSearchCount = named(new QLabel, QStringLiteral("LabSearchCount"));
    LabSearchCount->setTextFormat(Qt::PlainText);
    LabSearchCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for the largest counts, so the field does not jump while typing.
    LabSearchCount->setMinimumWidth(
        LabSearchCount->fontMetrics().horizontalAdvance(QStringLiteral("000,000 of 000,000")));
    auto *row = new QHBoxLayout;
    row->addWidget(TxtSearch, 1);
    row->addWidget(LabSearchCount);
    return withLayout(row);
}

QWidget *FrmMainUi::createGameOptions()
{
    Frame4 = frame(QStringLiteral("Frame4"), QStringLiteral("Filters"));
    auto *filters = new QVBoxLayout(Frame4);
    OptAll = option(QStringLiteral("OptAll"), QStringLiteral("Complete"), filters);
    OptFavorite = option(QStringLiteral("OptFavorite"), QStringLiteral("Favourites"), filters);
    OptPlayable = option(QStringLiteral("OptPlayable"), QStringLiteral("Playable"), filters);
    OptNotPlay = option(QStringLiteral("OptNotPlay"), QStringLiteral("Not Work"), filters);

    Frame3 = frame(QStringLiteral("Frame3"), QStringLiteral("Type of icon"));
    auto *icons = new QVBoxLayout(Frame3);
    OptIcon1 = option(QStringLiteral("OptIcon1"), QStringLiteral("Language"), icons);
    OptIcon2 = option(QStringLiteral("OptIcon2"), QStringLiteral("Rating"), icons);
    OptIcon3 = option(QStringLiteral("OptIcon3"), QStringLiteral("Playable"), icons);

    Frame1 = frame(QStringLiteral("Frame1"), QStringLiteral("Type of View"));
    auto *views = new QVBoxLayout(Frame1);
    Option1 = option(QStringLiteral("Option1"), QStringLiteral("Icon"), views);
    Option2 = option(QStringLiteral("Option2"), QStringLiteral("Small Icon"), views);
    Option3 = option(QStringLiteral("Option3"), QStringLiteral("List"), views);
    Option4 = option(QStringLiteral("Option4"), QStringLiteral("Report"), views);

    for (QVBoxLayout *group : {filters, icons, views}) {
        group->setSpacing(1);
        group->setContentsMargins(6, 2, 6, 4);
    }
    OptAll->setChecked(true);
    OptIcon1->setChecked(true);
    Option1->setChecked(true);

    auto *column = new QVBoxLayout;
    column->addWidget(Frame4);
    column->addWidget(Frame3);
    column->addWidget(Frame1);
    column->addStretch(1);
    return withLayout(column);
}

// ---- "About" -------------------------------------------------------------------------

QGroupBox *FrmMainUi::createAboutPage()
{
    QGroupBox *page = frame({}, {});
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
    auto *home = wrapped(QStringLiteral("Go to my home page for News & Plug Ins"));
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

// ---- "Plug-Ins" ----------------------------------------------------------------------

QGroupBox *FrmMainUi::createPluginsPage()
{
    static const PluginRow rows[] = {
        {"Frame11", &FrmMainUi::Frame11, "Command3", &FrmMainUi::Command3, "Unfoldr", "Label20",
         &FrmMainUi::Label20, "Program for Automatically Unzip Roms in a specified directory", "Label18",
         &FrmMainUi::Label18},
        {"Frame12", &FrmMainUi::Frame12, "Command4", &FrmMainUi::Command4, "Emuset", "Label21",
         &FrmMainUi::Label21, "Program for Adding and Configure Emulator", "Label22", &FrmMainUi::Label22},
        {"Frame13", &FrmMainUi::Frame13, "Command5", &FrmMainUi::Command5, "Cartload", "Label23",
         &FrmMainUi::Label23, "Program for Adding Much Roms in a single Shoot", "Label24", &FrmMainUi::Label24},
        {"Frame14", &FrmMainUi::Frame14, "Command6", &FrmMainUi::Command6, "Dbfresh", "Label25",
         &FrmMainUi::Label25, "Program for Update the Databases of Roms", "Label26", &FrmMainUi::Label26},
        {"Frame16", &FrmMainUi::Frame16, "Command7", &FrmMainUi::Command7, "Snapshift", "Label28",
         &FrmMainUi::Label28, "Program for Convert Various Type of Images", "Label27", &FrmMainUi::Label27},
    };

    QGroupBox *page = frame({}, QStringLiteral("Ludora Plug Ins and Configuration"));
    Frame10 = frame(QStringLiteral("Frame10"), QStringLiteral("Plug Ins"));
    auto *plugins = new QVBoxLayout(Frame10);
    plugins->setContentsMargins(4, 0, 4, 4);
    plugins->setSpacing(2);
    for (const PluginRow &row : rows)
        plugins->addWidget(createPluginFrame(row));

    Command2 = button(QStringLiteral("Command2"), QStringLiteral("Ludora4 Help"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(Frame10, 1);
    layout->addWidget(Command2, 0, Qt::AlignRight);
    return page;
}

QGroupBox *FrmMainUi::createPluginFrame(const PluginRow &row)
{
    QGroupBox *box = this->*row.frame = frame(QString::fromLatin1(row.frameName), {});
    QPushButton *start = this->*row.button = button(QString::fromLatin1(row.buttonName),
                                                    QString::fromLatin1(row.caption), false);
    start->setFixedWidth(72);
    QLabel *description = this->*row.description = wrapped(QString::fromLatin1(row.descriptionText),
                                                           QString::fromLatin1(row.descriptionName));
    ClickableLabel *path = this->*row.path = named(new ClickableLabel(QStringLiteral("Plug In Not Installed")),
                                                   QString::fromLatin1(row.pathName));
    path->setCursor(Qt::PointingHandCursor);
    // A long path is cut at the frame's edge instead of widening the panel.
    path->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QPalette pathColours = path->palette();
    pathColours.setColor(QPalette::WindowText, QColor(0x1a, 0x3c, 0x8c));
    path->setPalette(pathColours);

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(4, 0, 4, 2);
    grid->setVerticalSpacing(0);
    grid->addWidget(start, 0, 0, Qt::AlignTop);
    grid->addWidget(description, 0, 1);
    grid->addWidget(path, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

// ---- "Info" --------------------------------------------------------------------------

QGroupBox *FrmMainUi::createInfoPage()
{
    QGroupBox *page = frame({}, QStringLiteral("General Info"));
    LabGame = named(new QLineEdit, QStringLiteral("LabGame"));
    QFont bold = LabGame->font();
    bold.setBold(true);
    LabGame->setFont(bold);

    auto *upper = new QHBoxLayout;
    upper->addWidget(createRecordFields(), 1);
    upper->addWidget(createRecordPictures());

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(8);
    layout->addWidget(LabGame);
    layout->addLayout(upper);
    layout->addStretch(1);
    layout->addWidget(createPlayStatistics());
    layout->addStretch(1);
    layout->addWidget(createRecordButtons());
    return page;
}

QWidget *FrmMainUi::createRecordFields()
{
    TxtYear = combo(QStringLiteral("TxtYear"));
    CmbGenre = combo(QStringLiteral("CmbGenre"));
    CmbLanguage = combo(QStringLiteral("CmbLanguage"));
    CmbProducer = combo(QStringLiteral("CmbProducer"));
    TxtRating = combo(QStringLiteral("TxtRating"));
    CmbEmulatore = combo(QStringLiteral("CmbEmulatore"));
    TxtRom = valueLabel(new ClickableLabel, QStringLiteral("TxtRom"));
    TxtRom->setCursor(Qt::PointingHandCursor);
    Label19 = valueLabel(new ClickableLabel, QStringLiteral("Label19"));
    Label19->setCursor(Qt::SizeAllCursor);
    for (QLabel *label : {static_cast<QLabel *>(TxtRom), static_cast<QLabel *>(Label19)})
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    addRow(grid, QStringLiteral("Year :"), TxtYear);
    addRow(grid, QStringLiteral("Genre :"), CmbGenre);
    addRow(grid, QStringLiteral("Language :"), CmbLanguage);
    addRow(grid, QStringLiteral("Made By :"), CmbProducer);
    addRow(grid, QStringLiteral("Rating    :"), TxtRating);
    addRow(grid, QStringLiteral("Emulator :"), CmbEmulatore);
    addRow(grid, QStringLiteral("Rom File :"), TxtRom);
    addRow(grid, QStringLiteral("Screenshot :"), Label19);
    grid->setColumnStretch(1, 1);
    return withLayout(grid);
}

QWidget *FrmMainUi::createRecordPictures()
{
    ImgSnap3 = framedPicture(QStringLiteral("ImgSnap3"), thumbnailSize);
    ChkPlayable = named(new QCheckBox(QStringLiteral("Playable")), QStringLiteral("ChkPlayable"));
    ChkFavorite = named(new QCheckBox(QStringLiteral("Favorite")), QStringLiteral("ChkFavorite"));
    ChkColour = named(new QCheckBox(QStringLiteral("Colour")), QStringLiteral("ChkColour"));
    ChkSound = named(new QCheckBox(QStringLiteral("Cracked")), QStringLiteral("ChkSound"));
    auto *checks = new QGridLayout;
    checks->setSpacing(2);
    checks->addWidget(ChkPlayable, 0, 0);
    checks->addWidget(ChkFavorite, 0, 1);
    checks->addWidget(ChkColour, 1, 0);
    checks->addWidget(ChkSound, 1, 1);

    auto *stars = new QHBoxLayout;
    stars->setSpacing(1);
    for (int i = 0; i < int(ImgStar2.size()); ++i) {
        ImgStar2[i] = picture(arrayName("ImgStar2", i), starSize, Pictures::star());
        keepSpaceWhenHidden(ImgStar2[i]);
        stars->addWidget(ImgStar2[i]);
    }
    ImgFavorites = picture(QStringLiteral("ImgFavorites"), badgeSize, Pictures::favorite());
    ImgFavorites2 = picture(QStringLiteral("ImgFavorites2"), badgeSize, Pictures::favorite2());
    keepSpaceWhenHidden(ImgFavorites2);
    auto *badges = new QHBoxLayout;
    badges->addStretch(1);
    badges->addWidget(ImgFavorites);
    badges->addWidget(ImgFavorites2);
    badges->addStretch(1);

    auto *column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(ImgSnap3, 0, Qt::AlignHCenter);
    column->addLayout(checks);
    column->addLayout(stars);
    column->addLayout(badges);
    column->addStretch(1);
    return withLayout(column);
}

QWidget *FrmMainUi::createPlayStatistics()
{
    TxtTimes = valueLabel(new QLabel, QStringLiteral("TxtTimes"));
    TxtLastPlay = valueLabel(new QLabel, QStringLiteral("TxtLastPlay"));
    Label15 = valueLabel(new QLabel, QStringLiteral("Label15"));
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    addRow(grid, QStringLiteral("Times :"), TxtTimes);
    addRow(grid, QStringLiteral("Last Play :"), TxtLastPlay);
    addRow(grid, QStringLiteral("Added on :"), Label15);
    grid->setColumnStretch(1, 1);

    Command10 = button(QStringLiteral("Command10"), QStringLiteral("Reset"));
    QGroupBox *reset = frameAround(QString(), Command10);

    auto *row = new QHBoxLayout;
    row->addLayout(grid, 1);
    row->addWidget(reset, 0, Qt::AlignTop);
    row->addStretch(1);
    return withLayout(row);
}

QWidget *FrmMainUi::createRecordButtons()
{
    Command9 = button(QStringLiteral("Command9"), QStringLiteral("Add Rom"));
    Command8 = button(QStringLiteral("Command8"), QStringLiteral("Save Modify"));
    CmdDeleteGame = button(QStringLiteral("CmdDeleteGame"), QStringLiteral("Delete Game"));
    CmdAddPro = button(QStringLiteral("CmdAddPro"), QStringLiteral("Add New Producer"));
    CmdConvUtil = button(QStringLiteral("CmdConvUtil"), QStringLiteral("Snap Conversion"));
    CmdScanRoms = button(QStringLiteral("CmdScanRoms"), QStringLiteral("Scan Roms"));
    CmdScanRoms->setToolTip(QStringLiteral("Add a game for every file of the games folder that no game uses yet"));
    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    grid->addWidget(Command9, 0, 0);
    grid->addWidget(CmdScanRoms, 0, 1);
    grid->addWidget(Command8, 0, 2);
    grid->addWidget(CmdDeleteGame, 0, 3);
    grid->addWidget(CmdAddPro, 1, 0);
    grid->addWidget(CmdConvUtil, 1, 1);
    return withLayout(grid);
}

// ---- "Multi Snap" --------------------------------------------------------------------

QGroupBox *FrmMainUi::createSnapPage()
{
    QGroupBox *page = frame({}, QStringLiteral("SnapShot"));
    ImgSnap1 = framedPicture(QStringLiteral("ImgSnap1"), snapSize);
    ImgSnap2 = framedPicture(QStringLiteral("ImgSnap2"), snapSize);
    CmdLeft = button(QStringLiteral("CmdLeft"), QStringLiteral("<"), false);
    CmdRight = button(QStringLiteral("CmdRight"), QStringLiteral(">"), false);
    for (QPushButton *arrow : {CmdLeft, CmdRight})
        arrow->setFixedSize(32, 48);

    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    grid->addWidget(CmdLeft, 0, 1);
    grid->addWidget(ImgSnap1, 0, 2);
    grid->addWidget(CmdRight, 0, 3);
    grid->addWidget(ImgSnap2, 1, 2);
    grid->setRowStretch(2, 1);
    return page;
}

// ---- "Setting" -----------------------------------------------------------------------

QGroupBox *FrmMainUi::createSettingPage()
{
    QGroupBox *page = frame({}, QStringLiteral("Setting Option Parameter Passed"));
    LstSetting = named(new MarkList, QStringLiteral("LstSetting"));
    TxtValue = named(new QLineEdit, QStringLiteral("TxtValue"));
    TxtDescri = textArea(QStringLiteral("TxtDescri"), 44);

    auto *middle = new QHBoxLayout;
    middle->addWidget(frameAround(QStringLiteral("Command Line List"), LstSetting), 2);
    middle->addWidget(createSetDetails(), 3);
    auto *lower = new QHBoxLayout;
    QGroupBox *value = frameAround(QStringLiteral("Value Passed"), TxtValue);
    value->layout()->setAlignment(TxtValue, Qt::AlignTop);
    lower->addWidget(value, 2);
    lower->addWidget(frameAround(QStringLiteral("Description"), TxtDescri), 3);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(createEmulatorFrame());
    layout->addLayout(middle, 3);
    layout->addLayout(lower, 2);
    // The front-end stores only the set marks: what is shown here cannot be typed over.
    for (QLineEdit *box : {TxtFileEmu1, TxtSetmode, TxtSettName, TxtParameter, TxtPassed, TxtValue})
        box->setReadOnly(true);
    for (QPlainTextEdit *box : {TxtOptAvaiable, TxtDescri})
        box->setReadOnly(true);
    return page;
}

QWidget *FrmMainUi::createEmulatorFrame()
{
    TxtFileEmu1 = named(new QLineEdit, QStringLiteral("TxtFileEmu1"));
    TxtSetmode = named(new QLineEdit, QStringLiteral("TxtSetmode"));
    TxtSetmode->setFixedWidth(36);
    QLabel *note = wrapped(QStringLiteral("With this you can set if the command line is passed After or "
                                          "Before the rom ( is necessary in some Emulators )"));

    QGroupBox *box = frame({}, QStringLiteral("Emulator Settings"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(3);
    grid->addWidget(TxtFileEmu1, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Setting mode :")), 1, 0);
    grid->addWidget(TxtSetmode, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("( 1- After , 2 - Before )")), 1, 2);
    grid->setColumnStretch(3, 1);
    grid->addWidget(note, 2, 0, 1, 4);
    return box;
}

QWidget *FrmMainUi::createSetDetails()
{
    LabEmu = valueLabel(new QLabel, QStringLiteral("LabEmu"));
    TxtSettName = named(new QLineEdit, QStringLiteral("TxtSettName"));
    TxtParameter = named(new QLineEdit, QStringLiteral("TxtParameter"));
    TxtOptAvaiable = textArea(QStringLiteral("TxtOptAvaiable"), 40);
    TxtPassed = named(new QLineEdit, QStringLiteral("TxtPassed"));

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    addRow(grid, QStringLiteral("Emulator :"), LabEmu);
    addRow(grid, QStringLiteral("Setting Name :"), TxtSettName);
    addRow(grid, QStringLiteral("Parameter :"), TxtParameter);
    addRow(grid, QStringLiteral("Options Avaiable :"), TxtOptAvaiable);
    addRow(grid, QStringLiteral("Opt. Passed :"), TxtPassed);
    grid->itemAtPosition(3, 0)->setAlignment(Qt::AlignTop);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    return withLayout(grid);
}

// ---- "Docs" --------------------------------------------------------------------------

QGroupBox *FrmMainUi::createDocsPage()
{
    QGroupBox *page = frame({}, QStringLiteral("Documents"));
    TxtGameHelp = textArea(QStringLiteral("TxtGameHelp"), 60);
    Text7 = textArea(QStringLiteral("Text7"), 40);
    Text7->setReadOnly(true);
    Text7->setMaximumHeight(56);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->addWidget(createDocumentFrame());
    layout->addWidget(frameAround(QStringLiteral("Game Notes"), TxtGameHelp), 1);
    layout->addWidget(frameAround(QStringLiteral("Error LOG"), Text7));
    return page;
}

QWidget *FrmMainUi::createDocumentFrame()
{
    LstDoc = named(new QListWidget, QStringLiteral("LstDoc"));
    LstDoc->setStyleSheet(QStringLiteral("QListWidget { background: rgb(128, 128, 128); color: white; }"));
    LstDoc->setFixedHeight(112);
    LabNote1 = named(new QLabel(QStringLiteral("<< Double Click To Open")), QStringLiteral("LabNote1"));
    LabDocName = named(new QLabel(QStringLiteral("Doc. Name :")), QStringLiteral("LabDocName"));
    TxtDocName = named(new QLineEdit, QStringLiteral("TxtDocName"));
    TxtDocFile = named(new ClickableLineEdit, QStringLiteral("TxtDocFile"));
    TxtDocFile->setCursor(Qt::PointingHandCursor);
    for (QLineEdit *box : {TxtDocName, static_cast<QLineEdit *>(TxtDocFile)})
        box->setReadOnly(true);

    CmdAddDoc = button(QStringLiteral("CmdAddDoc"), QStringLiteral("New"));
    CmdEditDoc = button(QStringLiteral("CmdEditDoc"), QStringLiteral("Edit"));
    CmdSaveDoc = button(QStringLiteral("CmdSaveDoc"), QStringLiteral("Save"), false);
    CmdCancelDoc = button(QStringLiteral("CmdCancelDoc"), QStringLiteral("Cancel"), false);
    CmdDeleteDoc = button(QStringLiteral("CmdDeleteDoc"), QStringLiteral("Delete"));
    auto *buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(LabNote1, 0, 0, 1, 2);
    buttons->addWidget(CmdAddDoc, 1, 0);
    buttons->addWidget(CmdEditDoc, 1, 1);
    buttons->addWidget(CmdSaveDoc, 2, 0);
    buttons->addWidget(CmdCancelDoc, 2, 1);
    buttons->addWidget(CmdDeleteDoc, 3, 0);
    buttons->setRowStretch(4, 1);

    QGroupBox *box = frame({}, QStringLiteral("Emulator Docs"));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setVerticalSpacing(3);
    grid->addWidget(LstDoc, 0, 0, 1, 2);
    grid->addLayout(buttons, 0, 2);
    grid->addWidget(LabDocName, 1, 0);
    grid->addWidget(TxtDocName, 1, 1, 1, 2);
    grid->addWidget(TxtDocFile, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

// ---- "Filters" -----------------------------------------------------------------------

QGroupBox *FrmMainUi::createFiltersPage()
{
    QGroupBox *page = frame({}, QStringLiteral("Special Filters"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Work in progress...")), 0, Qt::AlignCenter);
    return page;
}
