#pragma once

#include <QString>

class Dialogs;

namespace Globale {

// At start-up: when database files of the installation are still Jet files of the earlier
// program, asks (OK/Cancel) to convert them now. OK converts the installation in-process
// and shows what became of each file; Cancel leaves everything as it is. Both go on.
void offerJetConversion(const QString &rootDir, Dialogs &dialogs);

} // namespace Globale
