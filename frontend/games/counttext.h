#pragma once

#include <QLocale>
#include <QString>

// A count as the front-end's own texts write it, with thousands separators: "32,767".
inline QString countText(qint64 count)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(count);
}
