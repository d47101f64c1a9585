#pragma once

#include <QList>
#include <QString>

// The front-end's store of the on/off marks of an emulator's listed parameter sets: each
// mark into Attivo of the first row of its set, all of them in one transaction, so that
// a crash or a refusal leaves either every mark of the click or none.
namespace SetMarks {

struct Mark {
    QString set;   // Nome of the set
    bool marked = false;
};

// False, with *error naming the file and the statement, when the database refuses; no
// mark is changed then.
bool store(const QString &database, const QString &emulator, const QList<Mark> &marks, QString *error);

} // namespace SetMarks
