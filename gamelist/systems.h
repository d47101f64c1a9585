#pragma once

#include <QString>

namespace Consoles {
struct Console;
}

// The consoles as a gamelist's command names them: by their own key ("gameboy") or by the
// system name the EmulationStation family gives their folder ("gb", "genesis").
namespace GamelistSystems {

// Exact, case-sensitive; nullptr when the name is neither.
const Consoles::Console *console(const QString &name);
// Every name accepted, for the usage text.
QString acceptedNames();

} // namespace GamelistSystems
