// The widgets of the "Filters" tab's "Special Filters" and of the line under the list.
#include "frontend/common/formparts.h"
#include "frontend/games/specialfilterspanel.h"
#include "shared/widgets/formbuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using Form::named;

namespace {

const QString any = QStringLiteral("any");

QComboBox *choiceList(const QString &name, const QStringList &entries = {})
{
    auto *list = named(new QComboBox, name);
    list->addItem(any);
    list->addItems(entries);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

struct FlagControl {
    const char *name;
    const char *caption;
};
constexpr FlagControl flagControls[] = {
    {"CmbFilterPlayable", "Playable"},
    {"CmbFilterFavourite", "Favourite"},
    {"CmbFilterColour", "Colour"},
    {"CmbFilterCracked", "Cracked"},
};

} // namespace

QGroupBox *SpecialFiltersPanel::buildPage()
{
    QGroupBox *page = Form::frame({}, QStringLiteral("Special Filters"));
    CmdClearFilters = Form::button(QStringLiteral("CmdClearFilters"), QStringLiteral("Clear"), false);
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildLists());
    columns->addWidget(buildFlags());
    columns->addStretch(1);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(columns);
    layout->addWidget(CmdClearFilters, 0, Qt::AlignLeft);
    layout->addStretch(1);
    page->installEventFilter(this);
    return page;
}

QWidget *SpecialFiltersPanel::buildLists()
{
    CmbFilterGenre = choiceList(QStringLiteral("CmbFilterGenre"));
    CmbFilterLanguage = choiceList(QStringLiteral("CmbFilterLanguage"));
    CmbFilterProducer = choiceList(QStringLiteral("CmbFilterProducer"));
    CmbFilterYearFrom = choiceList(QStringLiteral("CmbFilterYearFrom"));
    CmbFilterYearTo = choiceList(QStringLiteral("CmbFilterYearTo"));
    QStringList ratings;
    for (int rating = 1; rating <= 5; ++rating)
        ratings.append(QString::number(rating));
    CmbFilterRating = choiceList(QStringLiteral("CmbFilterRating"), ratings);
    auto *years = new QHBoxLayout;
    years->setContentsMargins(0, 0, 0, 0);
    years->addWidget(CmbFilterYearFrom);
    years->addWidget(new QLabel(QStringLiteral("to")));
    years->addWidget(CmbFilterYearTo);
    years->addStretch(1);
    auto *grid = new QGridLayout;
    FormParts::addRow(grid, QStringLiteral("Genre"), CmbFilterGenre);
    FormParts::addRow(grid, QStringLiteral("Language"), CmbFilterLanguage);
    FormParts::addRow(grid, QStringLiteral("Producer"), CmbFilterProducer);
    FormParts::addRow(grid, QStringLiteral("Year"), FormParts::withLayout(years));
    FormParts::addRow(grid, QStringLiteral("Least rating"), CmbFilterRating);
    return FormParts::withLayout(grid);
}

QWidget *SpecialFiltersPanel::buildFlags()
{
    auto *grid = new QGridLayout;
    for (size_t i = 0; i < m_flags.size(); ++i) {
        m_flags[i] = choiceList(QLatin1String(flagControls[i].name),
                                {QStringLiteral("yes"), QStringLiteral("no")});
        FormParts::addRow(grid, QLatin1String(flagControls[i].caption), m_flags[i]);
    }
    ChkNeverPlayed = named(new QCheckBox(QStringLiteral("Never played")), QStringLiteral("ChkNeverPlayed"));
    ChkRomMissing = named(new QCheckBox(QStringLiteral("Rom file missing")), QStringLiteral("ChkRomMissing"));
    grid->addWidget(ChkNeverPlayed, grid->rowCount(), 0, 1, 2);
    grid->addWidget(ChkRomMissing, grid->rowCount(), 0, 1, 2);
    return FormParts::withLayout(grid);
}

QWidget *SpecialFiltersPanel::buildLine()
{
    LabSpecialFilters = named(new QLabel, QStringLiteral("LabSpecialFilters"));
    LabSpecialFilters->setTextFormat(Qt::PlainText);
    LabSpecialFilters->setWordWrap(true);
    CmdClearSpecialFilters = Form::button(QStringLiteral("CmdClearSpecialFilters"), QStringLiteral("Clear"));
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(LabSpecialFilters, 1);
    row->addWidget(CmdClearSpecialFilters);
    QWidget *line = FormParts::withLayout(row);
    line->hide();
    return line;
}
