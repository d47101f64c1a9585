#include "gamelist/systems.h"

#include "shared/consoles.h"

#include <QStringList>

namespace GamelistSystems {

namespace {

struct SystemName {
    const char *system;
    const char *key;
};

// The EmulationStation family's folder names of the ten consoles.
constexpr SystemName systemNames[] = {
    {"gb", "gameboy"},          {"gbc", "gameboy"},
    {"nes", "nintendo"},        {"snes", "snes"},
    {"atarilynx", "lynx"},      {"mastersystem", "master"},
    {"megadrive", "megadrive"}, {"genesis", "megadrive"},
    {"gamegear", "gamegear"},   {"msx", "msx"},
    {"pcengine", "pcengine"},   {"amiga", "amiga"},
};

} // namespace

const Consoles::Console *console(const QString &name)
{
    if (const Consoles::Console *byKey = Consoles::byKey(name))
        return byKey;
    for (const SystemName &entry : systemNames) {
        if (name == QLatin1String(entry.system))
            return Consoles::byKey(QLatin1String(entry.key));
    }
    return nullptr;
}

QString acceptedNames()
{
    QStringList names;
    for (const Consoles::Console &console : Consoles::toolbarOrder())
        names.append(console.key);
    for (const SystemName &entry : systemNames) {
        if (!names.contains(QLatin1String(entry.system)))
            names.append(QLatin1String(entry.system));
    }
    return names.join(QStringLiteral(", "));
}

} // namespace GamelistSystems
