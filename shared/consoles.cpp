#include "shared/consoles.h"

#include "shared/installationpaths.h"

namespace Consoles {

namespace {

Console make(const char *key, const char *first, const char *final, const char *missing, const char *emuset,
             const char *stem, const char *probedStem, const char *picture)
{
    const QString file = QLatin1String(stem) + QLatin1String(".mdb");
    return Console{
        QLatin1String(key),
        QLatin1String(first),
        QLatin1String(final),
        QLatin1String(missing),
        QLatin1String(emuset),
        file,
        InstallationPaths::databasesDir() + file,
        InstallationPaths::databasesDir() + QLatin1String(probedStem) + QLatin1String(".mdb"),
        QLatin1String(picture),
        QLatin1String(stem),
        QLatin1String("console\\") + QLatin1String(stem) + QLatin1Char('\\'),
    };
}

} // namespace

const std::array<Console, Count> &toolbarOrder()
{
    static const std::array<Console, Count> consoles = {
        make("gameboy", "Gameboy", "Gameboy", "Gameboy, ", "Gameboy", "gameboy", "gameboy", "gameboy.jpg"),
        make("nintendo", "Nintendo", "Nintendo", "Nintendo, ", "Nintendo", "nintendo", "nintendo",
             "nintendo2.jpg"),
        make("snes", "SuperNes", "SuperNintendo", "Snes, ", "SuperNintendo", "snes", "snes", "snesimage.jpeg"),
        make("lynx", "Lynx", "Atari Lynx", "Lynx, ", "Atari Lynx", "lynx", "Lynx", "lynx.jpg"),
        make("master", "MasterSystem", "Master System", "Master System, ", "Sega Master System", "mast", "Mast",
             "mastersys.jpg"),
        make("megadrive", "Megadrive", "Megadrive", "Megadrive, ", "Sega Megadrive", "mega", "Mega",
             "megadrive.jpg"),
        make("gamegear", "GameGear", "GameGear", "GameGear, ", "Sega GameGear", "gamegear", "gamegear",
             "gamegear.jpg"),
        make("msx", "MSX", "MSX", "MSX, ", "MSX", "msx", "msx", "msx.gif"),
        make("pcengine", "PCEngine", "PcEngine", "PCEngine, ", "PcEngine", "pcengine", "pcengine", "pcengine.jpg"),
        make("amiga", "Amiga", "Amiga", "Amiga, ", "Commodore Amiga", "amiga", "amiga", "amiga.jpg"),
    };
    return consoles;
}

namespace {

// The toolbar order with msx (index 7) and pcengine (index 8) swapped.
std::array<const Console *, Count> pcengineBeforeMsx()
{
    const auto &all = toolbarOrder();
    std::array<const Console *, Count> order{};
    for (int i = 0; i < Count; ++i)
        order[i] = &all[i];
    std::swap(order[7], order[8]);
    return order;
}

const Console *find(const QString &value, QString Console::*field)
{
    for (const Console &console : toolbarOrder()) {
        if (console.*field == value)
            return &console;
    }
    return nullptr;
}

} // namespace

const std::array<const Console *, Count> &comparisonOrder()
{
    static const auto order = pcengineBeforeMsx();
    return order;
}

const std::array<const Console *, Count> &emusetOrder()
{
    static const auto order = pcengineBeforeMsx();
    return order;
}

const Console *byKey(const QString &key) { return find(key, &Console::key); }
const Console *byDatabaseFile(const QString &file) { return find(file, &Console::databaseFile); }
const Console *byEmusetName(const QString &name) { return find(name, &Console::emusetName); }

} // namespace Consoles
