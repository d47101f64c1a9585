#pragma once

#include <QByteArrayList>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

class TestInstall;

// What the crash driver reported, kept as the state the console database must hold, and
// the check of the database file against it.
class StoreModel {
public:
    // The driver's starting rows: games G0.. with agreeing pairs, the emulator "Marks"
    // with its sets, all unmarked.
    static bool seed(TestInstall &install, const QString &database, int games, int sets);

    explicit StoreModel(int games);

    // One run's report lines, in order.
    void feed(const QByteArrayList &lines);

    // Checks a database file: PRAGMA integrity_check answers ok, every pair agrees (nothing
    // half-written), every reported store is there and nothing else is, but the store
    // under way when the driver died, which is either wholly there or wholly absent (it
    // counts as done or not, as the file says). Empty when all holds, else the fault.
    QString check(const QString &databasePath);

    qint64 nextNumber() const { return m_next; } // for the next run's first store
    int reported() const { return m_reported; }  // stores reported over all runs
    int interruptedDone() const { return m_interruptedDone; }
    int interruptedLost() const { return m_interruptedLost; }
    QStringList errors() const { return m_errors; }

    struct Store {
        qint64 number = 0;
        QByteArray kind;
        QString key;
        QString value;
    };
    struct State {
        QHash<QString, QString> notes;       // game: Notes (= Producer)
        QHash<QString, qint64> times;        // game: Times ("played <Times>" in Data)
        QString marks = QStringLiteral("0"); // Attivo of every set of Marks
        QHash<QString, QString> emulators;   // name: Emu_Type
        QHash<QString, QString> sets;        // name: its emulator
        bool operator==(const State &) const = default;
    };

private:
    static void apply(State &state, const Store &store);
    static QString read(const QString &databasePath, State *state);
    static QString difference(const State &expected, const State &found);

    State m_state;
    std::optional<Store> m_pending;
    qint64 m_next = 1;
    int m_reported = 0;
    int m_interruptedDone = 0;
    int m_interruptedLost = 0;
    QStringList m_errors;
};
