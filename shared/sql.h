#pragma once

#include <QString>

namespace Sql {
// A text made safe to stand between single quotes in a query: every quote is doubled.
// Query texts are otherwise written exactly as the programs build them:
//   "[gioco] ='" + Sql::escape(name) + "'"
inline QString escape(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    return out;
}
} // namespace Sql
