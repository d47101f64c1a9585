// The widgets of the "Games" and "Filters" pages.
#include "frontend/common/formparts.h"
#include "frontend/common/pictures.h"
#include "frontend/games/gamelistwidget.h"
#include "frontend/games/gamespage.h"
#include "frontend/games/specialfilterspanel.h"
#include "shared/widgets/formbuilder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using Form::frame;
using Form::named;
using FormParts::option;

QGroupBox *GamesPage::buildGamesPage()
{
    QGroupBox *page = frame({}, {});
    LstGames = named(new GameListWidget, QStringLiteral("LstGames"));
    Command1 = Form::button(QStringLiteral("Command1"), QString());
    Command1->setIcon(QIcon(Pictures::play()));
    Command1->setIconSize(QSize(32, 32));
    Command1->setToolTip(QStringLiteral("Play"));
    Command1->setFixedSize(64, 44);

    auto *list = new QVBoxLayout;
    list->addWidget(LstGames, 1);
    list->addWidget(m_special->line());
    list->addWidget(Command1, 0, Qt::AlignHCenter);
    auto *listAndOptions = new QHBoxLayout;
    listAndOptions->addLayout(list, 1);
    listAndOptions->addWidget(buildOptions());
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buildSearchRow());
    layout->addLayout(listAndOptions, 1);
    return page;
}

QWidget *GamesPage::buildSearchRow()
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
    return FormParts::withLayout(row);
}

QWidget *GamesPage::buildOptions()
{
    QGroupBox *filters = frame(QStringLiteral("Frame4"), QStringLiteral("Filters"));
    auto *filterRows = new QVBoxLayout(filters);
    OptAll = option(QStringLiteral("OptAll"), QStringLiteral("Complete"), filterRows);
    OptFavorite = option(QStringLiteral("OptFavorite"), QStringLiteral("Favourites"), filterRows);
    OptPlayable = option(QStringLiteral("OptPlayable"), QStringLiteral("Playable"), filterRows);
    OptNotPlay = option(QStringLiteral("OptNotPlay"), QStringLiteral("Not Work"), filterRows);

    QGroupBox *icons = frame(QStringLiteral("Frame3"), QStringLiteral("Type of icon"));
    auto *iconRows = new QVBoxLayout(icons);
    OptIcon1 = option(QStringLiteral("OptIcon1"), QStringLiteral("Language"), iconRows);
    OptIcon2 = option(QStringLiteral("OptIcon2"), QStringLiteral("Rating"), iconRows);
    OptIcon3 = option(QStringLiteral("OptIcon3"), QStringLiteral("Playable"), iconRows);

    QGroupBox *views = frame(QStringLiteral("Frame1"), QStringLiteral("Type of View"));
    auto *viewRows = new QVBoxLayout(views);
    Option1 = option(QStringLiteral("Option1"), QStringLiteral("Icon"), viewRows);
    Option2 = option(QStringLiteral("Option2"), QStringLiteral("Small Icon"), viewRows);
    Option3 = option(QStringLiteral("Option3"), QStringLiteral("List"), viewRows);
    Option4 = option(QStringLiteral("Option4"), QStringLiteral("Report"), viewRows);

    for (QVBoxLayout *group : {filterRows, iconRows, viewRows}) {
        group->setSpacing(1);
        group->setContentsMargins(6, 2, 6, 4);
    }
    OptAll->setChecked(true);
    OptIcon1->setChecked(true);
    Option1->setChecked(true);

    auto *column = new QVBoxLayout;
    column->addWidget(filters);
    column->addWidget(icons);
    column->addWidget(views);
    column->addStretch(1);
    return FormParts::withLayout(column);
}

QGroupBox *GamesPage::buildFiltersPage() { return m_special->page(); }
