#pragma once

#include <QString>

// The record sources both programs write, with the names they hold quoted.
namespace Queries {

// Every emulator of a console database.
QString allEmulators();
// The parameter sets of an emulator: "SELECT * from setting where [id_emula] = '<emulator>'",
// which matches names without regard to case, narrowed so that a set whose emulator name
// is some emulator's name exactly belongs to that emulator alone (GAMBATTE's sets are not
// Gambatte's).
QString setsOf(const QString &emulator);

} // namespace Queries
