// The search field and the rom folder scan, timed as a person uses them.
#include "bench/fakes.h"
#include "bench/figures.h"
#include "bench/frontendrun.h"
#include "bench/measure.h"
#include "bench/report.h"
#include "tests/support/windowcontrols.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>

namespace Measure {

namespace {

constexpr int WordLength = 4;

void fail(Context &context, const QString &figure, const QString &why)
{
    context.problems.append(QStringLiteral("%1 at %2 (%3)").arg(figure, QString::number(context.games), why));
}

// The first WordLength letters of the first word of a listed name that has that many.
QString searchWord(QMainWindow *main)
{
    const QAbstractItemModel *model = gameView(main)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QStringList words = model->index(row, 0).data().toString().split(QLatin1Char(' '));
        for (const QString &word : words) {
            if (word.size() >= WordLength && std::all_of(word.cbegin(), word.cend(), [](QChar c) {
                    return c.isLetter() && c.unicode() < 0x80;
                }))
                return word.left(WordLength).toLower();
        }
    }
    return {};
}

// The click on "Scan Roms" (the question answered OK at once) until the list is painted;
// with nothing new, until the message saying so.
double timeScan(Context &context, bool adds)
{
    auto *scan = child<QPushButton>(context.frontEnd.main(), "CmdScanRoms");
    if (!scan)
        return -1;
    const auto click = [&] { QTest::mouseClick(scan, Qt::LeftButton); };
    double ms = -1;
    if (adds) {
        ms = context.frontEnd.timeUntilPainted(click);
    } else {
        const qint64 from = context.clock.nsecsElapsed();
        click();
        ms = millis(from, context.clock.nsecsElapsed());
    }
    context.frontEnd.settle();
    return ms;
}

// The scan's own question and answers are what a run expects, not problems.
void forgetScanMessages(Context &context)
{
    context.dialogs.texts.removeIf(
        [](const QString &text) { return text.startsWith(QLatin1String("Scan Roms: ")); });
}

} // namespace

// Runs SQL on the console database through a connection of its own, as another program.
bool execute(const QString &database, const QByteArray &sql, qint64 *number)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *statement = nullptr;
    bool ok = sqlite3_open_v2(QFile::encodeName(database).constData(), &db, SQLITE_OPEN_READWRITE, nullptr)
                  == SQLITE_OK
              && sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &statement, nullptr) == SQLITE_OK;
    int step = ok ? sqlite3_step(statement) : SQLITE_ERROR;
    ok = ok && (step == SQLITE_ROW || step == SQLITE_DONE);
    if (ok && number && step == SQLITE_ROW)
        *number = sqlite3_column_int64(statement, 0);
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return ok;
}

QStringList links(const QString &database)
{
    QStringList all;
    sqlite3 *db = nullptr;
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(database).constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(db, "SELECT Link FROM giochi WHERE Link IS NOT NULL", -1, &statement, nullptr)
               == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW)
            all.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return all;
}

bool makeFiles(const QDir &dir, const QStringList &names)
{
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        if (!file.exists() && !file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

QString gamesDir(Context &context)
{
    return QDir(QFileInfo(context.database).absolutePath()).filePath(QStringLiteral("../console/gameboy/games"));
}

void searches(Context &context)
{
    QMainWindow *main = context.frontEnd.main();
    const QString figure = Figures::searchKeystroke();
    auto *complete = child<QRadioButton>(main, "OptAll");
    auto *search = child<QLineEdit>(main, "TxtSearch");
    if (!complete || !search)
        return fail(context, figure, QStringLiteral("no search field"));
    QTest::mouseClick(complete, Qt::LeftButton);
    context.frontEnd.settle();
    const QString word = searchWord(main);
    if (word.isEmpty())
        return fail(context, figure, QStringLiteral("no name with a word of 4 letters"));
    std::vector<double> samples;
    const auto key = [&](int repetition, auto press) {
        const double ms = context.frontEnd.timeUntilPainted(press);
        if (repetition >= 0)
            samples.push_back(ms);
        return ms >= 0;
    };
    for (int i = -1; i < context.repetitions; ++i) {
        for (const QChar c : word) {
            if (!key(i, [&] { QTest::keyClick(search, c.toLatin1()); }))
                return fail(context, figure, QStringLiteral("no paint"));
        }
        for (int left = 0; left < WordLength; ++left) {
            if (!key(i, [&] { QTest::keyClick(search, Qt::Key_Backspace); }))
                return fail(context, figure, QStringLiteral("no paint"));
        }
        if (!search->text().isEmpty() || gameView(main)->model()->rowCount() != context.games)
            return fail(context, figure, QStringLiteral("the whole list did not come back"));
    }
    context.run.add(figure, context.games, std::move(samples));
}

// "Scan Roms" among N files that all have their game, then among N more files that have
// none (the new games are removed again, unmeasured, after each scan).
void scans(Context &context)
{
    const QDir dir(gamesDir(context));
    const QString nothing = Figures::scanNothingNew();
    const QString fresh = Figures::scanNew();
    if (!makeFiles(dir, links(context.database)))
        return fail(context, nothing, QStringLiteral("cannot make the rom files"));
    std::vector<double> samples;
    for (int i = -1; i < context.repetitions; ++i) {
        const int messages = int(context.dialogs.texts.size());
        const double ms = timeScan(context, false);
        if (context.dialogs.texts.size() != messages + 1
            || !context.dialogs.texts.last().startsWith(QLatin1String("Scan Roms: No new roms")))
            return fail(context, nothing, QStringLiteral("something was found"));
        if (i >= 0)
            samples.push_back(ms);
    }
    context.run.add(nothing, context.games, std::move(samples));

    QStringList names;
    for (int n = 0; n < context.games; ++n)
        names.append(QStringLiteral("New Rom %1.gb").arg(n, 6, 10, QLatin1Char('0')));
    qint64 last = 0;
    if (!makeFiles(dir, names) || !execute(context.database, "SELECT max(rowid) FROM giochi", &last))
        return fail(context, fresh, QStringLiteral("cannot make the new rom files"));
    const QByteArray removeNew = "DELETE FROM giochi WHERE rowid > " + QByteArray::number(last);
    samples.clear();
    for (int i = -1; i < context.repetitions; ++i) {
        const double ms = timeScan(context, true);
        qint64 count = 0;
        if (ms < 0 || !execute(context.database, "SELECT count(*) FROM giochi", &count)
            || count != qint64(context.games) * 2 || !execute(context.database, removeNew))
            return fail(context, fresh, QStringLiteral("the new games were not all added"));
        if (i >= 0)
            samples.push_back(ms);
    }
    context.run.add(fresh, context.games, std::move(samples));
    forgetScanMessages(context);
}

} // namespace Measure
