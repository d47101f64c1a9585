#include "frontend/games/missingroms.h"

#include "frontend/games/specialfilters.h"
#include "frontend/record/foldednameset.h"
#include "shared/datasource.h"
#include "shared/paths.h"
#include "shared/regularfile.h"
#include "shared/sqlitestatement.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <memory>

#include <dirent.h>
#include <sqlite3.h>
#include <sys/stat.h>

namespace MissingRoms {

namespace {

// The folder's files, and where it lies for the rare Link that names a subfolder.
struct Listing {
    FoldedNameSet files;
    QString folder;
    QString folded; // room reused from name to name
    quint64 number = 0;
    bool hasLinks = false; // a link's target may come or go without the folder changing
};

// The folder as the last listing found it.
struct FolderState {
    QString folder;
    dev_t device = 0;
    ino_t inode = 0;
    QDateTime modified;
    bool settled = false; // listed after every change up to the folder's time
    bool operator==(const FolderState &other) const
    {
        return folder == other.folder && device == other.device && inode == other.inode
               && modified == other.modified;
    }
};

struct LastListing {
    FolderState state;
    std::shared_ptr<Listing> listing;
};

LastListing &lastListing()
{
    static LastListing last;
    return last;
}

bool isListedFile(Listing &listing, QByteArrayView link)
{
    if (link.contains('/') || link.contains('\\'))
        return Paths::fileExists(listing.folder + QLatin1Char('/') + QString::fromUtf8(link));
    FoldedNameSet::fold(link, &listing.folded);
    return listing.files.contains(listing.folded);
}

// The function's second argument, the listing's number, only names the listing in the
// query's text.
void romMissing(sqlite3_context *context, int, sqlite3_value **values)
{
    Listing &listing = **static_cast<std::shared_ptr<Listing> *>(sqlite3_user_data(context));
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(values[0]));
    const QByteArrayView link(text ? text : "", text ? sqlite3_value_bytes(values[0]) : 0);
    sqlite3_result_int(context, link.isEmpty() || !isListedFile(listing, link) ? 1 : 0);
}

void forget(void *listing) { delete static_cast<std::shared_ptr<Listing> *>(listing); }

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
        listing->hasLinks = listing->hasLinks || maybe;
        if (entry->d_type != DT_REG
            && !(maybe
                 && RegularFile::isRegular(listing->folder + QLatin1Char('/') + QFile::decodeName(name.data()))))
            continue;
        FoldedNameSet::fold(name, &folded);
        listing->files.insert(folded);
    }
    closedir(dir);
}

FolderState folderState(const QString &folder)
{
    FolderState state;
    state.folder = folder;
    struct stat info {};
    if (stat(QFile::encodeName(folder).constData(), &info) == 0) {
        state.device = info.st_dev;
        state.inode = info.st_ino;
    }
    state.modified = QFileInfo(folder).lastModified();
    state.settled = Paths::listingSettled(state.modified);
    return state;
}

std::shared_ptr<Listing> currentListing(const QString &gamesDir)
{
    static quint64 listings = 0;
    LastListing &last = lastListing();
    const FolderState now = folderState(Paths::resolve(gamesDir));
    if (last.listing && !last.listing->hasLinks && last.state.settled && last.state == now)
        return last.listing;
    auto listing = std::make_shared<Listing>();
    listing->folder = now.folder;
    listing->number = ++listings;
    list(listing.get());
    last = {now, listing};
    return listing;
}

} // namespace

bool prepare(const QString &databasePath, const QString &gamesDir, quint64 *listingNumber, QString *error)
{
    const QSqlDatabase db = DataSource::connection(databasePath, error);
    if (!db.isValid())
        return false;
    const std::shared_ptr<Listing> listing = currentListing(gamesDir);
    *listingNumber = listing->number;
    // The function stands for the listing: rows with the same Link give the same answer
    // until a fill finds the folder changed and lists it again.
    const QByteArray name = SpecialFilters::romMissingFunction().toUtf8();
    const int defined = sqlite3_create_function_v2(SqliteStatement::handle(db), name.constData(), 2,
                                                   SQLITE_UTF8 | SQLITE_DIRECTONLY,
                                                   new std::shared_ptr<Listing>(listing), &romMissing, nullptr,
                                                   nullptr, &forget);
    if (defined != SQLITE_OK) {
        *error = SpecialFilters::romMissingFunction() + QStringLiteral(": ")
                 + QString::fromUtf8(sqlite3_errstr(defined));
        return false;
    }
    return true;
}

} // namespace MissingRoms
