#pragma once

#include <QString>

class QObject;

// Whether the entry of a row of a list with marks (LstSetting) shows its mark ticked.
bool entryMarked(const QObject *window, const QString &list, int row);
