#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace Report {
struct Figure;
class Run;
} // namespace Report

// The names of the figures and the targets they are judged against.
namespace Figures {

inline QString floor() { return QStringLiteral("floor"); }
inline QString load() { return QStringLiteral("load"); }
inline QString select() { return QStringLiteral("select"); }
inline QString downStep() { return QStringLiteral("select Down step"); }
inline QString switchConsole() { return QStringLiteral("switch"); }
inline QString play() { return QStringLiteral("play"); }
inline QString spawn() { return QStringLiteral("spawn"); }
inline QString memory() { return QStringLiteral("peak memory"); }
inline QString fillPrefix() { return QStringLiteral("fill "); }
inline QString longNotesShown() { return QStringLiteral("notes of 1,000,000 characters shown"); }
inline QString longNotesSaved() { return QStringLiteral("notes of 1,000,000 characters saved"); }
inline QString longNameLoadDelay() { return QStringLiteral("load delay, 10,000,000-character name"); }
inline QString searchKeystroke() { return QStringLiteral("search keystroke"); }
inline QString scanNew() { return QStringLiteral("scan new"); }
inline QString scanNothingNew() { return QStringLiteral("scan nothing new"); }
inline QString gamelistImport() { return QStringLiteral("gamelist import"); }
inline QString gamelistExport() { return QStringLiteral("gamelist export"); }
inline QString gamelistPicture() { return QStringLiteral("gamelist picture"); } // ms per picture
inline QString specialFilterPrefix() { return QStringLiteral("special filter"); }
inline QString specialFiltersCleared() { return QStringLiteral("special filters cleared"); }
inline QString detailsFill() { return QStringLiteral("fill details, 4 columns"); }
inline QString detailsFillChanged() { return QStringLiteral("fill details, 4 columns, file changed"); }
inline QString detailsSort() { return QStringLiteral("details sort again"); }
inline QString detailsSortRenamed() { return QStringLiteral("details sort, a name changed"); }

// Whether the floor of the figure's N is its measure: the long fields are timed on an
// installation of their own.
inline bool againstFloor(const QString &name)
{
    return name != longNotesShown() && name != longNotesSaved() && name != longNameLoadDelay()
           && !name.startsWith(QLatin1String("gamelist "));
}

constexpr int Small = 1000;
constexpr int Large = 32767;
constexpr int Largest = 100000;

struct Target {
    QString text;
    std::function<bool(const Report::Figure &)> applies;
    // The highest median allowed, or a negative number when the run lacks what the
    // limit is computed from.
    std::function<double(const Report::Run &, const Report::Figure &)> limit;
    // What is held against the limit, when not the median.
    std::function<double(const Report::Figure &)> value = {};
};

const QList<Target> &targets();

} // namespace Figures
