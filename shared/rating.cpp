#include "shared/rating.h"

#include <cmath>

namespace Rating {

int stars(const QVariant &stored)
{
    if (stored.isNull())
        return 0;
    bool number = false;
    const bool text = stored.typeId() == QMetaType::QString || stored.typeId() == QMetaType::QByteArray;
    const double value = text ? stored.toString().trimmed().toDouble(&number) : stored.toDouble(&number);
    return number ? stars(value) : 0;
}

int stars(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double whole = std::floor(value + 0.5);
    return whole >= 0 && whole <= top ? int(whole) : 0;
}

} // namespace Rating
