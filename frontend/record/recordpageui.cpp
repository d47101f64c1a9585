// The widgets of the "Info" page and the game's notes.
#include "frontend/common/formparts.h"
#include "frontend/common/pictures.h"
#include "frontend/record/gamelistimporter.h"
#include "frontend/record/recordpage.h"
#include "frontend/record/strikeline.h"
#include "shared/widgets/clickablelabel.h"
#include "shared/widgets/formbuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Form::button;
using Form::named;
using namespace FormParts;

namespace {

constexpr QSize starSize(20, 20);
constexpr QSize badgeSize(32, 32);

template <class L> L *valueLabel(L *label, const QString &name)
{
    frameAsValue(label, name);
    return label;
}

} // namespace

QGroupBox *RecordPage::buildPage()
{
    QGroupBox *page = Form::frame({}, QStringLiteral("General Info"));
    LabGame = named(new QLineEdit, QStringLiteral("LabGame"));
    QFont bold = LabGame->font();
    bold.setBold(true);
    LabGame->setFont(bold);

    auto *upper = new QHBoxLayout;
    upper->addWidget(buildFields(), 1);
    upper->addWidget(buildPictures());

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 6);
    layout->setSpacing(8);
    layout->addWidget(LabGame);
    layout->addLayout(upper);
    layout->addStretch(1);
    layout->addWidget(buildPlayStatistics());
    layout->addStretch(1);
    layout->addWidget(buildButtons());
    // Lies over ImgFavorites, so it is made once the layout has placed that picture.
    Line2 = named(new StrikeLine(ImgFavorites), QStringLiteral("Line2"));
    Line2->hide();
    TxtGameHelp = textArea(QStringLiteral("TxtGameHelp"), 60);
    return page;
}

QWidget *RecordPage::buildFields()
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

QWidget *RecordPage::buildPictures()
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

QWidget *RecordPage::buildPlayStatistics()
{
    TxtTimes = valueLabel(new QLabel, QStringLiteral("TxtTimes"));
    TxtLastPlay = valueLabel(new QLabel, QStringLiteral("TxtLastPlay"));
    Label15 = valueLabel(new QLabel, QStringLiteral("Label15"));
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    addRow(grid, QStringLiteral("Times :"), TxtTimes);
    addRow(grid, QStringLiteral("Last Play :"), TxtLastPlay);
    addRow(grid, QStringLiteral("Added on :"), Label15);
    LabPlayTime = named(new QLabel, QStringLiteral("LabPlayTime"));
    grid->addWidget(LabPlayTime, 0, 2);
    grid->setColumnStretch(1, 1);
    // Beside the play time the dates still show whole.
    grid->setColumnMinimumWidth(1,
                                TxtLastPlay->fontMetrics().horizontalAdvance(QStringLiteral("00 Mmm 0000")) + 12);

    Command10 = button(QStringLiteral("Command10"), QStringLiteral("Reset"));
    QGroupBox *reset = frameAround(QString(), Command10);

    auto *row = new QHBoxLayout;
    row->addLayout(grid, 1);
    row->addWidget(reset, 0, Qt::AlignTop);
    row->addStretch(1);
    return withLayout(row);
}

QWidget *RecordPage::buildButtons()
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
    m_gamelistImporter = new GamelistImporter(m_session, this);
    connect(m_gamelistImporter, &GamelistImporter::stored, this, &RecordPage::refreshMasterLists);
    grid->addWidget(m_gamelistImporter->button(), 1, 1);
    grid->addWidget(CmdConvUtil, 1, 2);
    return withLayout(grid);
}
