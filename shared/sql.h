#pragma once

#include <QString>
#include <QVariant>

namespace Sql {

// A text made safe to stand between single quotes in a query: every quote is doubled,
// and a NUL, which would end the query's text, is joined in as char(0). Query texts are
// otherwise written exactly as the programs build them:
//   "[gioco] ='" + Sql::escape(name) + "'"
inline QString escape(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\''), QLatin1String("''"));
    out.replace(QChar(0), QLatin1String("'||char(0)||'"));
    return out;
}

// A text as an SQL string literal: between single quotes, its own quotes doubled. Query
// texts are otherwise written exactly as the programs build them:
//   "[gioco] =" + Sql::quoted(name)
inline QString quoted(const QString &text) { return QLatin1Char('\'') + escape(text) + QLatin1Char('\''); }

// A name (table, column) as an SQL identifier: between double quotes, its own doubled.
inline QString quotedName(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// A yes/no column's value: a non-zero number or the text "true" (any case, blanks
// around it ignored); Null and anything else is no.
bool isYes(const QVariant &value);

} // namespace Sql
