#pragma once

#include <QHash>
#include <QList>
#include <QString>

// The store of the on/off marks of an emulator's parameter sets: each mark into Attivo of
// the row its list entry shows, in one transaction. The programs store only the mark a
// person changed, so that neither undoes the other's marks, and then show what is stored.
namespace SetMarks {

struct Mark {
    qint64 rowId = 0; // the set's row in setting
    bool marked = false;
    QString set; // its name, for messages
};

// False, with *error naming the file and the cause, when the database refuses or a
// listed set is no longer there; no mark is changed then.
bool store(const QString &database, const QList<Mark> &marks, QString *error);

// Every set's mark of an emulator as the file holds it, by row id; empty when unreadable.
QHash<qint64, bool> stored(const QString &database, const QString &emulator);

} // namespace SetMarks
