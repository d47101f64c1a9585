// The special filters and the details view, timed as a person uses them.
#include "bench/fakes.h"
#include "bench/figures.h"
#include "bench/frontendrun.h"
#include "bench/measure.h"
#include "bench/report.h"
#include "tests/support/tabpages.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

namespace Measure {

namespace {

void fail(Context &context, const QString &figure, const QString &why)
{
    context.problems.append(QStringLiteral("%1 at %2 (%3)").arg(figure, QString::number(context.games), why));
}

// One change of a special filter, as a person makes it: an entry picked in a list, or a
// box ticked.
struct FilterChange {
    const char *figure;
    const char *control;
    const char *entry; // nullptr: a check box
};
constexpr FilterChange filterChanges[] = {
    {"Genre", "CmbFilterGenre", "Platform"},     {"years", "CmbFilterYearFrom", "1990"},
    {"least rating", "CmbFilterRating", "4"},    {"flag", "CmbFilterFavourite", "yes"},
    {"never played", "ChkNeverPlayed", nullptr}, {"rom file missing", "ChkRomMissing", nullptr},
};

bool change(QMainWindow *main, const FilterChange &filter)
{
    if (!filter.entry) {
        auto *box = child<QCheckBox>(main, filter.control);
        if (box)
            box->click();
        return box;
    }
    auto *list = child<QComboBox>(main, filter.control);
    const int index = list ? list->findText(QLatin1String(filter.entry)) : -1;
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    emit list->activated(index); // what picking the entry in the open list does
    return true;
}

// The extra columns of the details view, by their menu items.
constexpr const char *fourColumns[] = {"ColumnYear", "ColumnGenre", "ColumnTimes", "ColumnLastplayed"};
// The headers clicked one after the other to sort again, each twice (both ways).
constexpr int sortSections[] = {1, 2, 0, 6};

void clickHeader(QHeaderView *header, int section)
{
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// A fill of the details view: from the List view, a click on "Report" until painted.
double detailsFill(Context &context, bool fileChanged)
{
    QMainWindow *main = context.frontEnd.main();
    auto *list = child<QRadioButton>(main, "Option3");
    auto *report = child<QRadioButton>(main, "Option4");
    QTest::mouseClick(list, Qt::LeftButton);
    context.frontEnd.settle();
    if (fileChanged && !changeFile(context.database))
        return -1;
    const double ms = context.frontEnd.timeUntilPainted([&] { QTest::mouseClick(report, Qt::LeftButton); });
    context.frontEnd.settle();
    return ms;
}

} // namespace

void specialFilters(Context &context)
{
    QMainWindow *main = context.frontEnd.main();
    const QString prefix = QStringLiteral("special filter ");
    auto *clear = child<QPushButton>(main, "CmdClearFilters");
    auto *complete = child<QRadioButton>(main, "OptAll");
    // The lists are filled when the page is shown, as a person sees it.
    if (!clear || !complete || !showTab(main, QStringLiteral("Filters")))
        return fail(context, prefix, QStringLiteral("no special filters"));
    // Half the games have their rom file: "rom file missing" finds the other half.
    const QStringList all = links(context.database);
    QStringList half;
    for (qsizetype i = 0; i < all.size(); i += 2)
        half.append(all.at(i));
    if (!makeFiles(QDir(gamesDir(context)), half))
        return fail(context, prefix, QStringLiteral("cannot make the rom files"));
    QTest::mouseClick(complete, Qt::LeftButton);
    context.frontEnd.settle();
    std::vector<std::vector<double>> samples(std::size(filterChanges));
    std::vector<double> cleared;
    for (int i = -1; i < context.repetitions; ++i) {
        for (size_t f = 0; f < std::size(filterChanges); ++f) {
            bool changed = false;
            const double ms = context.frontEnd.timeUntilPainted([&] { changed = change(main, filterChanges[f]); });
            context.frontEnd.settle();
            const double clearMs = context.frontEnd.timeUntilPainted([&] { clear->click(); });
            context.frontEnd.settle();
            if (!changed || ms < 0 || clearMs < 0)
                return fail(context, prefix + QLatin1String(filterChanges[f].figure), QStringLiteral("failed"));
            if (i >= 0) {
                samples[f].push_back(ms);
                cleared.push_back(clearMs);
            }
        }
    }
    for (size_t f = 0; f < std::size(filterChanges); ++f)
        context.run.add(prefix + QLatin1String(filterChanges[f].figure), context.games, std::move(samples[f]));
    context.run.add(Figures::specialFiltersCleared(), context.games, std::move(cleared));
}

void details(Context &context)
{
    QMainWindow *main = context.frontEnd.main();
    auto *tree = child<QTreeView>(main, "LstGamesReport");
    if (!tree || !child<QRadioButton>(main, "Option4"))
        return fail(context, Figures::detailsFill(), QStringLiteral("no details view"));
    QTest::mouseClick(child<QRadioButton>(main, "Option4"), Qt::LeftButton);
    for (const char *column : fourColumns)
        trigger(main, QLatin1String(column));
    context.frontEnd.settle();
    for (const bool fileChanged : {false, true}) {
        const QString figure = fileChanged ? Figures::detailsFillChanged() : Figures::detailsFill();
        std::vector<double> samples;
        for (int i = -1; i < context.repetitions; ++i) {
            const double ms = detailsFill(context, fileChanged);
            if (ms < 0)
                return fail(context, figure, QStringLiteral("no paint"));
            if (i >= 0)
                samples.push_back(ms);
        }
        context.run.add(figure, context.games, std::move(samples));
    }
    std::vector<double> sorts;
    for (int i = -1; i < context.repetitions; ++i) {
        for (const int section : sortSections) {
            for (int way = 0; way < 2; ++way) {
                const double ms = context.frontEnd.timeUntilPainted([&] { clickHeader(tree->header(), section); });
                context.frontEnd.settle();
                if (ms < 0 || tree->header()->sortIndicatorSection() != section)
                    return fail(context, Figures::detailsSort(), QStringLiteral("not sorted"));
                if (i >= 0)
                    sorts.push_back(ms);
            }
        }
    }
    context.run.add(Figures::detailsSort(), context.games, std::move(sorts));
    // A name changed by another program: the names are ranked afresh at the next sort.
    std::vector<double> renamed;
    for (int i = -1; i < context.repetitions; ++i) {
        const QString rename =
            QStringLiteral("UPDATE giochi SET Gioco = Gioco || ' %1' WHERE rowid = 1").arg(i + 2);
        if (!execute(context.database, rename.toUtf8()))
            return fail(context, Figures::detailsSortRenamed(), QStringLiteral("cannot rename"));
        const int section = sortSections[size_t(i + 1) % std::size(sortSections)];
        const double ms = context.frontEnd.timeUntilPainted([&] { clickHeader(tree->header(), section); });
        context.frontEnd.settle();
        if (ms < 0)
            return fail(context, Figures::detailsSortRenamed(), QStringLiteral("no paint"));
        if (i >= 0)
            renamed.push_back(ms);
    }
    context.run.add(Figures::detailsSortRenamed(), context.games, std::move(renamed));
    // Back to the view the figures after these expect: the query's order, one column.
    tree->header()->setSortIndicator(-1, Qt::AscendingOrder);
    for (const char *column : fourColumns)
        trigger(main, QLatin1String(column));
    QTest::mouseClick(child<QRadioButton>(main, "Option1"), Qt::LeftButton);
    context.frontEnd.settle();
}

} // namespace Measure
