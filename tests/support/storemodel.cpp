#include "tests/support/storemodel.h"

#include "tests/support/testinstall.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

const QString marksEmulator = QStringLiteral("Marks");

QString gameName(int number) { return QStringLiteral("G") + QString::number(number); }

} // namespace

bool StoreModel::seed(TestInstall &install, const QString &database, int games, int sets)
{
    for (int game = 0; game < games; ++game) {
        if (!install.exec(database,
                          QStringLiteral("INSERT INTO giochi (Gioco, Notes, Producer, Times, Data, EmuName) "
                                         "VALUES (?, 'v0', 'v0', 0, 'played 0', ?)"),
                          {gameName(game), marksEmulator}))
            return false;
    }
    if (!install.exec(database, QStringLiteral("INSERT INTO emulatori (Emu_Name, Emu_Link, Emu_Type) "
                                               "VALUES ('Marks', '/emus/Marks', '1')")))
        return false;
    for (int set = 0; set < sets; ++set) {
        if (!install.exec(database,
                          QStringLiteral("INSERT INTO setting (ID_Emula, Nome, Stringa, Attivo) "
                                         "VALUES ('Marks', ?, '-s', 0)"),
                          {QStringLiteral("S%1").arg(set, 2, 10, QLatin1Char('0'))}))
            return false;
    }
    return true;
}

StoreModel::StoreModel(int games)
{
    for (int game = 0; game < games; ++game) {
        m_state.notes.insert(gameName(game), QStringLiteral("v0"));
        m_state.times.insert(gameName(game), 0);
    }
}

void StoreModel::apply(State &state, const Store &store)
{
    if (store.kind == "record")
        state.notes[store.key] = store.value;
    else if (store.kind == "play")
        state.times[store.key] = store.value.toLongLong();
    else if (store.kind == "marks")
        state.marks = store.value;
    else if (store.kind == "emulator")
        state.emulators[store.key] = store.value;
    else if (store.kind == "set")
        state.sets[store.value] = store.key;
}

void StoreModel::feed(const QByteArrayList &lines)
{
    for (const QByteArray &line : lines) {
        const QList<QByteArray> words = line.split(' ');
        if (words.first() == "doing" && words.size() == 5) {
            m_pending = Store{words[1].toLongLong(), words[2], QString::fromUtf8(words[3]),
                              QString::fromUtf8(words[4])};
            m_next = qMax(m_next, m_pending->number + 1);
        } else if (words.first() == "stored" && m_pending && words.value(1).toLongLong() == m_pending->number) {
            apply(m_state, *m_pending);
            m_pending.reset();
            ++m_reported;
        } else if (words.first() != "ready") {
            m_errors.append(QString::fromUtf8(line));
        }
    }
}

// The database's rows as a state; a pair that disagrees, or a row twice, is a fault.
QString StoreModel::read(const QString &databasePath, State *state)
{
    const QString connection = QStringLiteral("storemodel-") + QUuid::createUuid().toString();
    QString fault;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databasePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
        QSqlQuery query(db);
        const auto run = [&](const QString &sql) {
            if (!db.isOpen() && !db.open())
                fault = db.lastError().text();
            else if (!query.exec(sql))
                fault = sql + QStringLiteral(": ") + query.lastError().text();
            return fault.isEmpty();
        };
        if (run(QStringLiteral("PRAGMA integrity_check")) && query.next()
            && query.value(0).toString() != QLatin1String("ok"))
            fault = QStringLiteral("integrity_check: ") + query.value(0).toString();
        if (fault.isEmpty() && run(QStringLiteral("SELECT Gioco, Notes, Producer, Times, Data FROM giochi"))) {
            while (query.next() && fault.isEmpty()) {
                const QString game = query.value(0).toString();
                if (query.value(1) != query.value(2)
                    || query.value(4).toString() != QLatin1String("played ") + query.value(3).toString())
                    fault = QStringLiteral("half-written game %1: Notes %2, Producer %3, Times %4, Data %5")
                                .arg(game, query.value(1).toString(), query.value(2).toString(),
                                     query.value(3).toString(), query.value(4).toString());
                state->notes.insert(game, query.value(1).toString());
                state->times.insert(game, query.value(3).toLongLong());
            }
        }
        if (fault.isEmpty()
            && run(QStringLiteral("SELECT DISTINCT Attivo FROM setting WHERE ID_Emula = 'Marks'"))) {
            QStringList marks;
            while (query.next())
                marks.append(query.value(0).toString());
            if (marks.size() != 1)
                fault = QStringLiteral("half-written marks: ") + marks.join(QLatin1Char(','));
            state->marks = marks.value(0);
        }
        if (fault.isEmpty()
            && run(
                QStringLiteral("SELECT Emu_Name, Emu_Link, Emu_Type FROM emulatori WHERE Emu_Name <> 'Marks'"))) {
            while (query.next() && fault.isEmpty()) {
                const QString name = query.value(0).toString();
                if (query.value(1).toString() != QStringLiteral("/emus/") + name
                    || state->emulators.contains(name))
                    fault = QStringLiteral("emulator %1 half-written or twice: link %2")
                                .arg(name, query.value(1).toString());
                state->emulators.insert(name, query.value(2).toString());
            }
        }
        if (fault.isEmpty()
            && run(QStringLiteral("SELECT Nome, ID_Emula, Stringa FROM setting WHERE ID_Emula <> 'Marks'"))) {
            while (query.next() && fault.isEmpty()) {
                const QString name = query.value(0).toString();
                if (query.value(2).toString() != QLatin1Char('-') + name || state->sets.contains(name))
                    fault = QStringLiteral("set %1 half-written or twice: parameter %2")
                                .arg(name, query.value(2).toString());
                state->sets.insert(name, query.value(1).toString());
            }
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return fault;
}

QString StoreModel::difference(const State &expected, const State &found)
{
    QStringList lines;
    for (auto it = expected.notes.cbegin(); it != expected.notes.cend(); ++it) {
        if (found.notes.value(it.key()) != it.value()
            || found.times.value(it.key()) != expected.times.value(it.key()))
            lines.append(QStringLiteral("game %1: expected %2/%3, found %4/%5")
                             .arg(it.key(), it.value())
                             .arg(expected.times.value(it.key()))
                             .arg(found.notes.value(it.key()))
                             .arg(found.times.value(it.key())));
    }
    if (expected.marks != found.marks)
        lines.append(QStringLiteral("marks: expected %1, found %2").arg(expected.marks, found.marks));
    if (expected.emulators != found.emulators)
        lines.append(QStringLiteral("emulators: expected %1, found %2")
                         .arg(expected.emulators.size())
                         .arg(found.emulators.size()));
    if (expected.sets != found.sets)
        lines.append(
            QStringLiteral("sets: expected %1, found %2").arg(expected.sets.size()).arg(found.sets.size()));
    return lines.join(QStringLiteral("; "));
}

QString StoreModel::check(const QString &databasePath)
{
    State found;
    const QString fault = read(databasePath, &found);
    if (!fault.isEmpty())
        return fault;
    if (found == m_state) {
        m_interruptedLost += m_pending ? 1 : 0;
        m_pending.reset();
        return {};
    }
    if (m_pending) {
        State done = m_state;
        apply(done, *m_pending);
        if (found == done) {
            m_state = done;
            m_pending.reset();
            ++m_interruptedDone;
            return {};
        }
    }
    return QStringLiteral("the file does not hold what was reported (store under way: %1): ")
               .arg(m_pending ? m_pending->number : -1)
           + difference(m_state, found);
}
