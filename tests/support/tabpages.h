#pragma once

#include <QString>

class QObject;

// Brings a page of a window forward by clicking its tab, found by the caption a person
// reads on it ("Games", "Setting", "Docs", ...). False when no tab has that caption.
bool showTab(const QObject *window, const QString &caption);
