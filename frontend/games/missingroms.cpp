#include "frontend/games/missingroms.h"

#include "frontend/games/specialfilters.h"
#include "frontend/record/foldednameset.h"
#include "shared/datasource.h"
#include "shared/paths.h"
#include "shared/regularfile.h"
#include "shared/sqlitestatement.h"

#include <QFile>

#include <dirent.h>
#include <sqlite3.h>

namespace MissingRoms {

namespace {

// The folder's files, and where it lies for the rare Link that names a subfolder.
struct Listing {
    FoldedNameSet files;
    QString folder;
    QString folded; // room reused from name to name
};

// A name case folded as QString::toCaseFolded() does; plain ASCII without decoding.
void fold(QByteArrayView utf8, QString *folded)
{
    folded->resize(utf8.size());
    QChar *out = folded->data();
    for (const char byte : utf8) {
        const uchar code = uchar(byte);
        if (code >= 0x80) {
            *folded = QString::fromUtf8(utf8).toCaseFolded();
            return;
        }
        *out++ = QLatin1Char(char(code >= 'A' && code <= 'Z' ? code + 32 : code));
    }
}

bool isListedFile(Listing &listing, QByteArrayView link)
{
    if (link.contains('/') || link.contains('\\'))
        return Paths::fileExists(listing.folder + QLatin1Char('/') + QString::fromUtf8(link));
    fold(link, &listing.folded);
    return listing.files.contains(listing.folded);
}

void romMissing(sqlite3_context *context, int, sqlite3_value **values)
{
    auto *listing = static_cast<Listing *>(sqlite3_user_data(context));
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(values[0]));
    const QByteArrayView link(text ? text : "", text ? sqlite3_value_bytes(values[0]) : 0);
    sqlite3_result_int(context, link.isEmpty() || !isListedFile(*listing, link) ? 1 : 0);
}

void forget(void *listing) { delete static_cast<Listing *>(listing); }

void list(Listing *listing)
{
    const QByteArray folder = QFile::encodeName(listing->folder);
    DIR *dir = opendir(folder.constData());
    if (!dir)
        return;
    QString folded;
    while (const dirent *entry = readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        // readdir tells most entries' type; a link, or an unknown type, is looked at.
        const bool maybe = entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN;
        if (entry->d_type != DT_REG
            && !(maybe
                 && RegularFile::isRegular(listing->folder + QLatin1Char('/') + QFile::decodeName(name.data()))))
            continue;
        fold(name, &folded);
        listing->files.insert(folded);
    }
    closedir(dir);
}

} // namespace

bool prepare(const QString &databasePath, const QString &gamesDir, QString *error)
{
    const QSqlDatabase db = DataSource::connection(databasePath, error);
    if (!db.isValid())
        return false;
    auto *listing = new Listing;
    listing->folder = Paths::resolve(gamesDir);
    list(listing);
    // The function stands for the listing: rows with the same Link give the same answer
    // until the next fill lists the folder again.
    const QByteArray name = SpecialFilters::romMissingFunction().toUtf8();
    const int defined = sqlite3_create_function_v2(SqliteStatement::handle(db), name.constData(), 1,
                                                   SQLITE_UTF8 | SQLITE_DIRECTONLY, listing, &romMissing, nullptr,
                                                   nullptr, &forget);
    if (defined != SQLITE_OK) {
        *error = SpecialFilters::romMissingFunction() + QStringLiteral(": ")
                 + QString::fromUtf8(sqlite3_errstr(defined));
        return false;
    }
    return true;
}

} // namespace MissingRoms
