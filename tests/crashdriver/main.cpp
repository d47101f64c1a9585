// ludora-crashdriver DATABASE MODE FIRST COUNT [wait]
//
// A child program for the crash and two-program tests: it stores records in a console
// database the way the programs do, through the same data sources, bound controls and
// statements, and reports each store on standard output:
//
//   ready                              the database is open
//   doing <n> <kind> <key> <value>     store number n starts
//   stored <n>                         store number n is committed
//   error <n> <text>                   store number n failed (the program then ends, 1)
//
// MODE picks the stores, taken in turn from store number FIRST on; COUNT of them (0: until
// killed). With "wait", the first store waits for a line on standard input. The kinds of
// store, with what each writes:
//   record   "Save Modify" of game <key>: Notes and Producer both <value>
//   play     the play action on game <key>: Times <value> and Data "played <value>"
//   marks    the Setting page's marks of emulator <key>: every set's Attivo <value>
//   emulator Emuset's "Save" of a new emulator <key>: Emu_Link "/emus/<key>", Emu_Type <value>
//   set      Emuset's "Save" of a new set of emulator <key>: Nome <value>, Stringa "-<value>"
// Modes: frontend (record, play, marks), emuset (emulator, set), all (the five in turn).
// The games to use are the rows of giochi named G0, G1, ...; the marks are those of the
// sets of the emulator named Marks.
#include "shared/datasource.h"
#include "shared/schema.h"
#include "shared/setmarks.h"
#include "shared/sql.h"
#include "shared/widgets/boundwidget.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cstdio>

namespace {

const QString marksEmulator = QStringLiteral("Marks");

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// The front-end's record view: the controls of one game row that the stores touch.
struct RecordView {
    QLineEdit LabGame;
    QComboBox CmbProducer;
    QPlainTextEdit TxtGameHelp;
    QLabel TxtTimes;
    QLabel TxtLastPlay;
    DataSource DatGames{QStringLiteral("DatGames")};
    DataSource DatSett{QStringLiteral("DatSett")};

    explicit RecordView(const QString &database)
    {
        CmbProducer.setEditable(true);
        bindWidget(DatGames, &LabGame, QStringLiteral("Gioco"));
        bindWidget(DatGames, &CmbProducer, QStringLiteral("Producer"));
        bindWidget(DatGames, &TxtGameHelp, QStringLiteral("Notes"));
        bindWidget(DatGames, &TxtTimes, QStringLiteral("Times"));
        bindWidget(DatGames, &TxtLastPlay, QStringLiteral("Data"));
        DatGames.setDatabaseName(database);
        DatGames.setRecordSource(QStringLiteral("SELECT * from giochi order by [gioco]"));
        DatSett.setDatabaseName(database);
    }

    // As a selection in the game list shows a game: its row found and put into edit.
    bool showGame(const QString &name)
    {
        return DatGames.open()
               && DatGames.findFirst(QStringLiteral("[gioco] ='") + Sql::escape(name) + QLatin1Char('\''))
               && DatGames.edit();
    }
};

// Emuset's editors: the emulator's and the set's boxes.
struct EmusetEditors {
    QLineEdit TxtEmu1;
    QLineEdit TxtFileEmu1;
    QLineEdit TxtSetmode;
    QLineEdit TxtSettName;
    QLineEdit TxtParameter;
    DataSource DatEmu{QStringLiteral("DatEmu")};
    DataSource DatSett{QStringLiteral("DatSett")};

    explicit EmusetEditors(const QString &database)
    {
        bindWidget(DatEmu, &TxtEmu1, QStringLiteral("Emu_Name"));
        bindWidget(DatEmu, &TxtFileEmu1, QStringLiteral("Emu_Link"));
        bindWidget(DatEmu, &TxtSetmode, QStringLiteral("Emu_Type"));
        bindWidget(DatSett, &TxtSettName, QStringLiteral("Nome"));
        bindWidget(DatSett, &TxtParameter, QStringLiteral("Stringa"));
        DatEmu.setDatabaseName(database);
        DatEmu.setRecordSource(QStringLiteral("select * from emulatori"));
        DatSett.setDatabaseName(database);
    }
};

class Driver {
public:
    Driver(const QString &database, const QString &mode)
        : m_database(database), m_record(database), m_emuset(database)
    {
        if (mode == QLatin1String("frontend"))
            m_kinds = {Kind::Record, Kind::Play, Kind::Marks};
        else if (mode == QLatin1String("emuset"))
            m_kinds = {Kind::Emulator, Kind::Set};
        else if (mode == QLatin1String("all"))
            m_kinds = {Kind::Record, Kind::Play, Kind::Marks, Kind::Emulator, Kind::Set};
    }

    bool valid() const { return !m_kinds.isEmpty(); }
    // The games G0.. there are; false when the database cannot be read.
    bool prepare();
    bool store(qint64 number);

private:
    enum class Kind { Record, Play, Marks, Emulator, Set };

    bool storeRecord(qint64 number);
    bool storePlay(qint64 number);
    bool storeMarks(qint64 number);
    bool storeEmulator(qint64 number);
    bool storeSet(qint64 number);
    QString game(qint64 number) const { return QStringLiteral("G") + QString::number(number % m_games); }
    bool failed(qint64 number, const QString &text);

