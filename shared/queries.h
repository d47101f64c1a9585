#pragma once

#include <QString>

// The record sources both programs write, with the names they hold quoted.
namespace Queries {

// Every emulator of a console database.
QString allEmulators();
// The parameter sets of an emulator: "SELECT * from setting where [id_emula] = '<emulator>'".
QString setsOf(const QString &emulator);
// One set of an emulator by name: setsOf(emulator) + " and [nome] = '<set>'".
QString setNamed(const QString &emulator, const QString &set);

} // namespace Queries
