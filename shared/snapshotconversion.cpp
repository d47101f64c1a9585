#include "shared/snapshotconversion.h"

#include "shared/installationpaths.h"
#include "shared/launcher.h"
#include "shared/paths.h"

#include <QFile>
#include <QFileInfo>

namespace SnapshotConversion {

namespace {

const QString gifExtension = QStringLiteral(".gif");

// What follows the last separator of either kind.
QString lastComponent(const QString &path)
{
    return path.mid(qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\'))) + 1);
}

bool sameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// Copies source to target unless a file (in any letter case) already stands there; the
// person's own file stays where it was.
bool copySource(const QString &source, const QString &target, QString *error)
{
    const QString existing = Paths::resolve(target);
    if (sameFile(source, existing))
        return true; // the chosen file already has the snapshot name
    if (QFileInfo::exists(existing)) {
        *error = existing + QStringLiteral(" already exists: ") + source
                 + QStringLiteral(" was not copied and nothing was converted");
        return false;
    }
    QFile file(source);
    if (file.copy(target))
        return true;
    *error = QStringLiteral("Cannot copy ") + source + QStringLiteral(" to ") + target + QStringLiteral(": ")
             + file.errorString();
    return false;
}

// A name that stays inside the screenshot directory: not "." or "..", no separator.
bool staysInside(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && lastComponent(name) == name;
}

} // namespace

QString converterRelativePath() { return InstallationPaths::converter(); }

QString Plan::commandLine() const { return program + QLatin1Char(' ') + copied + QStringLiteral(" /c=") + output; }

int charactersCut(const QString &consoleText) { return consoleText == QLatin1String("Gameboy") ? 3 : 4; }

QString baseName(const QString &romFile, const QString &consoleText)
{
    return romFile.left(qMax(0, romFile.size() - charactersCut(consoleText)));
}

QString sourceExtension(const QString &source) { return lastComponent(source).right(4); }

QString firstSnapshot(const QString &screenDir, const QString &base) { return screenDir + base + gifExtension; }

QString numberedSnapshot(const QString &screenDir, const QString &base, int number)
{
    return screenDir + base + QLatin1Char('_') + QString::number(number) + gifExtension;
}

int freeNumber(const QString &screenDir, const QString &base, const ExistsFunction &exists)
{
    if (!exists(firstSnapshot(screenDir, base)))
        return 0;
    int number = 1;
    while (exists(numberedSnapshot(screenDir, base, number)))
        ++number;
    return number;
}

bool prepare(const Request &request, Plan *plan, QString *error, const ExistsFunction &exists)
{
    // Only the last component of the rom's name: the screenshot stays inside the screen
    // directory whatever directories ("..", "/") the stored name holds.
    const QString base = lastComponent(baseName(request.romFile, request.consoleText));
    if (base.isEmpty()) {
        *error = request.romFile.isEmpty()
                     ? QStringLiteral("The game has no rom file: its screenshot cannot be named")
                     : QStringLiteral("Rom file name ") + request.romFile
                           + QStringLiteral(" is too short to name a screenshot");
        return false;
    }
    const int number = freeNumber(request.screenDir, base, exists ? exists : ExistsFunction(&Paths::fileExists));
    const QString name = base + (number == 0 ? QString() : QLatin1Char('_') + QString::number(number));
    if (!staysInside(name + sourceExtension(request.source))) {
        *error = QStringLiteral("Rom file name ") + request.romFile + QStringLiteral(" and image ")
                 + request.source + QStringLiteral(" name no file inside ") + request.screenDir;
        return false;
    }
    const QString stem = request.screenDir + name;
    plan->base = base;
    plan->source = request.source;
    plan->copied = stem + sourceExtension(request.source);
    plan->output = stem + gifExtension;
    plan->screenField = base + gifExtension;
    plan->program = Paths::join(request.rootDir, converterRelativePath());
    plan->arguments = {plan->copied, QStringLiteral("/c=") + plan->output};
    return true;
}

bool carryOut(const Plan &plan, Launcher &launcher, QString *error, Launcher::Finished converted)
{
    const QString program = Paths::resolve(plan.program);
    if (!QFileInfo(program).isFile()) {
        *error = QStringLiteral("Converter ") + plan.program + QStringLiteral(" not found: ") + plan.source
                 + QStringLiteral(" was not copied");
        return false;
    }
    if (!copySource(plan.source, plan.copied, error))
        return false;
    if (launcher.startFollowed(program, plan.arguments, std::move(converted)))
        return true;
    *error = QStringLiteral("Converter ") + program + QStringLiteral(" could not be started; the copy is ")
             + plan.copied;
    return false;
}

} // namespace SnapshotConversion