    QString m_database;
    RecordView m_record;
    EmusetEditors m_emuset;
    QList<Kind> m_kinds;
    int m_games = 0;
    QString m_lastEmulator;
};

bool Driver::prepare()
{
    DataSource games(QStringLiteral("games"));
    games.setDatabaseName(m_database);
    games.setRecordSource(QStringLiteral("SELECT * from giochi where [gioco] like 'G%'"));
    if (!games.open()) {
        say(QStringLiteral("error 0 ") + games.lastError());
        return false;
    }
    m_games = games.rowCount();
    return m_games > 0;
}

bool Driver::failed(qint64 number, const QString &text)
{
    say(QStringLiteral("error %1 ").arg(number) + text);
    return false;
}

bool Driver::store(qint64 number)
{
    switch (m_kinds[int(number % m_kinds.size())]) {
    case Kind::Record: return storeRecord(number);
    case Kind::Play: return storePlay(number);
    case Kind::Marks: return storeMarks(number);
    case Kind::Emulator: return storeEmulator(number);
    case Kind::Set: return storeSet(number);
    }
    return false;
}

// "Save Modify" after typing into two fields of the record view.
bool Driver::storeRecord(qint64 number)
{
    const QString value = QStringLiteral("v") + QString::number(number);
    say(QStringLiteral("doing %1 record %2 %3").arg(number).arg(game(number), value));
    if (!m_record.showGame(game(number)))
        return failed(number, m_record.DatGames.lastError());
    m_record.TxtGameHelp.setPlainText(value);
    m_record.CmbProducer.setEditText(value);
    if (!m_record.DatGames.update())
        return failed(number, m_record.DatGames.lastError());
    return true;
}

// The play action's store: one more play, and the date it happened.
bool Driver::storePlay(qint64 number)
{
    if (!m_record.showGame(game(number)))
        return failed(number, m_record.DatGames.lastError());
    const QString times = QString::number(m_record.TxtTimes.text().toLongLong() + 1);
    say(QStringLiteral("doing %1 play %2 %3").arg(number).arg(game(number), times));
    m_record.TxtTimes.setText(times);
    m_record.TxtLastPlay.setText(QStringLiteral("played ") + times);
    if (!m_record.DatGames.update())
        return failed(number, m_record.DatGames.lastError());
    return true;
}

// A click on the Setting page: the listed sets read as the page lists them, then every
// mark stored.
bool Driver::storeMarks(qint64 number)
{
    const int value = int((number / m_kinds.size()) % 2);
    DataSource &sets = m_record.DatSett;
    sets.setRecordSource(QStringLiteral("SELECT * from setting where [id_emula] = '") + Sql::escape(marksEmulator)
                         + QLatin1Char('\''));
    if (!sets.open())
        return failed(number, sets.lastError());
    QList<SetMarks::Mark> marks;
    for (; !sets.atEnd(); sets.moveNext())
        marks.append({*sets.currentRowId(), value == 1, sets.value(Schema::Settings::Nome).toString()});
    say(QStringLiteral("doing %1 marks %2 %3").arg(number).arg(marksEmulator).arg(value));
    QString error;
    if (!SetMarks::store(m_database, marks, &error))
        return failed(number, error);
    return true;
}

// Emuset's "New", three boxes typed, "Save".
bool Driver::storeEmulator(qint64 number)
{
    m_lastEmulator = QStringLiteral("E") + QString::number(number);
    const QString type = QString::number(number % 3 + 1);
    say(QStringLiteral("doing %1 emulator %2 %3").arg(number).arg(m_lastEmulator, type));
    if (!m_emuset.DatEmu.open() || !m_emuset.DatEmu.addNew())
        return failed(number, m_emuset.DatEmu.lastError());
    m_emuset.TxtEmu1.setText(m_lastEmulator);
    m_emuset.TxtFileEmu1.setText(QStringLiteral("/emus/") + m_lastEmulator);
    m_emuset.TxtSetmode.setText(type);
    if (!m_emuset.DatEmu.update())
        return failed(number, m_emuset.DatEmu.lastError());
    return true;
}

// Emuset's "New" set of the selected emulator, two boxes typed, "Save".
bool Driver::storeSet(qint64 number)
{
    if (m_lastEmulator.isEmpty())
        m_lastEmulator = QStringLiteral("E") + QString::number(number);
    const QString name = QStringLiteral("P") + QString::number(number);
    say(QStringLiteral("doing %1 set %2 %3").arg(number).arg(m_lastEmulator, name));
    DataSource &sets = m_emuset.DatSett;
    sets.setRecordSource(QStringLiteral("SELECT * from setting where [id_emula] = '") + Sql::escape(m_lastEmulator)
                         + QLatin1Char('\''));
    if (!sets.open() || !sets.addNew() || !sets.setValue(QStringLiteral("ID_Emula"), m_lastEmulator))
        return failed(number, sets.lastError());
    m_emuset.TxtSettName.setText(name);
    m_emuset.TxtParameter.setText(QLatin1Char('-') + name);
    if (!sets.update())
        return failed(number, sets.lastError());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool wait = args.size() == 6 && args[5] == QLatin1String("wait");
    if (args.size() != 5 && !wait) {
        std::fputs("usage: ludora-crashdriver DATABASE frontend|emuset|all FIRST COUNT [wait]\n", stderr);
        return 2;
    }
    Driver driver(args[1], args[2]);
    bool numbers = false;
    const qint64 first = args[3].toLongLong(&numbers);
    bool countNumber = false;
    const qint64 count = args[4].toLongLong(&countNumber);
    if (!driver.valid() || !numbers || !countNumber) {
        std::fputs("ludora-crashdriver: bad mode or number\n", stderr);
        return 2;
    }
    if (!driver.prepare())
        return 1;
    say(QStringLiteral("ready"));
    char go[16];
    if (wait && !std::fgets(go, sizeof go, stdin))
        return 2;
    for (qint64 number = first; count == 0 || number < first + count; ++number) {
        if (!driver.store(number))
            return 1;
        say(QStringLiteral("stored %1").arg(number));
    }
    return 0;
}
