#include "bench/longfields.h"

#include "bench/fakes.h"
#include "bench/figures.h"
#include "bench/frontendrun.h"
#include "bench/report.h"
#include "install/installation.h"
#include "shared/datasource.h"
#include "tests/support/builtprograms.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QDir>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>

namespace LongFields {

namespace {

constexpr int NotesLength = 1000000;
constexpr int NameLength = 10000000;
const QString notesGame = QStringLiteral("Long Notes");

// Words and blanks, no line break: one paragraph of the given length.
QString oneLine(int length)
{
    static const QString words = QStringLiteral("lorem ipsum dolor sit amet consectetur adipiscing elit ");
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += words;
    text.truncate(length);
    return text;
}

bool store(const QString &database, const QString &sql, const QVariantList &values)
{
    bool stored = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-long"));
        db.setDatabaseName(database);
        QSqlQuery query(db);
        stored = db.open() && query.prepare(sql);
        for (const QVariant &value : values)
            query.addBindValue(value);
        stored = stored && query.exec();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-long"));
    return stored;
}

// Times an action until its paints are done.
double timed(FrontEndRun &frontEnd, const QElapsedTimer &clock, const std::function<void()> &action)
{
    frontEnd.settle();
    const qint64 from = clock.nsecsElapsed();
    action();
    frontEnd.settle();
    return millis(from, clock.nsecsElapsed());
}

int rowOf(QMainWindow *main, const QString &name)
{
    const QAbstractItemModel *model = gameView(main)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data().toString() == name)
            return row;
    }
    return -1;
}

void clickRow(QMainWindow *main, int row)
{
    QAbstractItemView *view = gameView(main);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// The notes shown and saved, each repetition on a fresh click of the game.
bool measureNotes(Report::Run &run, FrontEndRun &frontEnd, const QElapsedTimer &clock, int repetitions)
{
    QMainWindow *main = frontEnd.main();
    auto *notes = child<QPlainTextEdit>(main, "TxtGameHelp");
    auto *saveButton = child<QPushButton>(main, "Command8");
    const int row = rowOf(main, notesGame);
    if (!notes || !saveButton || row < 0)
        return false;
    const int other = row == 0 ? 1 : 0;
    std::vector<double> shown;
    std::vector<double> saved;
    for (int i = -1; i < repetitions; ++i) {
        clickRow(main, other);
        const double show = timed(frontEnd, clock, [&] { clickRow(main, rowOf(main, notesGame)); });
        if (notes->toPlainText().size() < NotesLength)
            return false;
        notes->moveCursor(QTextCursor::End);
        QTest::keyClick(notes, Qt::Key_Period);
        const double save = timed(frontEnd, clock, [&] { QTest::mouseClick(saveButton, Qt::LeftButton); });
        if (i >= 0) {
            shown.push_back(show);
            saved.push_back(save);
        }
    }
    run.add(Figures::longNotesShown(), Figures::Small, shown);
    run.add(Figures::longNotesSaved(), Figures::Small, saved);
    return true;
}

// Loads of the installation, the window closed after each.
std::vector<double> loads(FrontEndRun &frontEnd, int repetitions)
{
    std::vector<double> samples;
    for (int i = -1; i < repetitions; ++i) {
        const double ms = frontEnd.start();
        frontEnd.close();
        if (ms < 0)
            return {};
        if (i >= 0)
            samples.push_back(ms);
    }
    return samples;
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

void measure(Report::Run &run, QStringList &problems, const QString &workDir, int repetitions)
{
    const QString root = QDir(workDir).filePath(QStringLiteral("ludora-long"));
    QString error;
    if (!Installation::create(root, BuiltPrograms::options(true, Figures::Small), &error)) {
        problems.append(QStringLiteral("installation for the long fields (%1)").arg(error));
        return;
    }
    const QString database = QDir(root).filePath(QStringLiteral("database/gameboy.mdb"));
    QElapsedTimer clock;
    clock.start();
    BenchDialogs dialogs;
    BenchLauncher launcher(clock);
    FrontEndRun frontEnd(root, dialogs, launcher, clock);
    const std::vector<double> plain = loads(frontEnd, repetitions);
    const bool stored = store(database,
                              QStringLiteral("INSERT INTO giochi (Gioco, Notes) VALUES (?, ?), (?, 'long name')"),
                              {notesGame, oneLine(NotesLength), oneLine(NameLength)});
    const std::vector<double> withName = stored ? loads(frontEnd, repetitions) : std::vector<double>();
    if (plain.empty() || withName.empty()) {
        problems.append(QStringLiteral("load with a 10,000,000-character name (failed)"));
    } else {
        std::vector<double> delay;
        for (const double ms : withName)
            delay.push_back(std::max(0.0, ms - median(plain)));
        run.add(Figures::longNameLoadDelay(), Figures::Small, delay);
    }
    if (frontEnd.start() < 0 || !measureNotes(run, frontEnd, clock, repetitions))
        problems.append(QStringLiteral("notes of 1,000,000 characters (failed)"));
    frontEnd.close();
    for (const QString &text : std::as_const(dialogs.texts))
        problems.append(QStringLiteral("message box with long fields: %1").arg(text.left(200)));
    DataSource::closeAllConnections();
    QDir(root).removeRecursively();
}

} // namespace LongFields
