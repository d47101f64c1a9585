#include "install/installsample.h"

#include <QDate>
#include <QLocale>
#include <QRandomGenerator>
#include <QSet>

#include <array>

namespace InstallSample {

namespace {

struct Extension {
    const char *key;
    const char *extension;
};

constexpr std::array<Extension, Consoles::Count> extensions = {{
    {"gameboy", "gb"},
    {"nintendo", "nes"},
    {"snes", "smc"},
    {"lynx", "lnx"},
    {"master", "sms"},
    {"megadrive", "md"},
    {"gamegear", "gg"},
    {"msx", "rom"},
    {"pcengine", "pce"},
    {"amiga", "uae"},
}};

QStringList list(std::initializer_list<const char *> words)
{
    QStringList out;
    for (const char *word : words)
        out.append(QString::fromUtf8(word));
    return out;
}

const QStringList &prefixes()
{
    static const QStringList words = list({"", "Super", "Mega", "Ultra", "Hyper", "Little", "Grand", "Royal",
                                           "Turbo", "Final", "Mighty", "Secret", "Wild", "Cyber", "Magic",
                                           "Crazy"});
    return words;
}

const QStringList &firstWords()
{
    static const QStringList words = list({"Dragon", "Ninja",  "Space",  "Castle",  "Pixel",  "Thunder", "Robot",
                                           "Jungle", "Ocean",  "Galaxy", "Monster", "Pirate", "Rocket",  "Crystal",
                                           "Shadow", "Desert", "Tiger",  "Volcano", "Star",   "Phantom", "Metal",
                                           "Forest", "Sky",    "Ice",    "Fire",    "Moon",   "Storm",   "Cosmic",
                                           "Iron",   "Golden", "Mystic", "Alien"});
    return words;
}

const QStringList &secondWords()
{
    static const QStringList words = list(
        {"Quest",  "Fighter", "Racer",      "Saga",    "Warriors", "Hunter",  "Legends", "Adventure",
         "Soccer", "Golf",    "Tennis",     "Patrol",  "Blaster",  "Kingdom", "Island",  "Tales",
         "Rescue", "Odyssey", "Chronicles", "League",  "Runner",   "Mania",   "Force",   "Commando",
         "Party",  "Derby",   "Wars",       "Academy", "Express",  "Puzzle",  "Tactics", "Heroes"});
    return words;
}

const QStringList &numbers()
{
    static const QStringList words = list({"", "2", "3", "4", "II", "III", "64", "2000", "Deluxe", "Plus"});
    return words;
}

const QStringList &subtitles()
{
    static const QStringList words = list({"",
                                           "- The Lost Kingdom",
                                           "- Return of the King",
                                           "- Director's Cut",
                                           "- Special Edition",
                                           "- Revenge",
                                           "- Dawn of Heroes",
                                           "- The Final Chapter",
                                           "- World Tour",
                                           "- Turbo Edition",
                                           "- The Dark Tower",
                                           "- Beyond the Stars",
                                           "- Rise of the Machines",
                                           "- Island Adventure",
                                           "- Championship Edition",
                                           "- The Secret of the Caves",
                                           "- Origins",
                                           "- Shadow of the Moon",
                                           "- Legend Returns",
                                           "- Deluxe Pack",
                                           "- The Forgotten Temple",
                                           "- Gold Edition",
                                           "- Night Mission",
                                           "- Tournament"});
    return words;
}

const QStringList &apostropheNames()
{
    static const QStringList names = list({"Kiki's Cloud Ranch", "Ol' Barney's Mine", "Captain O'Malley",
                                           "Wizard's Lantern", "Granny's Garden Party", "Rock 'n' Roll Racer",
                                           "Pirate's Cove", "Knight's Gambit", "Mole's Tunnel Trouble",
                                           "Nick's Neon Night", "Ghost Hunter's Diary", "Fisherman's Luck"});
    return names;
}

const QStringList &accentedNames()
{
    static const QStringList names = list({"Café Rally", "Château Fantôme", "Señor Cactus", "Über Kicker",
                                           "Mañana Racer", "Crème Brûlée Panic", "Fiesta Olé", "Zürich Express",
                                           "Déjà Vu Dungeon", "Piñata Party", "Île Mystère", "São Paulo Soccer"});
    return names;
}

// Languages as users type them: mostly the list's, a few in lower case or left empty.
const QStringList &gameLanguages()
{
    static const QStringList words = list({"English", "English", "Japanese", "Italian", "French", "Deutsche",
                                           "Spanish", "english", "japanese", "", "Multi"});
    return words;
}

const QStringList &masterLanguages()
{
    static const QStringList words = list(
        {"Italian", "French", "English", "Deutsche", "Japanese", "Spanish", "Multi"});
    return words;
}

const QStringList &masterGenres()
{
    static const QStringList words = list({"Action", "Adventure", "Arcade", "Fighting", "Platform", "Puzzle",
                                           "Racing", "RPG", "Shoot'em Up", "Simulation", "Sports", "Strategy"});
    return words;
}

const QStringList &masterPublishers()
{
    static const QStringList words = list(
        {"Bitforge", "Cartridge Kings", "Pixelmoon Studios", "Neon Owl", "Blue Comet Soft", "Tinman Games",
         "Arcadia Works", "Silverleaf Interactive", "Rocket Badger", "Moonbyte", "Quasar Fox", "Little Lantern"});
    return words;
}

const QStringList &playerCounts()
{
    static const QStringList w = list({"1", "1-2", "1-4"});
    return w;
}
const QStringList &regions()
{
    static const QStringList w = list({"EUR", "USA", "JPN", "World"});
    return w;
}

int consoleIndex(const Consoles::Console &console)
{
    const auto &all = Consoles::toolbarOrder();
    for (int i = 0; i < Consoles::Count; ++i) {
        if (all[i].key == console.key)
            return i;
    }
    return 0;
}

// A small, fast, seedable stream (splitmix64), so a generated game depends on its index only.
class Mixer {
public:
    explicit Mixer(quint64 seed) : m_state(seed) {}
    quint32 bounded(quint32 limit) { return quint32(next() % limit); }
    template <typename List> const auto &pick(const List &values)
    {
        return values.at(bounded(quint32(values.size())));
    }

private:
    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    quint64 m_state;
};

template <typename Random> void fillDetails(Game &game, const Consoles::Console &console, Random &random)
{
    const int year = 1975 + int(random.bounded(35));
    game.year = QString::number(year);
    game.genre = random.pick(masterGenres());
    game.producer = random.pick(masterPublishers());
    game.rating = int(random.bounded(6));
    game.link = game.name + QLatin1Char('.') + romExtension(console.key);
    game.colour = random.bounded(4) != 0;
    game.sound = random.bounded(3) == 0;
    game.favorite = random.bounded(5) == 0;
    game.emulator = emulatorName();
    game.players = random.pick(playerCounts());
    game.region = random.pick(regions());
    game.serial = console.key.left(3).toUpper()
                  + QStringLiteral("-%1").arg(random.bounded(10000), 4, 10, QLatin1Char('0'));
    const QDate added = QDate(2003, 1, 1).addDays(random.bounded(2500));
    game.added = added.toString(QStringLiteral("dd/MM/yyyy"));
    game.times = int(random.bounded(60));
    if (game.times > 0)
        game.lastPlay = QLocale::system().toString(added.addDays(random.bounded(400)), QLocale::ShortFormat);
    game.notes = QStringLiteral("%1 from %2, %3.").arg(game.genre, game.producer, game.year);
}

// Wraps QRandomGenerator with the same pick() as Mixer.
class SampleRandom {
public:
    explicit SampleRandom(quint32 seed) : m_random(seed) {}
    quint32 bounded(quint32 limit) { return m_random.bounded(limit); }
    template <typename List> const auto &pick(const List &values)
    {
        return values.at(bounded(quint32(values.size())));
    }

private:
    QRandomGenerator m_random;
};

QStringList sampleNames(int console, SampleRandom &random)
{
    QStringList names = {apostropheNames().at(console), apostropheNames().at((console + 5) % 12),
                         accentedNames().at(console), accentedNames().at((console + 7) % 12)};
    QSet<QString> taken(names.cbegin(), names.cend());
    while (names.size() < 30) {
        QString name = random.pick(firstWords()) + QLatin1Char(' ') + random.pick(secondWords());
        if (random.bounded(3) == 0)
            name += QLatin1Char(' ') + random.pick(numbers());
        if (!taken.contains(name.trimmed())) {
            taken.insert(name.trimmed());
            names.append(name.trimmed());
        }
    }
    return names;
}

Game sampleGame(const Consoles::Console &console, const QString &name, SampleRandom &random)
{
    Game game;
    game.name = name;
    fillDetails(game, console, random);
    game.language = random.pick(gameLanguages());
    const quint32 playable = random.bounded(6);
    game.playable = playable == 0 ? QVariant() : QVariant(playable == 1 ? 0 : 1);
    if (random.bounded(4) != 0)
        game.screenshots = random.bounded(4) == 0 ? 3 : 1;
    if (game.screenshots > 0)
        game.screen = name + QStringLiteral(".gif");
    game.rom = random.bounded(5) == 0;
    if (random.bounded(6) == 0)
        game.notes += QStringLiteral("\nTip: hold both buttons on the title screen for a secret menu.");
    return game;
}

QString generatedName(int index)
{
    // index -> a permutation of the name space (the multiplier is prime to its size), so
    // neighbouring games differ in every part and names stay distinct.
    const quint64 space = quint64(prefixes().size()) * firstWords().size() * secondWords().size()
                          * numbers().size() * subtitles().size();
    quint64 k = (quint64(index) * 1000003u + 12345u) % space;
    auto digit = [&k](const QStringList &words) {
        const QString &word = words.at(qsizetype(k % quint64(words.size())));
        k /= quint64(words.size());
        return word;
    };
    const QStringList parts = {digit(prefixes()), digit(firstWords()), digit(secondWords()), digit(numbers()),
                               digit(subtitles())};
    QStringList used;
    for (const QString &part : parts) {
        if (!part.isEmpty())
            used.append(part);
    }
    return used.join(QLatin1Char(' '));
}

} // namespace

QStringList languages() { return masterLanguages(); }
QStringList genres() { return masterGenres(); }
QStringList publishers() { return masterPublishers(); }

QString emulatorName() { return QStringLiteral("DemoEmu"); }

QString romExtension(const QString &key)
{
    for (const Extension &entry : extensions) {
        if (key == QLatin1String(entry.key))
            return QString::fromLatin1(entry.extension);
    }
    return QStringLiteral("rom");
}

QStringList gameColumns()
{
    return list({"Gioco",    "Anno",    "Screen",   "Times",  "Genre",  "Producer", "Rating",
                 "Link",     "Colour",  "Language", "Sound",  "Data",   "DataAdd",  "Notes",
                 "Playable", "EmuName", "Players",  "Region", "Serial", "Favorites"});
}

QVariantList gameValues(const Game &game)
{
    auto text = [](const QString &value) { return value.isEmpty() ? QVariant() : QVariant(value); };
    return {game.name,       game.year,           text(game.screen), game.times,       game.genre,
            game.producer,   game.rating,         game.link,         int(game.colour), game.language,
            int(game.sound), text(game.lastPlay), game.added,        game.notes,       game.playable,
            game.emulator,   game.players,        game.region,       game.serial,      int(game.favorite)};
}

QList<Game> sampleGames(const Consoles::Console &console)
{
    const int index = consoleIndex(console);
    SampleRandom random(42u + quint32(index));
    QList<Game> games;
    for (const QString &name : sampleNames(index, random))
        games.append(sampleGame(console, name, random));
    return games;
}

Game generatedGame(const Consoles::Console &console, int index)
{
    Mixer random(42u + quint64(index));
    Game game;
    game.name = generatedName(index);
    fillDetails(game, console, random);
    game.times += 1;
    if (game.lastPlay.isEmpty())
        game.lastPlay = QLocale::system().toString(QDate(2009, 6, 1), QLocale::ShortFormat);
    game.language = random.pick(masterLanguages());
    game.playable = int(random.bounded(5) != 0);
    game.screen = game.name + QStringLiteral(".gif");
    return game;
}

} // namespace InstallSample
