#include "tests/support/builtprograms.h"

#include "builtpaths.h"

namespace BuiltPrograms {

QString converter() { return QStringLiteral(LUDORA_BUILT_CONVERTER); }
QString emuset() { return QStringLiteral(LUDORA_BUILT_EMUSET); }
QString mkinstall() { return QStringLiteral(LUDORA_BUILT_MKINSTALL); }
QString convert() { return QStringLiteral(LUDORA_BUILT_CONVERT); }
QString gamelist() { return QStringLiteral(LUDORA_BUILT_GAMELIST); }
QString crashDriver() { return QStringLiteral(LUDORA_BUILT_CRASHDRIVER); }

Installation::Options options(bool sample, int gamesPerConsole)
{
    Installation::Options options;
    options.sample = sample;
    options.gamesPerConsole = gamesPerConsole;
    options.programs = {converter(), emuset()};
    return options;
}

} // namespace BuiltPrograms
