#include "install/installtools.h"

#include "ludora4layout.h"
#include "shared/paths.h"
#include "shared/snapshotconversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace InstallTools {

namespace {

QString converterName() { return Paths::executableName(QStringLiteral("I_View32")); }

// The given place, or where a build or an installed tree puts the converter: beside the
// running program, or in libexec/ludora4 beside its bin.
QStringList converterPlaces(const QString &given)
{
    if (!given.isEmpty())
        return {given};
    const QDir programs(QCoreApplication::applicationDirPath());
    return {programs.filePath(converterName()),
            QDir::cleanPath(programs.filePath(QLatin1String(InstallLayout::toolsFromPrograms) + QLatin1Char('/')
                                              + converterName()))};
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

QString findBuiltConverter(const QString &given, QStringList *searched)
{
    const QStringList places = converterPlaces(given);
    if (searched)
        *searched = places;
    for (const QString &place : places) {
        if (QFileInfo(place).isFile())
            return QDir::toNativeSeparators(place);
    }
    return {};
}

bool installConverter(const QString &root, const QString &given, QString *error)
{
    QStringList searched;
    const QString built = findBuiltConverter(given, &searched);
    if (built.isEmpty())
        return fail(error, QStringLiteral("The converter ") + converterName()
                               + QStringLiteral(" was not found in ")
                               + QDir::toNativeSeparators(searched.join(QStringLiteral(" or ")))
                               + QStringLiteral(" (build the target I_View32)"));
    const QString target = Paths::join(root, SnapshotConversion::converterRelativePath());
    QFile::remove(target);
    QFile file(built);
    if (!file.copy(target))
        return fail(error, QStringLiteral("Cannot copy ") + built + QStringLiteral(" to ") + target
                               + QStringLiteral(": ") + file.errorString());
    const auto executable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    if (!QFile::setPermissions(target, QFile::permissions(target) | executable))
        return fail(error, target + QStringLiteral(": cannot make the converter executable"));
    return true;
}

} // namespace InstallTools
