#include "bench/figures.h"

#include "bench/report.h"

namespace Figures {

namespace {

bool isFill(const Report::Figure &figure) { return figure.name.startsWith(fillPrefix()); }

double median(const Report::Run &run, const QString &name, int games)
{
    const Report::Figure *figure = run.find(name, games);
    return figure ? figure->median() : -1;
}

// factor x the floor of the figure's N, plus an allowance in milliseconds.
auto floorLimit(double factor, double plus)
{
    return [factor, plus](const Report::Run &run, const Report::Figure &figure) {
        const double floorMs = median(run, floor(), figure.games);
        return floorMs < 0 ? -1 : factor * floorMs + plus;
    };
}

auto fixedLimit(double limit)
{
    return [limit](const Report::Run &, const Report::Figure &) { return limit; };
}

auto namedAt(QStringList names, QList<int> games)
{
    return [names, games](const Report::Figure &figure) {
        return names.contains(figure.name) && (games.isEmpty() || games.contains(figure.games));
    };
}

} // namespace

const QList<Target> &targets()
{
    static const QList<Target> all = {
        {QStringLiteral("fill at most 1.5 x floor"),
         [](const Report::Figure &figure) {
             return isFill(figure) && (figure.games == Large || figure.games == Largest);
         },
         floorLimit(1.5, 0)},
        {QStringLiteral("at most 16 ms"), namedAt({select(), downStep()}, {}), fixedLimit(16)},
        {QStringLiteral("at most the 1,000-game figure + 5 ms"), namedAt({select(), downStep()}, {Largest}),
         [](const Report::Run &run, const Report::Figure &figure) {
             const double small = median(run, figure.name, Small);
             return small < 0 ? -1 : small + 5;
         }},
        {QStringLiteral("at most 3 x floor + 150 ms"), namedAt({load()}, {Large}), floorLimit(3, 150)},
        {QStringLiteral("under 1 second"), namedAt({load()}, {Largest}), fixedLimit(1000)},
        {QStringLiteral("at most 2 x floor + 50 ms"), namedAt({switchConsole()}, {Large}), floorLimit(2, 50)},
        {QStringLiteral("at most 10 ms"), namedAt({play()}, {}), fixedLimit(10)},
        {QStringLiteral("at most 3 ms"), namedAt({spawn()}, {}), fixedLimit(3)},
        {QStringLiteral("under 200 MB"), namedAt({memory()}, {Largest}), fixedLimit(200)},
        {QStringLiteral("under 0.5 seconds"), namedAt({longNotesShown(), longNotesSaved()}, {}), fixedLimit(500)},
        {QStringLiteral("at most 1 second"), namedAt({longNameLoadDelay()}, {}), fixedLimit(1000)},
        {QStringLiteral("at most 16 ms"), namedAt({searchKeystroke()}, {}), fixedLimit(16)},
        {QStringLiteral("95th percentile at most 30 ms"), namedAt({searchKeystroke()}, {}), fixedLimit(30),
         [](const Report::Figure &figure) { return figure.percentile(95); }},
        {QStringLiteral("under 2 seconds"), namedAt({scanNew()}, {Large}), fixedLimit(2000)},
        {QStringLiteral("at most 50 ms"),
         [](const Report::Figure &figure) { return figure.name.startsWith(specialFilterPrefix()); },
         fixedLimit(50)},
        {QStringLiteral("at most 150 ms"), namedAt({detailsSort()}, {}), fixedLimit(150)},
        {QStringLiteral("under 0.3 seconds"), namedAt({scanNothingNew()}, {Large}), fixedLimit(300)},
        {QStringLiteral("at most 2 seconds"), namedAt({gamelistImport()}, {Large}), fixedLimit(2000)},
        {QStringLiteral("at most 1 second"), namedAt({gamelistExport()}, {Large}), fixedLimit(1000)},
        {QStringLiteral("at least 100 pictures a second"), namedAt({gamelistPicture()}, {}), fixedLimit(10)},
        // The floor is the reference, not a figure of the front-end: how SQLite's reads
        // grow beyond the processor's caches is not ours to judge.
        {QStringLiteral("growth at most 3.5 x the 32,767-game figure"),
         [](const Report::Figure &figure) { return figure.games == Largest && figure.name != floor(); },
         [](const Report::Run &run, const Report::Figure &figure) {
             const double large = median(run, figure.name, Large);
             return large < 0 ? -1 : 3.5 * large;
         }},
    };
    return all;
}

} // namespace Figures
