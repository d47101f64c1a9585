#include "shared/sql.h"

namespace Sql {

bool isYes(const QVariant &value)
{
    if (value.isNull())
        return false;
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool number = false;
    const double n = text.toDouble(&number);
    return number && n != 0;
}

} // namespace Sql
