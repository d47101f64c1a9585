#include "shared/commandline.h"

#include <QProcess>

#include <algorithm>
#include <cmath>

namespace CommandLine {

namespace {

const QChar blank = QLatin1Char(' ');

QString setName(const ParameterSet &set) { return set.name.isEmpty() ? QStringLiteral("(no name)") : set.name; }

// The parameter string as separate arguments, split as a shell splits words but without
// any expansion: blanks separate, double quotes group and are removed ("" is an empty
// argument, a tripled quote a literal one).
QStringList pieces(const QString &parameters) { return QProcess::splitCommand(parameters); }

// Placement 3: the last word is glued to the front of the rom path and stays one argument
// with it; a string that ends with a blank glues nothing.
QStringList gluedArguments(const QString &parameters, const QString &romPath)
{
    QStringList all = pieces(parameters);
    if (all.isEmpty() || parameters.endsWith(blank))
        return all << romPath;
    const QString glued = all.takeLast();
    return all << glued + romPath;
}

QString commandText(Placement placement, const QString &executable, const QString &parameters,
                    const QString &romPath)
{
    switch (placement) {
    case Placement::After: return executable + blank + romPath + blank + parameters;
    case Placement::Before: return executable + blank + parameters + blank + romPath;
    case Placement::Glued: return executable + blank + parameters + romPath;
    case Placement::Nothing: break;
    }
    return {};
}

QStringList arguments(Placement placement, const QString &parameters, const QString &romPath)
{
    switch (placement) {
    case Placement::After: return QStringList{romPath} + pieces(parameters);
    case Placement::Before: return pieces(parameters) << romPath;
    case Placement::Glued: return gluedArguments(parameters, romPath);
    case Placement::Nothing: break;
    }
    return {};
}

Result failure(const QString &error)
{
    Result result;
    result.outcome = Result::Outcome::Error;
    result.error = error;
    return result;
}

} // namespace

bool isActive(const QVariant &attivo)
{
    bool number = false;
    const double value = attivo.isNull() ? 0 : attivo.toDouble(&number);
    return number && value == 1;
}

bool parameterString(const QList<ParameterSet> &sets, bool amiga, QString *parameters, QString *error)
{
    QString text = amiga ? QString() : QString(blank);
    for (const ParameterSet &set : sets) {
        if (!isActive(set.attivo))
            continue;
        // An active set without a parameter (Null) cannot be put on the command line; an
        // empty text is a parameter like any other and adds only its blanks.
        if (set.stringa.isNull()) {
            *error = QStringLiteral("Parameter set ") + setName(set)
                     + QStringLiteral(" is active but has no parameter");
            return false;
        }
        text += set.stringa.toString();
        if (!amiga)
            text += set.scelta.isNull() ? QString(blank) : blank + set.scelta.toString() + blank;
    }
    *parameters = text;
    return true;
}

// The text is read as a decimal number: blanks around it are ignored, a fraction is
// rounded to the nearest whole number (halves to the even one), so " 2" and "2.0" give 2.
// Empty text, letters, "2x" and infinities are not numbers. A number other than 1, 2 or
// 3, however large, places nothing.
bool parsePlacement(const QString &text, Placement *placement)
{
    bool number = false;
    const double value = text.toDouble(&number);
    if (!number || !std::isfinite(value))
        return false;
    const double whole = std::nearbyint(value);
    *placement = whole == 1   ? Placement::After
                 : whole == 2 ? Placement::Before
                 : whole == 3 ? Placement::Glued
                              : Placement::Nothing;
    return true;
}

Result build(const Input &input)
{
    QString parameters;
    QString error;
    if (!parameterString(input.sets, input.amiga, &parameters, &error))
        return failure(error);
    Placement placement = Placement::Nothing;
    if (!parsePlacement(input.placement, &placement))
        return failure(QStringLiteral("Setting mode \"") + input.placement + QStringLiteral("\" is not a number"));
    if (placement == Placement::Nothing)
        return {};
    if (input.executable.trimmed().isEmpty())
        return failure(QStringLiteral("The emulator has no executable file"));

    const QString romPath = input.gamesDir + input.romFile;
    // A process receives its arguments as C strings: a NUL would cut one silently.
    if (input.executable.contains(QChar(0)))
        return failure(
            QStringLiteral("The emulator's executable path holds a NUL character; nothing was started"));
    if (parameters.contains(QChar(0)) || romPath.contains(QChar(0)))
        return failure(QStringLiteral("A parameter or the rom path holds a NUL character; nothing was started"));
    Result result;
    result.outcome = Result::Outcome::Start;
    result.text = commandText(placement, input.executable, parameters, romPath);
    result.launch = {input.executable, arguments(placement, parameters, romPath)};
    return result;
}

namespace {

QString shellWord(const QString &word)
{
    static const QString plain = QStringLiteral("@%+=:,./-_");
    const bool bare = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || plain.contains(c);
    });
    if (bare)
        return word;
    return QLatin1Char('\'') + QString(word).replace(QLatin1Char('\''), QStringLiteral("'\\''"))
           + QLatin1Char('\'');
}

} // namespace

QString shellText(const Launch &launch)
{
    QStringList words{shellWord(launch.program)};
    for (const QString &argument : launch.arguments)
        words.append(shellWord(argument));
    return words.join(blank);
}

Launch testLaunch(const QString &executable) { return {executable, {}}; }

} // namespace CommandLine
