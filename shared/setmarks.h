#pragma once

#include <QList>
#include <QString>

// The store of the on/off marks of an emulator's listed parameter sets: each mark into
// Attivo of the row its list entry shows, all of them in one transaction, so that a
// crash or a refusal leaves either every mark of the click or none.
namespace SetMarks {

struct Mark {
    qint64 rowId = 0; // the set's row in setting
    bool marked = false;
    QString set; // its name, for messages
};

// False, with *error naming the file and the cause, when the database refuses or a
// listed set is no longer there; no mark is changed then.
bool store(const QString &database, const QList<Mark> &marks, QString *error);

} // namespace SetMarks
