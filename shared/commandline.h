#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// The emulator's command line, built from the emulator row, its parameter sets and the
// game's rom file. Pure: no database, no widgets, no process.
//
// Two forms come out of one build: the command line as text (blanks exactly as the rules
// put them, what a user may see) and the program with its argument list that is really
// started. In the argument list the executable path and the rom path each stay one
// argument whatever blanks they hold; the parameter string is split into words as a shell
// would, without expansion (double quotes group and are removed), and the word it glues
// to the front of the rom path (placement 3) stays glued to it.
namespace CommandLine {

// One row of `setting`, as the command line reads it.
struct ParameterSet {
    QVariant stringa; // the parameter; an active set needs one (not Null; an empty text counts)
    QVariant scelta;  // its value; Null means none, an empty text still counts as a value
    QVariant attivo;  // the set is active when this equals the number 1
    QString name;     // Nome, to name the set in an error
};

// Where the parameters go relative to the rom path; Nothing for any other number.
enum class Placement { Nothing, After, Before, Glued };

struct Launch {
    QString program;
    QStringList arguments;
};

struct Input {
    QString executable;       // Emu_Link
    QString placement;        // the text of Emu_Type
    QList<ParameterSet> sets; // in query order
    QString gamesDir;         // ends with a separator
    QString romFile;          // the game's Link
    bool amiga = false;       // parameters glued together, values left out
};

struct Result {
    enum class Outcome { Start, Nothing, Error };
    Outcome outcome = Outcome::Nothing;
    QString text;  // Start: the command line as text
    Launch launch; // Start: what the launcher starts
    QString error; // Error: what went wrong, naming the object
};

bool isActive(const QVariant &attivo);

// The parameter string of the active sets. False, with *error set, when an active set's
// parameter is Null.
bool parameterString(const QList<ParameterSet> &sets, bool amiga, QString *parameters, QString *error);

// Emu_Type as a placement. False when the text is not a number.
bool parsePlacement(const QString &text, Placement *placement);

// The whole build: parameter string, placement, text and argument list, in that order of
// failure (an active set without parameter fails even when the placement starts nothing).
Result build(const Input &input);

// The program and its arguments as one line a POSIX shell would run as they are: a word
// of plain characters stays bare, any other is put in single quotes (a single quote in it
// written '\'').
QString shellText(const Launch &launch);

// Emuset's test launch: the executable alone, no arguments.
Launch testLaunch(const QString &executable);

} // namespace CommandLine
